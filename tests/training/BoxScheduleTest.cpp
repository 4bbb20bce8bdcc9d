#include "BoxSchedule.h"

#include <gtest/gtest.h>

namespace {

const CalendarDate today{10, 3, 2016};

WordEntry answered(int box, const CalendarDate& date, int category = 0)
{
    WordEntry entry;
    entry.text1 = u"demando";
    entry.text2 = u"respondo";
    entry.box1 = box;
    entry.box2 = box;
    entry.setBothAnswerDates(date);
    entry.category = category;
    return entry;
}

} // namespace

TEST(DayCount, Examples)
{
    struct Row
    {
        CalendarDate from;
        CalendarDate to;
        int days;
    };
    const Row rows[] = {
        {{31, 12, 2015}, {1, 1, 2016}, 1},  {{28, 2, 2016}, {1, 3, 2016}, 2},
        {{28, 2, 2015}, {1, 3, 2015}, 1},   {{1, 3, 2015}, {1, 2, 2016}, 337},
        {{20, 12, 2015}, {5, 2, 2016}, 47}, {{1, 1, 2000}, {1, 1, 2001}, 366},
        {{1, 1, 1900}, {1, 1, 1901}, 365},  {{1, 1, 0}, {1, 1, 1}, 366}, // year 0 is a leap year
        {{31, 4, 2016}, {1, 5, 2016}, 0},                                // 31 April counts as 1 May
        {{5, 3, 2016}, {4, 3, 2016}, 0},    {{5, 3, 2016}, {5, 3, 2015}, 0},
        {{0, 3, 2016}, {5, 3, 2016}, -1},   {{32, 3, 2016}, {5, 3, 2016}, -1},
        {{1, 0, 2016}, {5, 3, 2016}, -1},   {{1, 13, 2016}, {5, 3, 2016}, -1},
        {{1, 1, 10000}, {5, 3, 2016}, -1},  {{1, 1, 2016}, {5, 3, -1}, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.from.day) + "." + std::to_string(row.from.month) + "." +
                     std::to_string(row.from.year) + " -> " + std::to_string(row.to.day) + "." +
                     std::to_string(row.to.month) + "." + std::to_string(row.to.year));
        EXPECT_EQ(row.days, DayCount(row.from, row.to));
    }
}

TEST(NextDay, RollsOverMonthsAndYears)
{
    EXPECT_EQ((CalendarDate{1, 3, 2015}), NextDay({28, 2, 2015}));
    EXPECT_EQ((CalendarDate{29, 2, 2016}), NextDay({28, 2, 2016}));
    EXPECT_EQ((CalendarDate{1, 3, 2016}), NextDay({29, 2, 2016}));
    EXPECT_EQ((CalendarDate{1, 5, 2016}), NextDay({30, 4, 2016}));
    EXPECT_EQ((CalendarDate{1, 1, 2017}), NextDay({31, 12, 2016}));
    EXPECT_EQ((CalendarDate{1, 3, 1900}), NextDay({28, 2, 1900}));
    EXPECT_EQ((CalendarDate{6, 13, 2016}), NextDay({5, 13, 2016})); // an invalid month stays put
}

TEST(IsDue, IntervalsFollowTheBox)
{
    struct Row
    {
        const char* rule;
        WordEntry entry;
        CalendarDate reference;
        bool due;
    };
    const Row rows[] = {
        {"graded today is not due", answered(0, today), today, false},
        {"box 1 the next day", answered(0, today), {11, 3, 2016}, true},
        {"box 2 after two days", answered(1, {1, 3, 2016}), {3, 3, 2016}, false},
        {"box 2 after three days", answered(1, {1, 3, 2016}), {4, 3, 2016}, true},
        {"box 3 after six days", answered(2, {1, 3, 2016}), {7, 3, 2016}, false},
        {"box 3 after a week", answered(2, {1, 3, 2016}), {8, 3, 2016}, true},
        {"box 4 on 28 February", answered(3, {31, 1, 2015}), {28, 2, 2015}, false},
        {"box 4 on 2 March", answered(3, {31, 1, 2015}), {2, 3, 2015}, true},
        {"box 5 after 90 days", answered(4, {1, 1, 2016}), {30, 3, 2016}, false},
        {"box 5 after 91 days", answered(4, {1, 1, 2016}), {1, 4, 2016}, true},
        {"learned", answered(5, {1, 1, 2000}), today, false},
        {"negative box from a hand-edited file", answered(-1, {1, 1, 2000}), today, false},
        {"invalid answer date", answered(0, {0, 0, 0}), today, false},
        {"answer date after the reference", answered(0, {1, 1, 2030}), today, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        EXPECT_EQ(row.due, IsDue(ScheduleSettings(row.reference), row.entry));
    }
}

TEST(IsDue, BoxFlagsDirectionAndAutomaticDate)
{
    ScheduleSettings settings(today);
    WordEntry entry = answered(0, {1, 3, 2016});
    entry.box2 = 2;
    entry.setAnswerDate(2, today);
    EXPECT_TRUE(IsDue(settings, entry));
    settings.setBoxFlag(1, false);
    EXPECT_FALSE(IsDue(settings, entry));

    settings.setDirection(2, today);
    EXPECT_FALSE(IsDue(settings, entry)); // box 3 answered today
    settings.setAutomaticDate(false, today);
    EXPECT_TRUE(IsDue(settings, entry)); // every entry of a chosen box
    entry.setAnswerDate(2, {99, 99, 99999});
    EXPECT_TRUE(IsDue(settings, entry)); // even with an invalid date
    settings.setBoxFlag(3, false);
    EXPECT_FALSE(IsDue(settings, entry));
}

TEST(IsDue, CategoryFilterCodes)
{
    ScheduleSettings settings(today);
    settings.setAutomaticDate(false, today);
    const WordEntry none = answered(0, today, 0);
    const WordEntry animals = answered(0, today, 3);
    const WordEntry strange = answered(0, today, 42);

    settings.setCategoryFilter(allCategories);
    EXPECT_TRUE(IsDue(settings, none));
    EXPECT_TRUE(IsDue(settings, animals));
    EXPECT_TRUE(IsDue(settings, strange));
    settings.setCategoryFilter(3);
    EXPECT_FALSE(IsDue(settings, none));
    EXPECT_TRUE(IsDue(settings, animals));
    EXPECT_FALSE(IsDue(settings, strange));
    settings.setCategoryFilter(withoutCategory);
    EXPECT_TRUE(IsDue(settings, none));
    EXPECT_FALSE(IsDue(settings, animals));
    EXPECT_FALSE(IsDue(settings, strange));
}

TEST(IsDue, JustTreatedSelectsEntriesGradedOnTheReferenceDate)
{
    ScheduleSettings settings(today);
    settings.setCategoryFilter(5);
    settings.setJustTreated(true, today);
    EXPECT_FALSE(settings.automaticDate());

    EXPECT_TRUE(IsDue(settings, answered(2, today, 0))); // the category filter does not apply
    EXPECT_FALSE(IsDue(settings, answered(2, {9, 3, 2016}, 0)));
    for (int box = 1; box <= boxCount; ++box)
        settings.setBoxFlag(box, false);
    EXPECT_FALSE(IsDue(settings, answered(2, today)));
    EXPECT_TRUE(IsDue(settings, answered(5, today))); // learned today, whatever the flags
    EXPECT_FALSE(IsDue(settings, answered(6, today)));
}

TEST(ScheduleSettings, FlagsAndReferenceDateMoveTogether)
{
    ScheduleSettings settings(today);
    EXPECT_TRUE(settings.advanceDay());
    EXPECT_EQ((CalendarDate{11, 3, 2016}), settings.referenceDate());
    EXPECT_TRUE(settings.isReferenceDateMoved(today));
    settings.setBoxFlag(2, false);
    settings.setCategoryFilter(4);
    EXPECT_EQ((CalendarDate{11, 3, 2016}), settings.referenceDate()); // unchanged by flags and filter
    settings.setDirection(2, today);
    EXPECT_EQ(today, settings.referenceDate());

    settings.advanceDay();
    settings.setJustTreated(true, today);
    EXPECT_EQ(today, settings.referenceDate());
    EXPECT_FALSE(settings.automaticDate());
    EXPECT_FALSE(settings.advanceDay()); // only while the automatic date is on

    settings.setAutomaticDate(true, today);
    EXPECT_FALSE(settings.justTreated());
    settings.setAutomaticDate(false, today);
    EXPECT_FALSE(settings.justTreated()); // both may be off together
    settings.setJustTreated(true, today);
    settings.setJustTreated(false, today);
    EXPECT_TRUE(settings.automaticDate());
}

TEST(BoxCounts, CountsPerBoxWithTheCategoryFilterInBothModes)
{
    const std::vector<WordEntry> entries = {
        answered(0, {1, 3, 2016}, 1), answered(0, today, 1),        answered(1, {1, 3, 2016}, 0),
        answered(4, {1, 3, 2016}, 1), answered(5, {1, 3, 2016}, 1), answered(-2, {1, 3, 2016}, 1),
        answered(2, today, 2),
    };
    ScheduleSettings settings(today);
    BoxCountTable expected;
    expected.total = {2, 1, 1, 0, 1};
    expected.due = {1, 1, 0, 0, 0};
    EXPECT_EQ(expected, BoxCounts(settings, entries));

    settings.setCategoryFilter(1);
    expected.total = {2, 0, 0, 0, 1};
    expected.due = {1, 0, 0, 0, 0};
    EXPECT_EQ(expected, BoxCounts(settings, entries));

    settings.setJustTreated(true, today);
    expected.total = {2, 0, 0, 0, 1};
    expected.due = {1, 0, 0, 0, 0}; // graded today and of category 1; the box 3 entry is of category 2
    EXPECT_EQ(expected, BoxCounts(settings, entries));
}
