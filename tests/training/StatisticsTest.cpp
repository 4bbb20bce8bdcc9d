#include "Statistics.h"

#include <gtest/gtest.h>
#include <random>

// On random stores, the statistics agree with a day-by-day count through the schedule itself: the
// entries due on day k and not yet on day k - 1 fall due on day k.
TEST(Statistics, AgreesWithTheScheduleDayByDay)
{
    std::mt19937 random(20160310);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int store = 0; store < 200; ++store) {
        const CalendarDate today{pick(1, 28), pick(1, 12), pick(2015, 2017)};
        std::vector<WordEntry> entries(static_cast<std::size_t>(pick(0, 40)));
        for (WordEntry& entry : entries) {
            entry.box1 = pick(-1, 6);
            entry.box2 = pick(0, 5);
            entry.category = pick(0, 10);
            // Around today, now and then a day beyond its month's end or an unreadable date.
            entry.setAnswerDate(1, {pick(0, 31), pick(1, 12), today.year - pick(0, 1)});
            entry.setAnswerDate(2, {pick(1, 31), pick(0, 13), today.year + pick(-1, 1)});
        }
        const int filter = pick(0, 11);
        for (int direction = 1; direction <= 2; ++direction) {
            SCOPED_TRACE(testing::Message() << "store " << store << ", direction " << direction);
            DirectionStatistics expected;
            for (const WordEntry& entry : entries) {
                const int box = entry.box(direction);
                if (passesCategoryFilter(filter, entry.category) && box >= 0)
                    ++(box < boxCount ? expected.boxes[static_cast<std::size_t>(box)] : expected.learned);
            }
            ScheduleSettings settings(today);
            settings.setDirection(direction, today);
            settings.setCategoryFilter(filter);
            std::vector<bool> dueBefore(entries.size(), false);
            for (int day = 0; day < forecastDays; ++day, settings.advanceDay()) {
                for (std::size_t i = 0; i < entries.size(); ++i) {
                    const bool due = IsDue(settings, entries[i]);
                    if (due && !dueBefore[i])
                        ++expected.forecast[static_cast<std::size_t>(day)];
                    dueBefore[i] = due;
                }
            }
            EXPECT_EQ(expected, CollectStatistics(entries, direction, filter, today));
        }
    }
}
