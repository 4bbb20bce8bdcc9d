#pragma once

#include "CalendarDate.h"
#include "WordEntry.h"

#include <array>
#include <vector>

inline constexpr int boxCount = 5;
// Days between two questions of an entry, per box value 0 to 4.
inline constexpr std::array<int, boxCount> boxIntervals = {1, 3, 7, 30, 91};

// Category filter codes: all entries, a category 1..10 by its number, or the entries without one.
inline constexpr int allCategories = 0;
inline constexpr int withoutCategory = 11;

// What the training dialog chooses: which entries are due, for which day. The setters keep the
// rules that tie the flags and the reference date together.
class ScheduleSettings final
{
public:
    explicit ScheduleSettings(const CalendarDate& today) : m_referenceDate(today) {}

    int direction() const { return m_direction; }
    bool boxFlag(int box) const { return box >= 1 && box <= boxCount && m_boxFlags[box - 1]; }
    bool automaticDate() const { return m_automaticDate; }
    bool justTreated() const { return m_justTreated; }
    int categoryFilter() const { return m_categoryFilter; }
    const CalendarDate& referenceDate() const { return m_referenceDate; }
    bool isReferenceDateMoved(const CalendarDate& today) const { return m_referenceDate != today; }

    // box counts from 1.
    void setBoxFlag(int box, bool on);
    void setCategoryFilter(int code) { m_categoryFilter = code; }
    // Each of these also brings the reference date back to today.
    void setDirection(int direction, const CalendarDate& today);
    void setAutomaticDate(bool on, const CalendarDate& today);
    void setJustTreated(bool on, const CalendarDate& today);
    // "Postan tagon": only while the automatic date is on; returns whether the date moved.
    bool advanceDay();
    void backToToday(const CalendarDate& today) { m_referenceDate = today; }

private:
    int m_direction = 1;
    std::array<bool, boxCount> m_boxFlags = {true, true, true, true, true};
    bool m_automaticDate = true;
    bool m_justTreated = false;
    int m_categoryFilter = allCategories;
    CalendarDate m_referenceDate;
};

// Per box 1 to 5: the entries in it ("Entute") and those of them that are due ("Pritraktebla").
struct BoxCountTable
{
    std::array<int, boxCount> total = {};
    std::array<int, boxCount> due = {};

    bool operator==(const BoxCountTable&) const = default;
};

// Valid: day 1..31, month 1..12, year 0..9999; the day is not checked against its month.
bool isValidDate(const CalendarDate& date);
// Days from one date to another; -1 when either is invalid, 0 when the second is the earlier.
int DayCount(const CalendarDate& from, const CalendarDate& to);
CalendarDate NextDay(const CalendarDate& date);

bool passesCategoryFilter(int code, int category);
bool IsDue(const ScheduleSettings& settings, const WordEntry& entry);
BoxCountTable BoxCounts(const ScheduleSettings& settings, const std::vector<WordEntry>& entries);
