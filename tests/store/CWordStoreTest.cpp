#include "CWordStore.h"

#include <gtest/gtest.h>

namespace {

WordEntry makeEntry(std::u16string text1, int box1, int category)
{
    WordEntry entry;
    entry.text1 = std::move(text1);
    entry.text2 = u"x";
    entry.box1 = box1;
    entry.year1 = 2016;
    entry.month1 = 3;
    entry.day1 = box1 + 1;
    entry.category = category;
    return entry;
}

} // namespace

TEST(CWordStore, StartsWithoutDataSetAndDefaultNames)
{
    const CWordStore store({9, 12, 2026}, u"/home/lernanto/Documents");
    EXPECT_EQ(-1, store.count());
    EXPECT_EQ(u"Listo 1", store.listName1());
    EXPECT_EQ(u"Listo 2", store.listName2());
    for (const auto& name : store.categoryNames())
        EXPECT_TRUE(name.empty());
    EXPECT_TRUE(store.dataTitle().empty());
    EXPECT_EQ(u"/home/lernanto/Documents", store.dataPath());
    EXPECT_EQ(u"09/12/2026", store.todayText());
}

TEST(CWordStore, CountFollowsTheStateOfTheDataSet)
{
    CWordStore store({1, 1, 2020}, u"");
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    EXPECT_EQ(0, store.count());
    store.appendEntry(makeEntry(u"a", 0, 0));
    store.appendEntry(makeEntry(u"b", 1, 0));
    EXPECT_EQ(2, store.count());
    store.clearEntries(CWordStore::AfterClear::NoDataSet);
    EXPECT_EQ(-1, store.count());
    EXPECT_TRUE(store.entries().empty());
}

TEST(CWordStore, DefaultAnswerDateIsTheSimplifiedDayBefore)
{
    struct Row
    {
        CalendarDate today;
        CalendarDate expected;
    };
    const Row rows[] = {
        {{15, 5, 2016}, {14, 5, 2016}},
        {{1, 3, 2016}, {28, 2, 2016}},
        {{1, 8, 2016}, {28, 7, 2016}}, // 28, not the last day of July
        {{1, 1, 2016}, {31, 12, 2015}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.today.day) + "." + std::to_string(row.today.month));
        EXPECT_EQ(row.expected, CWordStore(row.today, u"").defaultAnswerDate());
    }
}

TEST(CWordStore, SwappingEntriesMovesEveryField)
{
    CWordStore store({1, 1, 2020}, u"");
    const WordEntry first = makeEntry(u"unua", 2, 3);
    const WordEntry second = makeEntry(u"dua", 4, 7);
    store.appendEntry(first);
    store.appendEntry(second);
    store.swapEntries(0, 1);
    EXPECT_EQ(second, store.entry(0));
    EXPECT_EQ(first, store.entry(1));
}

TEST(CWordStore, ResetBoxesKeepsDatesAndCategories)
{
    CWordStore store({1, 1, 2020}, u"");
    WordEntry entry = makeEntry(u"a", 3, 5);
    entry.box2 = 6;
    store.appendEntry(entry);
    store.resetBoxes();
    entry.box1 = 0;
    entry.box2 = 0;
    EXPECT_EQ(entry, store.entry(0));
}

TEST(CWordStore, CategoryNamesOutsideTheTenAreIgnored)
{
    CWordStore store({1, 1, 2020}, u"");
    store.setCategoryName(0, u"nulo");
    store.setCategoryName(11, u"dek unu");
    store.setCategoryName(10, u"dek");
    EXPECT_EQ(u"dek", store.categoryNames()[9]);
    EXPECT_TRUE(store.categoryName(0).empty());
    EXPECT_TRUE(store.categoryName(-4).empty());
    EXPECT_TRUE(store.categoryName(11).empty());
}
