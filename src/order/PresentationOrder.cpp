#include "PresentationOrder.h"

#include "RandomSource.h"
#include "TextDistance.h"
#include "WordEntry.h"

#include <algorithm>
#include <climits>
#include <iterator>

namespace {

std::u16string_view question(const ChoiceInput& input, int index)
{
    return input.entries[static_cast<std::size_t>(index)].text(input.direction);
}

int chronologicalChoice(const ChoiceInput& input, StepDirection step)
{
    const auto& due = input.due;
    if (step == StepDirection::Forward) {
        const auto next = std::upper_bound(due.begin(), due.end(), input.current);
        return next != due.end() ? *next : due.front();
    }
    const auto notBefore = std::lower_bound(due.begin(), due.end(), input.current);
    return notBefore != due.begin() ? *std::prev(notBefore) : due.back();
}

// Walks the due set once, keeping the best candidate beyond the reference and, for the wrap-around,
// the best of all. Among equal texts the first met, the lowest index, stays.
int alphabeticalChoice(const ChoiceInput& input, StepDirection step)
{
    const bool forward = step == StepDirection::Forward;
    // Whether a is strictly better than b in the walking direction: smaller forward, greater backward.
    const auto better = [forward](std::u16string_view a, std::u16string_view b) {
        return forward ? a < b : b < a;
    };
    int candidate = -1;
    int wrapped = -1;
    for (const int i : input.due) {
        if (i == input.current)
            continue;
        const std::u16string_view text = question(input, i);
        if (wrapped < 0 || better(text, question(input, wrapped)))
            wrapped = i;
        const bool beyond = better(input.reference, text) ||
                            (text == input.reference && (forward ? i > input.current : i < input.current));
        if (beyond && (candidate < 0 || better(text, question(input, candidate))))
            candidate = i;
    }
    return candidate >= 0 ? candidate : wrapped;
}

int randomChoice(const ChoiceInput& input, RandomSource& source)
{
    const int position = source.draw() % static_cast<int>(input.due.size());
    return input.due[static_cast<std::size_t>(position)];
}

int morphologicalChoice(const ChoiceInput& input, std::vector<int>& visits)
{
    if (visits.size() < input.entries.size())
        visits.resize(input.entries.size(), 0);
    // The group of the least visited: below the current entry's count if any, else equal, else above.
    // Before the first step every entry is in the first group.
    const int currentVisits = input.current >= 0 ? visits[static_cast<std::size_t>(input.current)] : INT_MAX;
    int group = 1;
    for (const int i : input.due) {
        if (i == input.current)
            continue;
        const int visited = visits[static_cast<std::size_t>(i)];
        group = std::min(group, visited < currentVisits ? -1 : visited == currentVisits ? 0 : 1);
        if (group < 0)
            break;
    }
    const auto inGroup = [&](int i) {
        const int visited = visits[static_cast<std::size_t>(i)];
        return group < 0    ? visited < currentVisits
               : group == 0 ? visited == currentVisits
                            : visited > currentVisits;
    };

    int chosen = -1;
    int nearest = INT_MAX;
    for (const int i : input.due) {
        if (i == input.current || !inGroup(i))
            continue;
        const std::u16string_view text = question(input, i);
        // Only a strictly smaller distance replaces the choice, so an entry that cannot beat it is
        // skipped without computing its distance.
        if (chosen >= 0 && TextDistanceLowerBound(text, input.reference) >= nearest)
            continue;
        const int distance = TextDistance(text, input.reference);
        if (distance < nearest) {
            nearest = distance;
            chosen = i;
        }
    }
    if (chosen >= 0)
        visits[static_cast<std::size_t>(chosen)] += 2;
    return chosen;
}

} // namespace

bool hasBackwardStep(PresentationOrder order)
{
    return order == PresentationOrder::Chronological || order == PresentationOrder::Alphabetical;
}

std::optional<int> ChooseNext(PresentationOrder order, StepDirection step, const ChoiceInput& input,
                              std::vector<int>& visits, RandomSource& random)
{
    if (input.due.empty() || (step == StepDirection::Backward && !hasBackwardStep(order)))
        return std::nullopt;
    int chosen = -1;
    switch (order) {
    case PresentationOrder::Chronological:
        chosen = chronologicalChoice(input, step);
        break;
    case PresentationOrder::Alphabetical:
        chosen = alphabeticalChoice(input, step);
        break;
    case PresentationOrder::Random:
        chosen = randomChoice(input, random);
        break;
    case PresentationOrder::Morphological:
        chosen = morphologicalChoice(input, visits);
        break;
    }
    if (chosen < 0)
        return std::nullopt;
    return chosen;
}
