#pragma once

#include "BoxSchedule.h"

#include <array>
#include <vector>

// Days of the due forecast, today being day 0.
inline constexpr int forecastDays = 30;

// Where the entries of one direction stand: how many sit in each box and how many are learned, and
// how many fall due on each of the coming days.
struct DirectionStatistics
{
    std::array<int, boxCount> boxes = {};
    int learned = 0;
    // Per day from today: the entries whose interval runs out that day; day 0 also holds the ones
    // overdue. Entries with an answer date the schedule cannot read never fall due.
    std::array<int, forecastDays> forecast = {};

    bool operator==(const DirectionStatistics&) const = default;
};

// categoryFilter: the codes of the training's category filter (0 all, 1..10, 11 none).
DirectionStatistics CollectStatistics(const std::vector<WordEntry>& entries, int direction,
                                      int categoryFilter, const CalendarDate& today);
