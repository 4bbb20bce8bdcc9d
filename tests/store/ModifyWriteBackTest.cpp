#include "ModifyWriteBack.h"

#include "CWordStore.h"
#include "Entries.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

WordEntry entry(std::u16string text1, std::u16string text2, int category, CalendarDate date1,
                CalendarDate date2)
{
    return makeEntry(std::move(text1), std::move(text2),
                     {.box1 = 2, .box2 = 4, .category = category, .answered1 = date1, .answered2 = date2});
}

// Three entries, each with its own dates and category.
CWordStore threeEntries()
{
    CWordStore store({10, 3, 2016}, u"");
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    store.appendEntry(entry(u"Chat", u"Kato", 1, {1, 1, 2015}, {2, 2, 2015}));
    store.appendEntry(entry(u"Chien", u"Hundo", 2, {3, 3, 2015}, {4, 4, 2015}));
    store.appendEntry(entry(u"Lentille (optique)", u"Lenso", 3, {5, 5, 2015}, {6, 6, 2015}));
    return store;
}

// The rows as the dialog shows them before any change.
std::vector<ModifiedRow> unchangedRows()
{
    return {{u"Chat", u"3", u"Kato", u"5"},
            {u"Chien", u"3", u"Hundo", u"5"},
            {u"Lentille (optique)", u"3", u"Lenso", u"5"}};
}

} // namespace

TEST(BoxValueOfCell, ReadsTheLeadingNumberMinusOneAndNeverBelowZero)
{
    struct Row
    {
        std::u16string cell;
        int value;
    };
    const std::vector<Row> rows = {
        {u"7", 6},
        {u"1", 0},
        {u"5", 4},
        {u"0", 0},
        {u"-3", 0},
        {u"abc", 0},
        {u"", 0},
        {u"  12 ans", 11},
        {u"+3", 2},
        {u"\t4x5", 3},
        {u"-", 0},
        {u"3-4", 2},
        {u"１", 0} /* only ASCII digits */,
        {u"007", 6},
        {u"99999999999999999999", std::numeric_limits<int>::max() - 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.cell.begin(), row.cell.end()));
        EXPECT_EQ(row.value, boxValueOfCell(row.cell));
    }
}

TEST(WriteBackModifications, UnchangedRowsLeaveTheStoreAsItWas)
{
    CWordStore store = threeEntries();
    const std::vector<WordEntry> before = store.entries();
    writeBackModifications(store, unchangedRows(), {-1, -1, -1}, {false, false, false});
    EXPECT_EQ(before, store.entries());
}

TEST(WriteBackModifications, TakesTextsAndBoxesAndDropsRowsWithAnEmptyListText)
{
    CWordStore store = threeEntries();
    std::vector<ModifiedRow> rows = unchangedRows();
    rows[0] = {u"", u"3", u"Kato", u"5"};       // list-1 text emptied: deleted
    rows[1] = {u" ", u"7", u"Hundeto", u""};    // a single space keeps the entry
    rows[2] = {u"Lentille", u"abc", u"", u"2"}; // list-2 text emptied: deleted
    writeBackModifications(store, rows, {-1, -1, -1}, {false, false, false});
    ASSERT_EQ(1, store.count());
    const WordEntry& kept = store.entry(0);
    EXPECT_EQ(u" ", kept.text1);
    EXPECT_EQ(u"Hundeto", kept.text2);
    EXPECT_EQ(6, kept.box1);
    EXPECT_EQ(0, kept.box2);
    EXPECT_EQ((CalendarDate{3, 3, 2015}), kept.answerDate(1));
    EXPECT_EQ(2, kept.category);
}

TEST(WriteBackModifications, ExchangedEntriesTakeTheirDatesAcrossWithTheLists)
{
    CWordStore store = threeEntries();
    std::vector<ModifiedRow> rows = unchangedRows();
    rows[1] = {u"Hundo", u"5", u"Chien", u"3"}; // as "<----->" leaves the row
    writeBackModifications(store, rows, {-1, -1, -1}, {false, true, false});
    const WordEntry& exchanged = store.entry(1);
    EXPECT_EQ(u"Hundo", exchanged.text1);
    EXPECT_EQ(4, exchanged.box1);
    EXPECT_EQ(2, exchanged.box2);
    EXPECT_EQ((CalendarDate{4, 4, 2015}), exchanged.answerDate(1));
    EXPECT_EQ((CalendarDate{3, 3, 2015}), exchanged.answerDate(2));
    EXPECT_EQ((CalendarDate{1, 1, 2015}), store.entry(0).answerDate(1));
    EXPECT_EQ((CalendarDate{6, 6, 2015}), store.entry(2).answerDate(2));
}

TEST(WriteBackModifications, CategoriesAndDatesFollowTheirEntryWhenEarlierRowsAreDeleted)
{
    CWordStore store = threeEntries();
    std::vector<ModifiedRow> rows = unchangedRows();
    rows[0].text2.clear();
    writeBackModifications(store, rows, {5, -1, 0}, {false, false, true});
    ASSERT_EQ(2, store.count());
    EXPECT_EQ(u"Chien", store.entry(0).text1);
    EXPECT_EQ(2, store.entry(0).category);
    EXPECT_EQ((CalendarDate{3, 3, 2015}), store.entry(0).answerDate(1));
    EXPECT_EQ(u"Lentille (optique)", store.entry(1).text1);
    EXPECT_EQ(0, store.entry(1).category); // "_________" applied
    EXPECT_EQ((CalendarDate{6, 6, 2015}), store.entry(1).answerDate(1));
    EXPECT_EQ((CalendarDate{5, 5, 2015}), store.entry(1).answerDate(2));
}

TEST(WriteBackModifications, EveryRowDeletedLeavesAnEmptyDataSet)
{
    CWordStore store = threeEntries();
    std::vector<ModifiedRow> rows(3);
    writeBackModifications(store, rows, {-1, -1, -1}, {false, false, false});
    EXPECT_EQ(0, store.count());
    EXPECT_TRUE(store.hasDataSet());
}
