#include "PreparedTexts.h"

#include "EntryEquality.h"
#include "TextDistance.h"

#include <algorithm>
#include <bit>
#include <unordered_map>

namespace {

constexpr std::size_t maskBits = 64;

// Without a popcount instruction the library's call costs more than these few operations.
int countOnes(std::uint64_t bits)
{
#if defined(__POPCNT__)
    return std::popcount(bits);
#else
    bits = bits - ((bits >> 1) & 0x5555555555555555ULL);
    bits = (bits & 0x3333333333333333ULL) + ((bits >> 2) & 0x3333333333333333ULL);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((bits * 0x0101010101010101ULL) >> 56);
#endif
}

inline std::uint64_t commonStep(std::uint64_t v, std::uint64_t mask)
{
    const std::uint64_t u = v & mask;
    return (v + u) | (v - u);
}

} // namespace

PreparedTexts::PreparedTexts(const std::vector<std::u16string_view>& texts)
{
    std::unordered_map<char16_t, std::uint16_t> numbers;
    m_texts.reserve(texts.size());
    for (const std::u16string_view text : texts) {
        Text prepared{std::u16string(text), PrepareText(text), {}, m_letters.size()};
        prepared.folded = prepared.prepared;
        for (char16_t& c : prepared.folded) {
            c = foldEsperantoLetter(c);
            const auto number =
                numbers.try_emplace(c, static_cast<std::uint16_t>(numbers.size())).first->second;
            m_letters.push_back(number);
        }
        m_texts.push_back(std::move(prepared));
    }
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
    if (!m_sourceFitsMasks)
        return;
    for (std::size_t i = 0; i < source.size(); ++i)
        m_masks[source[i]] |= std::uint64_t(1) << i;
}

int PreparedTexts::distanceTo(std::size_t index) const
{
    const Text& a = m_texts[m_source];
    const Text& b = m_texts[index];
    if (m_sourceFitsMasks && !b.raw.empty()) {
        // Longest common subsequence of the folded texts, bit-parallel: a zero bit in v for each
        // letter of a in it. No common end is cut off first: that would not change the result.
        std::uint64_t v = ~std::uint64_t(0);
        for (const std::uint16_t letter : letters(index))
            v = commonStep(v, m_masks[letter]);
        return distanceFromBits(index, v);
    }
    if (a.raw == b.raw)
        return 0;
    if (a.raw.empty())
        return static_cast<int>(b.raw.size());
    if (b.raw.empty())
        return static_cast<int>(a.raw.size());
    return TextDistance(a.raw, b.raw);
}

int PreparedTexts::distanceFromBits(std::size_t index, std::uint64_t bits) const
{
    const Text& a = m_texts[m_source];
    const Text& b = m_texts[index];
    const std::size_t length = a.folded.size();
    const std::uint64_t used = length == maskBits ? ~std::uint64_t(0) : (std::uint64_t(1) << length) - 1;
    const auto common = length - static_cast<std::size_t>(countOnes(bits & used));
    const auto distance = static_cast<int>(length + b.folded.size() - 2 * common);
    // Equal folded texts: the same word, or one differing only by Esperanto letters.
    if (distance == 0)
        return a.prepared == b.prepared ? 0 : 1;
    return distance;
}

void PreparedTexts::distancesTo(const std::uint32_t* indices, std::size_t count, int* distances) const
{
    std::size_t i = 0;
    for (; m_sourceFitsMasks && i + 1 < count; i += 2) {
        if (m_texts[indices[i]].raw.empty() || m_texts[indices[i + 1]].raw.empty()) {
            distances[i] = distanceTo(indices[i]);
            distances[i + 1] = distanceTo(indices[i + 1]);
            continue;
        }
        const std::span<const std::uint16_t> first = letters(indices[i]);
        const std::span<const std::uint16_t> second = letters(indices[i + 1]);
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
        distances[i] = distanceFromBits(indices[i], v);
        distances[i + 1] = distanceFromBits(indices[i + 1], w);
    }
    for (; i < count; ++i)
        distances[i] = distanceTo(indices[i]);
}
