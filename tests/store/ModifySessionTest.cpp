#include "ModifySession.h"

#include "CWordStore.h"
#include "Entries.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

CWordStore searchedStore()
{
    CWordStore store = emptyDataSet({10, 3, 2016}, u"Franca", u"Esperanto");
    for (const auto& [text1, text2] : {std::pair{u"Lentille (optique)", u"Lenso"},
                                       {u"Chat", u"Kato"},
                                       {u"Chien", u"Hundo"},
                                       {u"Vache", u"Bovo"}})
        store.appendEntry(makeEntry(text1, text2));
    for (int i = 0; i < 21; ++i)
        store.appendEntry(makeEntry(u"Qq", u"Ww"));
    return store;
}

} // namespace

TEST(ModifySession, SearchFieldShowsTheNumberOfMatchesInItsColour)
{
    const CWordStore store = searchedStore();
    ModifySession session(store);
    const struct
    {
        std::u16string text;
        Rgb colour;
        std::u16string count;
    } cases[] = {{u"", {255, 255, 255}, u""},
                 {u"optique", {20, 255, 20}, u""}, // comments count
                 {u"N", {255, 150, 150}, u""},
                 {u"n", {0, 251, 251}, u"2"},   // case counts
                 {u"Q", {0, 215, 215}, u"21"}}; // no darker after 20
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        const ModifySession::SearchLook look = session.setSearchText(c.text);
        EXPECT_EQ(c.colour, look.colour);
        EXPECT_EQ(c.count, look.countText);
    }
}

TEST(ModifySession, FindNextWrapsAroundAndPassesOverEmptiedRows)
{
    const CWordStore store = searchedStore();
    ModifySession session(store);
    EXPECT_EQ(std::nullopt, session.findNext()); // no search text
    session.setSearchText(u"n");
    for (const int expected : {0, 2, 0})
        EXPECT_EQ(expected, session.findNext());
    session.emptyRow(2);
    EXPECT_EQ(1, session.setSearchText(u"n").matches);
    for (const int expected : {0, 0})
        EXPECT_EQ(expected, session.findNext());
    session.setCellText(0, 2, u""); // a row without its list-2 text no longer counts either
    EXPECT_EQ(std::nullopt, session.findNext());
    session.setSearchText(u"Tigro");
    EXPECT_EQ(std::nullopt, session.findNext());
}

TEST(ModifySession, RowsShowBoxesFromOneAndExchangeTextsWithBoxes)
{
    CWordStore store = emptyDataSet({10, 3, 2016}, u"Franca", u"Esperanto");
    WordEntry entry = makeEntry(u"Chat", u"Kato");
    entry.box1 = 2;
    entry.box2 = INT_MAX; // a file may hold it: shown without overflow
    store.appendEntry(entry);
    ModifySession session(store);
    EXPECT_EQ((ModifiedRow{u"Chat", u"3", u"Kato", u"2147483648"}), session.row(0));
    session.exchangeLists(0);
    EXPECT_EQ((ModifiedRow{u"Kato", u"2147483648", u"Chat", u"3"}), session.row(0));
    EXPECT_TRUE(session.isExchanged(0));
    session.setCellText(0, 0, u"Katino"); // an edited row is exchanged as the user left it
    session.exchangeLists(0);
    EXPECT_EQ((ModifiedRow{u"Chat", u"3", u"Katino", u"2147483648"}), session.row(0));
    EXPECT_FALSE(session.isExchanged(0));
}

TEST(ModifySession, SelectedRowsStartBelowTheHeaderAndNeedASelectedCell)
{
    const auto rows = ModifySession::selectedRows(0, 5, [](int row) { return row != 3; });
    EXPECT_EQ((std::vector<int>{1, 2, 4, 5}), rows);
}

TEST(DeleteQuestions, GroupQuestionFirstThenEachRowOnNo)
{
    using Q = DeleteQuestions::Question;
    // Each script: the answers given, then the questions asked (row of each) and the rows emptied.
    const struct
    {
        int span;
        std::vector<bool> answers;
        std::vector<std::pair<Q, int>> asked;
        std::vector<int> emptied;
    } cases[] = {
        {3, {true}, {{Q::WholeGroup, 2}}, {2, 3, 4}},
        {3,
         {false, true, false, true},
         {{Q::WholeGroup, 2}, {Q::OneRow, 2}, {Q::OneRow, 3}, {Q::OneRow, 4}},
         {2, 4}},
        {1, {true}, {{Q::OneRow, 2}}, {2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers.size());
        DeleteQuestions questions(c.span == 1 ? std::vector<int>{2} : std::vector<int>{2, 3, 4}, c.span);
        std::vector<std::pair<Q, int>> asked;
        std::vector<int> emptied;
        for (const bool yes : c.answers) {
            const auto next = questions.next();
            ASSERT_TRUE(next);
            asked.emplace_back(next->question, next->row);
            for (const int row : questions.answer(yes))
                emptied.push_back(row);
        }
        EXPECT_FALSE(questions.next());
        EXPECT_EQ(c.asked, asked);
        EXPECT_EQ(c.emptied, emptied);
    }
}
