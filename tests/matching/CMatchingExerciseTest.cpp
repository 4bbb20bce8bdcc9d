#include "CMatchingExercise.h"

#include "CWordStore.h"
#include "RandomGenerator.h"
#include "ScriptedRandomSource.h"

#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

void PrintTo(const MatchRow& row, std::ostream* out)
{
    const auto narrow = [](const std::u16string& text) { return std::string(text.begin(), text.end()); };
    *out << "{" << narrow(row.leftText) << " | " << narrow(row.answerText) << " | " << narrow(row.shownText)
         << " | " << row.category << "}";
}

namespace {

struct Pair
{
    std::u16string text1;
    std::u16string text2;
    int category = 0;
};

CWordStore storeOf(const std::vector<Pair>& pairs)
{
    CWordStore store({10, 3, 2016}, u"");
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    for (const Pair& pair : pairs) {
        WordEntry entry;
        entry.text1 = pair.text1;
        entry.text2 = pair.text2;
        entry.category = pair.category;
        store.appendEntry(entry);
    }
    return store;
}

CMatchingExercise loaded(const std::vector<Pair>& pairs, RowOrder order = RowOrder::Alphabetical)
{
    CMatchingExercise exercise;
    exercise.setRowOrder(order);
    exercise.loadRows(storeOf(pairs));
    return exercise;
}

// The rows that take part, as "left=answer" or "left=answer>shown" once answers are shown.
std::vector<std::u16string> table(const CMatchingExercise& exercise)
{
    std::vector<std::u16string> rows;
    for (int i = 0; i < exercise.rowCount(); ++i) {
        const MatchRow& row = exercise.row(i);
        rows.push_back(row.leftText + u"=" + row.answerText +
                       (row.shownText.empty() ? u"" : u">" + row.shownText));
    }
    return rows;
}

std::vector<std::u16string> leftTexts(const CMatchingExercise& exercise)
{
    std::vector<std::u16string> texts;
    for (int i = 0; i < exercise.rowCount(); ++i)
        texts.push_back(exercise.row(i).leftText);
    return texts;
}

void expectEmptyPlacesFrom(const CMatchingExercise& exercise, int first)
{
    for (int i = first; i < exercise.capacity(); ++i)
        EXPECT_EQ(MatchRow(), exercise.row(i)) << "place " << i;
}

std::vector<Pair> numbered(int count)
{
    std::vector<Pair> pairs;
    for (int i = 0; i < count; ++i) {
        const std::string digits = std::to_string(100 + i);
        pairs.push_back({u"w" + std::u16string(digits.begin(), digits.end()),
                         std::u16string(digits.begin(), digits.end())});
    }
    return pairs;
}

} // namespace

TEST(CMatchingExercise, LoadingMergesDuplicates)
{
    struct Row
    {
        const char* rule;
        std::vector<Pair> entries;
        std::vector<std::u16string> expected;
    };
    const Row rows[] = {
        {"equal list-1 texts join their answers, the earlier first",
         {{u"kato", u"chat"}, {u"hundo", u"chien"}, {u"kato", u"matou"}, {u"birdo", u"oiseau"}},
         {u"birdo=oiseau", u"hundo=chien", u"kato=chat/matou"}},
        {"the row moved into the place of a merged one is compared too",
         {{u"A", u"x"}, {u"A", u"y"}, {u"B", u"z"}, {u"A", u"w"}},
         {u"A=x/y/w", u"B=z"}},
        {"equal answers join their list-1 texts",
         {{u"domo", u"maison"}, {u"hejmo", u"maison"}, {u"urbo", u"ville"}},
         {u"domo/hejmo=maison", u"urbo=ville"}},
        {"list-1 texts made equal by the second pass are ordered by the exchanges",
         {{u"a", u"m"}, {u"a/b", u"z"}, {u"b", u"m"}, {u"0", u"q"}},
         {u"0=q", u"a/b=z", u"a/b=m"}},
        {"texts are compared exactly",
         {{u"kato", u"chat"}, {u"Kato", u"Chat"}, {u"kato ", u"chat (m)"}},
         {u"Kato=Chat", u"kato=chat", u"kato =chat (m)"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        const CMatchingExercise exercise = loaded(row.entries);
        EXPECT_EQ(row.expected, table(exercise));
        EXPECT_EQ(static_cast<int>(row.entries.size()), exercise.capacity());
        expectEmptyPlacesFrom(exercise, exercise.rowCount());
    }
}

TEST(CMatchingExercise, OrdersByExactExchanges)
{
    struct Row
    {
        const char* rule;
        RowOrder order;
        std::vector<Pair> entries;
        std::vector<std::u16string> expected;
    };
    const Row rows[] = {
        {"code-unit order",
         RowOrder::Alphabetical,
         {{u"ĉevalo", u"1"}, {u"abelo", u"2"}, {u"Zebro", u"3"}},
         {u"Zebro", u"abelo", u"ĉevalo"}},
        {"equal categories in the order of the exchanges",
         RowOrder::ByCategory,
         {{u"a", u"1", 2}, {u"b", u"2", 0}, {u"c", u"3", 2}, {u"d", u"4", 1}},
         {u"b", u"d", u"c", u"a"}},
        {"each row followed by the nearest",
         RowOrder::Morphological,
         {{u"domo", u"1"}, {u"hundo", u"2"}, {u"domoj", u"3"}, {u"doma", u"4"}},
         {u"domo", u"domoj", u"doma", u"hundo"}},
        {"the chain starts from the first row",
         RowOrder::Morphological,
         {{u"zzz", u"1"}, {u"aa", u"2"}, {u"a", u"3"}, {u"zz", u"4"}},
         {u"zzz", u"zz", u"a", u"aa"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        EXPECT_EQ(row.expected, leftTexts(loaded(row.entries, row.order)));
    }
}

// Loading as the plain loops do it: both merge passes comparing every later row, then the alphabetical
// exchange sort comparing every pair.
std::vector<MatchRow> plainLoad(const std::vector<Pair>& pairs)
{
    std::vector<MatchRow> rows;
    for (const Pair& pair : pairs)
        rows.push_back({pair.text1, pair.text2, {}, pair.category});
    const auto pass = [&rows](std::u16string MatchRow::*key, std::u16string MatchRow::*joined) {
        for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
            for (std::size_t b = i + 1; b < rows.size();) {
                if (rows[b].*key != rows[i].*key) {
                    ++b;
                    continue;
                }
                rows[i].*joined += u"/" + rows[b].*joined;
                rows[b] = rows.back();
                rows.pop_back();
            }
        }
    };
    pass(&MatchRow::leftText, &MatchRow::answerText);
    pass(&MatchRow::answerText, &MatchRow::leftText);
    for (std::size_t k = 0; k + 1 < rows.size(); ++k) {
        for (std::size_t i = k + 1; i < rows.size(); ++i) {
            if (rows[i].leftText < rows[k].leftText)
                std::swap(rows[k], rows[i]);
        }
    }
    return rows;
}

TEST(CMatchingExercise, LoadsAsThePlainLoopsOnTablesFullOfDuplicates)
{
    std::mt19937 random(9);
    // Joined texts such as "a/b" can make two left texts equal again after the second pass.
    const std::u16string texts[] = {u"a", u"b", u"c", u"a/b", u"b/a", u"a/c", u"c/a", u"ĉ", u"B", u""};
    for (int table = 0; table < 3000; ++table) {
        std::vector<Pair> pairs(random() % 16);
        for (Pair& pair : pairs)
            pair = {texts[random() % std::size(texts)], texts[random() % std::size(texts)],
                    static_cast<int>(random() % 3)};
        SCOPED_TRACE(table);
        const CMatchingExercise exercise = loaded(pairs);
        std::vector<MatchRow> rows(exercise.rows().begin(), exercise.rows().begin() + exercise.rowCount());
        ASSERT_EQ(plainLoad(pairs), rows);
    }
}

TEST(CMatchingExercise, MorphologicalOrderReportsProgressAndAsksAboveElevenHundredRows)
{
    CMatchingExercise exercise = loaded(numbered(5));
    exercise.setRowOrder(RowOrder::Morphological);
    std::vector<int> reported;
    int questions = 0;
    exercise.orderRows([&] { return ++questions, true; }, [&](int percent) { reported.push_back(percent); });
    EXPECT_EQ((std::vector<int>{0, 50, 83, 100}), reported);
    EXPECT_EQ(0, questions);

    CMatchingExercise two = loaded({{u"b", u"1"}, {u"a", u"2"}}, RowOrder::ByCategory);
    two.setRowOrder(RowOrder::Morphological);
    reported.clear();
    two.orderRows({}, [&](int percent) { reported.push_back(percent); });
    EXPECT_EQ((std::vector<int>{100}), reported);
    EXPECT_EQ((std::vector<std::u16string>{u"b", u"a"}), leftTexts(two));

    for (const bool answer : {true, false}) {
        SCOPED_TRACE(answer);
        CMatchingExercise large = loaded(numbered(1101), RowOrder::ByCategory);
        large.exchangeRows(0, 1100);
        large.setRowOrder(RowOrder::Morphological);
        questions = 0;
        large.orderRows([&] { return ++questions, answer; }, {});
        EXPECT_EQ(1, questions);
        EXPECT_EQ(answer ? RowOrder::Morphological : RowOrder::Alphabetical, large.rowOrder());
        EXPECT_EQ(answer ? u"w1200" : u"w100", large.row(0).leftText);
    }
}

TEST(CMatchingExercise, RestrictsToThreeOrMoreSelectedRows)
{
    struct Row
    {
        const char* rule;
        int first;
        int last;
        std::set<int> selected;
        std::vector<std::u16string> kept; // empty when refused
    };
    const Row rows[] = {
        {"two rows are refused", 1, 2, {1, 2}, {}},
        {"three rows are kept", 1, 3, {1, 2, 3}, {u"w100", u"w101", u"w102"}},
        {"separate rows keep their order", 1, 9, {1, 5, 9}, {u"w100", u"w104", u"w108"}},
        {"two selected rows of a wider span are refused", 2, 4, {2, 4}, {}},
        {"the header row is left out", 0, 3, {0, 1, 2, 3}, {u"w100", u"w101", u"w102"}},
        {"the header row does not count", 0, 2, {0, 1, 2}, {}},
        {"nothing selected", -1, -1, {}, {}},
        {"grid rows past the table do not count", 9, 12, {9, 10, 11, 12}, {}},
        {"the last rows of the table", 8, 12, {8, 9, 10, 11, 12}, {u"w107", u"w108", u"w109"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        CMatchingExercise exercise = loaded(numbered(10));
        RandomGenerator random(1);
        exercise.shuffleAnswers(random, 10);
        const CMatchingExercise before = exercise;
        const bool done =
            exercise.restrictToRows(row.first, row.last, [&](int r) { return row.selected.count(r) > 0; });
        EXPECT_EQ(!row.kept.empty(), done);
        if (done) {
            EXPECT_EQ(row.kept, leftTexts(exercise));
            EXPECT_EQ(u"", exercise.row(0).shownText);
            expectEmptyPlacesFrom(exercise, exercise.rowCount());
            EXPECT_EQ(10, exercise.capacity());
        } else {
            EXPECT_EQ(before.rows(), exercise.rows());
            EXPECT_EQ(10, exercise.rowCount());
        }
    }

    CMatchingExercise twice = loaded(numbered(40));
    const auto every = [](int) { return true; };
    EXPECT_TRUE(twice.restrictToRows(3, 27, every));
    EXPECT_TRUE(twice.restrictToRows(14, 25, every));
    EXPECT_EQ(12, twice.rowCount());
    EXPECT_EQ(u"w115", twice.row(0).leftText);
}

TEST(CMatchingExercise, ShuffleDropAndScore)
{
    CMatchingExercise exercise = loaded({{u"b", u"2"}, {u"a", u"1"}, {u"c", u"3"}});
    ScriptedRandomSource random{5, 0, 1, 4, 2, 7, 0, 3, 4};
    exercise.shuffleAnswers(random, 10);
    EXPECT_TRUE(random.isUsedUp());
    EXPECT_EQ((std::vector<std::u16string>{u"a=1>3", u"b=2>1", u"c=3>2"}), table(exercise));
    EXPECT_EQ(0, exercise.scorePercent());

    EXPECT_EQ(2, exercise.applyDrop(0, u"2"));
    EXPECT_EQ((std::vector<std::u16string>{u"a=1>2", u"b=2>1", u"c=3>3"}), table(exercise));
    EXPECT_EQ(1, exercise.correctCount());
    EXPECT_EQ(33, exercise.scorePercent());

    const auto before = exercise.rows();
    EXPECT_EQ(std::nullopt, exercise.applyDrop(1, u""));
    EXPECT_EQ(std::nullopt, exercise.applyDrop(1, u"4"));
    EXPECT_EQ(std::nullopt, exercise.applyDrop(3, u"1"));
    EXPECT_EQ(before, exercise.rows());

    EXPECT_EQ(1, exercise.applyDrop(0, u"1"));
    EXPECT_EQ(100, exercise.scorePercent());
}

TEST(CMatchingExercise, MoreThanTwentyRowsAreNotPlayed)
{
    CMatchingExercise exercise = loaded(numbered(21));
    EXPECT_FALSE(exercise.isPlayable());
    ScriptedRandomSource random{1, 2, 3};
    exercise.shuffleAnswers(random, 10);
    EXPECT_EQ(3U, random.remaining());
    EXPECT_EQ(u"", exercise.row(0).shownText);
    exercise.exchangeRows(0, 20);
    EXPECT_EQ(std::nullopt, exercise.applyDrop(0, u""));
    EXPECT_EQ(u"w120", exercise.row(0).leftText);

    EXPECT_TRUE(exercise.restrictToRows(1, 20, [](int) { return true; }));
    EXPECT_TRUE(exercise.isPlayable());
    ScriptedRandomSource enough(std::vector<int>(60, 7));
    exercise.shuffleAnswers(enough, 10);
    EXPECT_NE(u"", exercise.row(0).shownText);
}

TEST(CMatchingExercise, SingleRowShuffleEnds)
{
    CMatchingExercise exercise = loaded({{u"a", u"1"}, {u"b", u"1"}, {u"c", u"1"}});
    ASSERT_EQ(1, exercise.rowCount());
    ScriptedRandomSource random{4, 4, 4};
    exercise.shuffleAnswers(random, 0);
    EXPECT_TRUE(random.isUsedUp());
    EXPECT_EQ(u"a/b/c=1>1", table(exercise).front());
    EXPECT_EQ(100, exercise.scorePercent());
    CMatchingExercise empty;
    EXPECT_EQ(0, empty.scorePercent());
}
