#pragma once

#include <optional>
#include <string_view>
#include <vector>

class RandomSource;
struct WordEntry;

// The orders of the training dialog, numbered as its radio buttons.
enum class PresentationOrder
{
    Chronological = 0, // "Kronologie": stored order
    Alphabetical = 1,  // "Alfabete": question texts by UTF-16 code unit
    Random = 2,        // "Aleatore"
    Morphological = 3  // "Morfologie": the least visited entry written most like the previous one
};

enum class StepDirection
{
    Forward, // ">"
    Backward // "<", for the chronological and alphabetical orders only
};

// Whether "<" means anything in an order.
bool hasBackwardStep(PresentationOrder order);

// What a step chooses from. Indices are positions in entries; current is -1 before the first step.
struct ChoiceInput
{
    const std::vector<WordEntry>& entries;
    int direction = 1;
    // The due entries in increasing order; the caller handles sets of fewer than two.
    const std::vector<int>& due;
    int current = -1;
    // The question text of the entry last presented by a step; empty before the first.
    std::u16string_view reference;
};

// The next entry to present, or nothing for a backward step in an order without one.
// visits: one count per entry, raised by 2 for the entry the morphological order chooses.
// random: one draw for the random order, none otherwise.
std::optional<int> ChooseNext(PresentationOrder order, StepDirection step, const ChoiceInput& input,
                              std::vector<int>& visits, RandomSource& random);
