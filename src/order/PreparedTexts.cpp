#include "PreparedTexts.h"

#include "CommonSubsequence.h"
#include "EntryEquality.h"
#include "TextDistance.h"

#include <algorithm>
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

// The folded texts' longest common subsequence, bit-parallel, with the source's masks: a text that
// folds to nothing takes the general way, as no common end is cut off here.
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
    std::size_t i = 0;
    for (; m_sourceFitsMasks && i + 1 < count; i += 2) {
        const std::span<const std::uint16_t> first = letters(indices[i]);
        const std::span<const std::uint16_t> second = letters(indices[i + 1]);
        if (first.empty() || second.empty()) {
            distances[i] = distanceTo(indices[i]);
            distances[i + 1] = distanceTo(indices[i + 1]);
            continue;
        }
        const std::size_t shared = std::min(first.size(), second.size());
        std::uint64_t v = ~std::uint64_t(0);
        std::uint64_t w = ~std::uint64_t(0);
        for (std::size_t j = 0; j < shared; ++j) {
            v = commonStep(v, m_masks[first[j]]);
            w = commonStep(w, m_masks[second[j]]);
        }
        for (std::size_t j = shared; j < first.size(); ++j)
            v = commonStep(v, m_masks[first[j]]);
        for (std::size_t j = shared; j < second.size(); ++j)
            w = commonStep(w, m_masks[second[j]]);
        distances[i] =
            distanceFromCommon(indices[i], first.size(), DistanceKernel::commonLength(v, m_sourceLength));
        distances[i + 1] = distanceFromCommon(indices[i + 1], second.size(),
                                              DistanceKernel::commonLength(w, m_sourceLength));
    }
    for (; i < count; ++i)
        distances[i] = distanceTo(indices[i]);
}
