#include "Statistics.h"

#include <algorithm>

namespace {

// A date no valid date lies before, so that DayCount from it numbers the days.
constexpr CalendarDate firstDate{1, 1, 0};

} // namespace

DirectionStatistics CollectStatistics(const std::vector<WordEntry>& entries, int direction,
                                      int categoryFilter, const CalendarDate& today)
{
    DirectionStatistics statistics;
    const int todayNumber = DayCount(firstDate, today);
    for (const WordEntry& entry : entries) {
        if (!passesCategoryFilter(categoryFilter, entry.category))
            continue;
        const int box = entry.box(direction);
        if (box >= boxCount) {
            ++statistics.learned;
            continue;
        }
        if (box < 0)
            continue;
        ++statistics.boxes[static_cast<std::size_t>(box)];
        const CalendarDate answered = entry.answerDate(direction);
        if (!isValidDate(answered))
            continue;
        // Due on the first day at least the box interval after the answer date; an answer date
        // beyond its month's end lies that many days into the next month.
        const int waited = todayNumber - DayCount(firstDate, answered);
        const int day = std::max(0, boxIntervals[static_cast<std::size_t>(box)] - waited);
        if (day < forecastDays)
            ++statistics.forecast[static_cast<std::size_t>(day)];
    }
    return statistics;
}
