#pragma once

#include <cstddef>
#include <cstdint>
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
    // The text the following distances are measured from.
    void setSource(std::size_t index);
    int distanceTo(std::size_t index) const;
    // A value distanceTo(index) never falls below, found without comparing letters.
    int lowerBoundTo(std::size_t index) const;

private:
    struct Text
    {
        std::u16string raw;
        std::u16string prepared; // without comment and trailing blanks
        std::u16string folded;   // prepared, Esperanto letters folded to their base letters
        std::vector<std::uint32_t> letters; // folded, each letter numbered among all texts
    };

    std::vector<Text> m_texts;
    std::size_t m_source = 0;
    // Per letter number, the positions of that letter in the source's folded text (up to 64 letters).
    std::vector<std::uint64_t> m_masks;
    bool m_sourceFitsMasks = false;
};
