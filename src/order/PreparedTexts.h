#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A fixed list of texts made ready for many TextDistance computations among them, as the
// morphological order of a whole table needs: each text is cut, folded and turned into small letter
// numbers once, and the distances from one chosen source text to all others share its bit masks.
// distanceTo(i) gives exactly TextDistance(text(source), text(i)).
class PreparedTexts final
{
public:
    explicit PreparedTexts(const std::vector<std::u16string_view>& texts);

    std::size_t size() const { return m_texts.size(); }
    bool isEmpty(std::size_t index) const { return m_texts[index].raw.empty(); }
    // The folded text without comment and trailing blanks, each letter as its number among all texts.
    std::span<const std::uint16_t> letters(std::size_t index) const
    {
        return {m_letters.data() + m_firstLetter[index], m_firstLetter[index + 1] - m_firstLetter[index]};
    }
    // How many different letters the texts hold: letter numbers run from 0 to this - 1.
    std::size_t letterKinds() const { return m_masks.size(); }
    // The text the following distances are measured from.
    void setSource(std::size_t index);
    int distanceTo(std::size_t index) const;
    // distanceTo for count texts at once, written to distances: four at a time where they can share
    // the loop, which then runs about twice as fast.
    void distancesTo(const std::uint32_t* indices, std::size_t count, int* distances) const;

private:
    // The distance from the source to a text of the given folded length, once the length of their
    // common subsequence is known.
    int distanceFromCommon(std::size_t index, std::size_t length, std::size_t common) const;

    struct Text
    {
        std::u16string raw;
        std::u16string prepared; // without comment and trailing blanks
    };

    std::vector<Text> m_texts;
    // The prepared texts one after the other, each code unit folded (ĉ as c, ...) and replaced by its
    // number among all texts (there are at most 65,536 different ones).
    std::vector<std::uint16_t> m_letters;
    // Where each text's letter numbers start in m_letters, and one more for the end: kept apart from
    // the texts, so that measuring many of them touches little memory.
    std::vector<std::size_t> m_firstLetter;
    std::size_t m_source = 0;
    std::size_t m_sourceLength = 0; // of its folded text
    // Per letter number, the positions of that letter in the source's folded text (up to 64 letters).
    std::vector<std::uint64_t> m_masks;
    bool m_sourceFitsMasks = false;
};
