#include "PresentationOrder.h"

#include "ScriptedRandomSource.h"
#include "WordEntry.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<WordEntry> withQuestions(std::initializer_list<std::u16string> questions)
{
    std::vector<WordEntry> entries;
    for (const auto& text : questions) {
        WordEntry entry;
        entry.text1 = u"?";
        entry.text2 = text;
        entries.push_back(entry);
    }
    return entries;
}

// One step in direction 2 (the questions are the text2 sides), the visit counts all 0.
int choose(PresentationOrder order, StepDirection step, const std::vector<WordEntry>& entries,
           const std::vector<int>& due, int current, std::u16string_view reference)
{
    std::vector<int> visits(entries.size(), 0);
    ScriptedRandomSource random{};
    const auto chosen = ChooseNext(order, step, {entries, 2, due, current, reference}, visits, random);
    EXPECT_TRUE(random.isUsedUp());
    return chosen.value_or(-2);
}

struct Walk
{
    const char* rule;
    StepDirection step;
    int current;
    std::u16string reference;
    int expected;
};

} // namespace

TEST(ChooseNext, ChronologicalWalksTheStoredOrderAndWraps)
{
    const auto entries = withQuestions({u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h", u"i"});
    const std::vector<int> due = {2, 5, 7};
    const Walk walks[] = {
        {"forward to the next due entry", StepDirection::Forward, 5, u"", 7},
        {"forward wraps to the first", StepDirection::Forward, 7, u"", 2},
        {"forward from an entry that is not due", StepDirection::Forward, 3, u"", 5},
        {"backward to the previous due entry", StepDirection::Backward, 5, u"", 2},
        {"backward wraps to the last", StepDirection::Backward, 2, u"", 7},
        {"first forward step", StepDirection::Forward, -1, u"", 2},
        {"first backward step", StepDirection::Backward, -1, u"", 7},
    };
    for (const Walk& walk : walks) {
        SCOPED_TRACE(walk.rule);
        EXPECT_EQ(walk.expected, choose(PresentationOrder::Chronological, walk.step, entries, due,
                                        walk.current, walk.reference));
    }
}

TEST(ChooseNext, AlphabeticalBreaksTiesByIndexAndWraps)
{
    const auto entries = withQuestions({u"b", u"a", u"b", u"c"});
    const std::vector<int> due = {0, 1, 2, 3};
    const Walk walks[] = {
        {"forward to the equal text with a higher index", StepDirection::Forward, 0, u"b", 2},
        {"forward to the next text", StepDirection::Forward, 2, u"b", 3},
        {"forward wraps to the smallest", StepDirection::Forward, 3, u"c", 1},
        {"forward from the start", StepDirection::Forward, -1, u"", 1},
        {"backward to the equal text with a lower index", StepDirection::Backward, 2, u"b", 0},
        {"backward to the previous text", StepDirection::Backward, 0, u"b", 1},
        {"backward wraps to the greatest", StepDirection::Backward, 1, u"a", 3},
        {"backward over equal texts goes to the first of them", StepDirection::Backward, 3, u"c", 0},
    };
    for (const Walk& walk : walks) {
        SCOPED_TRACE(walk.rule);
        EXPECT_EQ(walk.expected, choose(PresentationOrder::Alphabetical, walk.step, entries, due,
                                        walk.current, walk.reference));
    }
}

TEST(ChooseNext, AlphabeticalComparesCodeUnitsWithoutFolding)
{
    // Capitals before small letters, Esperanto letters after z, a prefix first, comments count.
    const auto entries =
        withQuestions({u"ĉevalo", u"abelo", u"zebro", u"Zebro", u"", u"abel", u"abelo (insekto)"});
    const std::vector<int> due = {0, 1, 2, 3, 4, 5, 6};
    std::vector<int> forward;
    int current = -1;
    std::u16string reference;
    for (std::size_t i = 0; i < due.size(); ++i) {
        current =
            choose(PresentationOrder::Alphabetical, StepDirection::Forward, entries, due, current, reference);
        reference = entries[static_cast<std::size_t>(current)].text2;
        forward.push_back(current);
    }
    EXPECT_EQ((std::vector<int>{4, 3, 5, 1, 6, 2, 0}), forward);
}

TEST(ChooseNext, RandomTakesTheDrawModuloTheDueCount)
{
    const auto entries = withQuestions({u"a", u"b", u"c", u"d", u"e", u"f", u"g"});
    const std::vector<int> due = {0, 2, 3, 5, 6};
    std::vector<int> visits(entries.size(), 0);
    ScriptedRandomSource random{12, 4, 5};
    const ChoiceInput input{entries, 2, due, 3, u"d"};
    EXPECT_EQ(3, ChooseNext(PresentationOrder::Random, StepDirection::Forward, input, visits, random));
    EXPECT_EQ(6, ChooseNext(PresentationOrder::Random, StepDirection::Forward, input, visits, random));
    EXPECT_EQ(0, ChooseNext(PresentationOrder::Random, StepDirection::Forward, input, visits, random));
    EXPECT_TRUE(random.isUsedUp());
    EXPECT_EQ(std::nullopt,
              ChooseNext(PresentationOrder::Random, StepDirection::Backward, input, visits, random));
    EXPECT_EQ(std::nullopt,
              ChooseNext(PresentationOrder::Morphological, StepDirection::Backward, input, visits, random));
}

TEST(ChooseNext, MorphologicalStartsWithTheShortestQuestion)
{
    const auto entries = withQuestions({u"hundo", u"kato", u"bovo", u"ŝafino"});
    std::vector<int> visits(entries.size(), 0);
    ScriptedRandomSource random{};
    EXPECT_EQ(1, ChooseNext(PresentationOrder::Morphological, StepDirection::Forward,
                            {entries, 2, {0, 1, 2, 3}, -1, u""}, visits, random));
    EXPECT_EQ((std::vector<int>{0, 2, 0, 0}), visits);
}

TEST(ChooseNext, MorphologicalPrefersTheLeastVisitedThenTheNearest)
{
    const auto entries = withQuestions({u"domo", u"domoj", u"hundo", u"doma"});
    const std::vector<int> due = {0, 1, 2, 3};
    struct Row
    {
        const char* rule;
        std::vector<int> visits;
        int expected;
    };
    const Row rows[] = {
        {"all equal: the nearest text", {2, 2, 2, 2}, 1},
        {"a less visited group comes first, however far", {4, 4, 2, 4}, 2},
        {"then the group of equal counts", {2, 4, 4, 2}, 3},
        {"the more visited only when nothing else is left, the nearest of them", {2, 6, 4, 8}, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        std::vector<int> visits = row.visits;
        ScriptedRandomSource random{};
        EXPECT_EQ(row.expected, ChooseNext(PresentationOrder::Morphological, StepDirection::Forward,
                                           {entries, 2, due, 0, u"domo"}, visits, random));
        EXPECT_EQ(row.visits[static_cast<std::size_t>(row.expected)] + 2,
                  visits[static_cast<std::size_t>(row.expected)]);
    }
    const auto tied = withQuestions({u"kato", u"kapo", u"hato", u"kato"});
    std::vector<int> visits(4, 0);
    ScriptedRandomSource random{};
    EXPECT_EQ(1, ChooseNext(PresentationOrder::Morphological, StepDirection::Forward,
                            {tied, 2, {0, 1, 2}, 0, u"kato"}, visits, random));
}
