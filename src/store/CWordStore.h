#pragma once

#include "CalendarDate.h"
#include "WordEntry.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The one data set the program works on: its entries in stored order, the names of the two lists and
// of the ten categories, today's date as given at creation, and the file it belongs to.
// count() is -1 while no data set is loaded and otherwise the number of entries held.
class CWordStore final
{
public:
    static constexpr int categoryCount = 10;
    using CategoryNames = std::array<std::u16string, categoryCount>;

    enum class AfterClear
    {
        NoDataSet,   // count becomes -1: a file is about to be read
        EmptyDataSet // count becomes 0: a new, empty data set
    };

    // today: the local date read once by the caller; documentsFolder: the initial dataPath.
    CWordStore(const CalendarDate& today, std::u16string documentsFolder);

    int count() const;
    bool hasDataSet() const { return m_hasDataSet; }
    const std::vector<WordEntry>& entries() const { return m_entries; }
    const WordEntry& entry(std::size_t index) const { return m_entries[index]; }
    WordEntry& entry(std::size_t index) { return m_entries[index]; }

    void resetNames();
    void clearEntries(AfterClear state);
    void appendEntry(WordEntry entry);
    void swapEntries(std::size_t i, std::size_t j);
    void resetBoxes();
    // Replaces the whole table; the store then holds a data set.
    void replaceEntries(std::vector<WordEntry> entries);

    const std::u16string& listName1() const { return m_listName1; }
    const std::u16string& listName2() const { return m_listName2; }
    const std::u16string& listName(int list) const { return list == 2 ? m_listName2 : m_listName1; }
    void setListName1(std::u16string name) { m_listName1 = std::move(name); }
    void setListName2(std::u16string name) { m_listName2 = std::move(name); }
    const CategoryNames& categoryNames() const { return m_categoryNames; }
    // category counts from 1; values outside 1..10 are ignored.
    void setCategoryName(int category, std::u16string name);
    const std::u16string& categoryName(int category) const;

    const CalendarDate& today() const { return m_today; }
    int todayDay() const { return m_today.day; }
    int todayMonth() const { return m_today.month; }
    int todayYear() const { return m_today.year; }
    const std::u16string& todayText() const { return m_todayText; }
    // The day before today, simplified: 28 stands for the last day of the previous month.
    CalendarDate defaultAnswerDate() const;

    const std::u16string& dataPath() const { return m_dataPath; }
    void setDataPath(std::u16string path) { m_dataPath = std::move(path); }
    const std::u16string& dataTitle() const { return m_dataTitle; }
    void setDataTitle(std::u16string title) { m_dataTitle = std::move(title); }

private:
    std::vector<WordEntry> m_entries;
    bool m_hasDataSet = false;
    std::u16string m_listName1;
    std::u16string m_listName2;
    CategoryNames m_categoryNames;
    CalendarDate m_today;
    std::u16string m_todayText;
    std::u16string m_dataPath;
    std::u16string m_dataTitle;
};
