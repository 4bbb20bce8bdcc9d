#include "CWordStore.h"

#include <utility>

CWordStore::CWordStore(const CalendarDate& today, std::u16string documentsFolder)
    : m_today(today), m_todayText(formatDate(today)), m_dataPath(std::move(documentsFolder))
{
    resetNames();
}

int CWordStore::count() const
{
    return m_hasDataSet ? static_cast<int>(m_entries.size()) : -1;
}

void CWordStore::resetNames()
{
    m_listName1 = u"Listo 1";
    m_listName2 = u"Listo 2";
    for (auto& name : m_categoryNames)
        name.clear();
}

void CWordStore::clearEntries(AfterClear state)
{
    m_entries.clear();
    m_entries.shrink_to_fit();
    m_hasDataSet = state == AfterClear::EmptyDataSet;
}

void CWordStore::appendEntry(WordEntry entry)
{
    m_entries.push_back(std::move(entry));
    m_hasDataSet = true;
}

void CWordStore::swapEntries(std::size_t i, std::size_t j)
{
    std::swap(m_entries[i], m_entries[j]);
}

void CWordStore::resetBoxes()
{
    for (auto& entry : m_entries) {
        entry.box1 = 0;
        entry.box2 = 0;
    }
}

void CWordStore::replaceEntries(std::vector<WordEntry> entries)
{
    m_entries = std::move(entries);
    m_hasDataSet = true;
}

void CWordStore::setCategoryName(int category, std::u16string name)
{
    if (category >= 1 && category <= categoryCount)
        m_categoryNames[category - 1] = std::move(name);
}

const std::u16string& CWordStore::categoryName(int category) const
{
    static const std::u16string none;
    if (category >= 1 && category <= categoryCount)
        return m_categoryNames[category - 1];
    return none;
}

CalendarDate CWordStore::defaultAnswerDate() const
{
    if (m_today.day >= 2)
        return {m_today.day - 1, m_today.month, m_today.year};
    if (m_today.month >= 2)
        return {28, m_today.month - 1, m_today.year};
    return {31, 12, m_today.year - 1};
}
