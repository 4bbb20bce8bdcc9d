#pragma once

#include "PreparedTexts.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

// The "Morfologie" order of the matching exercise as a job done in slices, so that a window can stay
// alive and stop it: from the first text on, the next place gets the remaining text nearest to the
// one before it by TextDistance, the lowest place winning a tie, exactly as the plain double loop
// exchanging places k + 1 and best does. Most texts are passed over without computing their
// distance: texts are grouped by how many letters of each of a few classes they hold, and groups
// and texts whose letter counts alone put them farther than the best found so far are skipped.
class MorphologicalChain final
{
public:
    // The texts in their places before the ordering; they are copied.
    explicit MorphologicalChain(const std::vector<std::u16string_view>& texts);

    std::size_t size() const { return m_textAt.size(); }
    bool isFinished() const { return m_step + 1 >= size(); }
    // Does up to steps steps of the chain; returns isFinished().
    bool advance(std::size_t steps);
    // Does steps until the chain is finished or the deadline has passed; returns isFinished().
    bool advanceUntil(std::chrono::steady_clock::time_point deadline);
    // The share done before the coming step, 0 to 100, counted as if every pair were compared:
    // 200 * pairs so far / ((n - 2) * (n - 1)). 100 once finished, and for two texts.
    int progressPercent() const;
    // The text (by its index in the constructor's list) now in each place; the order once finished.
    const std::vector<std::size_t>& order() const { return m_textAt; }

private:
    static constexpr std::size_t classCount = 4;
    static constexpr std::size_t signatureBuckets = 16;
    using Key = std::array<std::uint16_t, classCount>;
    using Signature = std::array<std::uint8_t, signatureBuckets>;

    // Texts with the same number of letters in each class.
    struct Group
    {
        Key key{};
        std::vector<std::uint32_t> members;
        std::vector<Signature> signatures; // of the members, in the same order
    };

    void step();
    void remove(std::size_t text);
    int lowerBound(const Key& a, const Key& b) const;

    PreparedTexts m_prepared;
    std::vector<std::size_t> m_textAt;
    std::vector<std::size_t> m_placeOf;
    std::size_t m_step = 0;

    std::vector<Key> m_keys;
    std::vector<Signature> m_signatures;
    std::vector<Group> m_groups;
    std::vector<std::uint32_t> m_groupOf;
    std::vector<std::uint32_t> m_slotOf;
    std::vector<std::size_t> m_emptyTexts; // remaining empty texts, outside the groups
    // Scratch of each step: groups by their bound, members of one group passing their bound.
    std::vector<std::vector<std::uint32_t>> m_groupsByBound;
    std::vector<std::pair<std::uint32_t, int>> m_passing;
};
