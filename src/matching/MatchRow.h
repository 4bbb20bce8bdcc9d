#pragma once

#include <string>

// One row of the matching exercise: a list-1 text, the list-2 text that belongs to it, and the
// list-2 text the learner has put beside it. Texts are compared exactly, code unit by code unit.
struct MatchRow
{
    std::u16string leftText;
    std::u16string answerText;
    std::u16string shownText; // empty until the answers are shuffled
    int category = 0;         // only for the order by category

    bool isCorrect() const { return shownText == answerText; }
    bool operator==(const MatchRow&) const = default;
};
