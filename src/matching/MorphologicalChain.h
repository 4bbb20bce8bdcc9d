#pragma once

#include "PreparedTexts.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The "Morfologie" order of the matching exercise as a job done in slices, so that a window can stay
// alive and stop it: from the first text on, the next place gets the remaining text nearest to the
// one before it by TextDistance, the lowest place winning a tie, exactly as the plain double loop
// exchanging places k + 1 and best does. Most texts are passed over without computing their
// distance: the remaining texts are kept by length, visited from the source's length outwards, and
// those whose letter counts alone put them farther than the best found so far are skipped.
// Everything here runs on the calling thread.
class MorphologicalChain final
{
public:
    // Which vector instructions compare the letter counts: the widest the processor has, or, for a
    // test, narrower ones where it has them. The order is the same with all of them.
    enum class Instructions
    {
        Widest,
        Plain,
        Avx2,
        Avx512
    };

    // The texts in their places before the ordering; they are copied.
    explicit MorphologicalChain(const std::vector<std::u16string_view>& texts,
                                Instructions instructions = Instructions::Widest);

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
    const std::vector<std::size_t>& order() const { return m_order; }

private:
    static constexpr std::size_t signatureBuckets = 32;
    // How many letters of a text fall into each of 32 buckets of letters, capped at 15.
    using Signature = std::array<std::uint8_t, signatureBuckets>;

    class Search;
    static Instructions usable(Instructions instructions);

    void step();
    void remove(std::size_t text);

    // The chain numbers the texts by the length of their prepared texts: the index in the
    // constructor's list of each.
    std::vector<std::size_t> m_originalOf;
    PreparedTexts m_prepared;
    Instructions m_instructions;
    std::vector<std::size_t> m_textAt; // the chain's number of the text in each place
    std::vector<std::size_t> m_order;  // the text in each place by its index in the constructor's list
    std::vector<std::size_t> m_placeOf;
    std::size_t m_step = 0;

    std::vector<Signature> m_signatures; // per text
    // The remaining non-empty texts grouped by the length of their folded texts, with their
    // signatures and places beside them: the slots of length L run from m_lengthStart[L] to
    // m_lengthEnd[L], and a removed text's slot is taken by the last one of its length.
    std::vector<std::uint32_t> m_slotText;
    std::array<std::vector<std::uint64_t>, 2> m_slotCounts; // the signatures, two counts to a byte
    std::vector<std::uint32_t> m_slotPlace;                 // the text's place
    std::vector<std::uint32_t> m_slotOf;                    // per text
    std::vector<std::size_t> m_lengthStart;
    std::vector<std::size_t> m_lengthEnd;
    std::vector<std::size_t> m_emptyTexts; // remaining empty texts, outside the slots
    std::vector<std::uint64_t> m_passing;  // scratch of each step
};
