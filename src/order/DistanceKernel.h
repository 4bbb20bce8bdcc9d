#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The pieces every computation of TextDistance is built from, one-shot (TextDistance) or with the
// source's match masks kept for many texts (PreparedTexts).
namespace DistanceKernel {

// Without a popcount instruction the library's call costs more than these few operations.
inline int countOnes(std::uint64_t bits)
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

// Bit-parallel longest common subsequence with a pattern of 1 to 64 characters: v starts as all
// ones, and takes one step per character of the text, matches holding a bit for each pattern
// character equal to it. Each zero bit left among the pattern's stands for one common character.
inline std::uint64_t commonStep(std::uint64_t v, std::uint64_t matches)
{
    const std::uint64_t u = v & matches;
    return (v + u) | (v - u);
}

inline std::size_t commonLength(std::uint64_t v, std::size_t patternLength)
{
    const std::uint64_t used =
        patternLength == 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << patternLength) - 1;
    return patternLength - static_cast<std::size_t>(countOnes(v & used));
}

// The whole computation; matchesOf(c) gives the match bits of a text character c.
template <typename Text, typename MatchesOf>
std::size_t shortCommonSubsequence(std::size_t patternLength, const Text& text, MatchesOf matchesOf)
{
    std::uint64_t v = ~std::uint64_t(0);
    for (const auto c : text)
        v = commonStep(v, matchesOf(c));
    return commonLength(v, patternLength);
}

// The answer for identical texts and for an empty one, which need no preparation.
inline std::optional<int> plainDistance(std::u16string_view a, std::u16string_view b)
{
    if (a == b)
        return 0;
    if (a.empty())
        return static_cast<int>(b.size());
    if (b.empty())
        return static_cast<int>(a.size());
    return std::nullopt;
}

} // namespace DistanceKernel
