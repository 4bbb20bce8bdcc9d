#include "PreparedTexts.h"

#include "DistanceKernel.h"
#include "EntryEquality.h"
#include "TextDistance.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace {

constexpr std::size_t maskBits = 64;

} // namespace

PreparedTexts::PreparedTexts(const std::vector<std::u16string_view>& texts)
{
    std::unordered_map<char16_t, std::uint16_t> numbers;
    m_texts.reserve(texts.size());
    m_firstLetter.reserve(texts.size() + 1);
    for (const std::u16string_view text : texts) {
        m_firstLetter.push_back(m_letters.size());
        Text prepared{std::u16string(text), PrepareText(text)};
        for (const char16_t c : prepared.prepared) {
            const auto number =
                numbers.try_emplace(foldEsperantoLetter(c), static_cast<std::uint16_t>(numbers.size()))
                    .first->second;
            m_letters.push_back(number);
        }
        m_texts.push_back(std::move(prepared));
    }
    m_firstLetter.push_back(m_letters.size());
    m_masks.assign(numbers.size(), 0);
}

void PreparedTexts::setSource(std::size_t index)
{
    if (m_sourceFitsMasks) {
        for (const std::uint16_t letter : letters(m_source))
            m_masks[letter] = 0;
    }
    m_source = index;
    const std::span<const std::uint16_t> source = letters(index);
    m_sourceFitsMasks = !m_texts[index].raw.empty() && source.size() <= maskBits;
    m_sourceLength = source.size();
    if (!m_sourceFitsMasks)
        return;
    for (std::size_t i = 0; i < source.size(); ++i)
        m_masks[source[i]] |= std::uint64_t(1) << i;
}

// The folded texts' longest common subsequence, bit-parallel, with the source's masks. A text without
// letters (empty, or a comment alone) goes to TextDistance: an empty text is as far as the other's
// whole length, comment included.
int PreparedTexts::distanceTo(std::size_t index) const
{
    const std::span<const std::uint16_t> other = letters(index);
    if (!m_sourceFitsMasks || other.empty())
        return TextDistance(m_texts[m_source].raw, m_texts[index].raw);
    const std::size_t common = DistanceKernel::shortCommonSubsequence(
        m_sourceLength, other, [this](std::uint16_t letter) { return m_masks[letter]; });
    return distanceFromCommon(index, other.size(), common);
}

int PreparedTexts::distanceFromCommon(std::size_t index, std::size_t length, std::size_t common) const
{
    const auto distance = static_cast<int>(m_sourceLength + length - 2 * common);
    // Equal folded texts: the same word, or one differing only by Esperanto letters.
    if (distance == 0)
        return m_texts[m_source].prepared == m_texts[index].prepared ? 0 : 1;
    return distance;
}

void PreparedTexts::distancesTo(const std::uint32_t* indices, std::size_t count, int* distances) const
{
    using DistanceKernel::commonStep;
    constexpr std::size_t together = 4;
    std::size_t i = 0;
    for (; m_sourceFitsMasks && i + together <= count; i += together) {
        std::array<std::span<const std::uint16_t>, together> texts;
        for (std::size_t t = 0; t < together; ++t)
            texts[t] = letters(indices[i + t]);
        std::size_t shared = texts[0].size();
        for (std::size_t t = 1; t < together; ++t)
            shared = std::min(shared, texts[t].size());
        if (shared == 0) {
            for (std::size_t t = 0; t < together; ++t)
                distances[i + t] = distanceTo(indices[i + t]);
            continue;
        }
        std::array<std::uint64_t, together> v;
        v.fill(~std::uint64_t(0));
        for (std::size_t j = 0; j < shared; ++j) {
            for (std::size_t t = 0; t < together; ++t)
                v[t] = commonStep(v[t], m_masks[texts[t][j]]);
        }
        for (std::size_t t = 0; t < together; ++t) {
            for (std::size_t j = shared; j < texts[t].size(); ++j)
                v[t] = commonStep(v[t], m_masks[texts[t][j]]);
            distances[i + t] = distanceFromCommon(indices[i + t], texts[t].size(),
                                                  DistanceKernel::commonLength(v[t], m_sourceLength));
        }
    }
    for (; i < count; ++i)
        distances[i] = distanceTo(indices[i]);
}
