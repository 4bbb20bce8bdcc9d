#include "TextDistance.h"

#include "DistanceKernel.h"
#include "EntryEquality.h"

#include <algorithm>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr std::size_t stackLength = 128;
// Above this many mask words the bit-parallel table would cost more memory than it saves time.
constexpr std::size_t largestMaskTable = std::size_t(1) << 20;

// A folded copy, on the stack for the short texts that make up nearly every call.
class FoldedText
{
public:
    explicit FoldedText(std::u16string_view text)
    {
        char16_t* out = m_stack;
        if (text.size() > stackLength) {
            m_heap.resize(text.size());
            out = m_heap.data();
        }
        std::transform(text.begin(), text.end(), out, foldEsperantoLetter);
        m_view = std::u16string_view(out, text.size());
    }
    FoldedText(const FoldedText&) = delete;
    FoldedText& operator=(const FoldedText&) = delete;

    std::u16string_view view() const { return m_view; }

private:
    char16_t m_stack[stackLength];
    std::u16string m_heap;
    std::u16string_view m_view;
};

#if defined(__SSE2__)
// Longest common subsequence of a pattern of 1 to 64 characters and a text. The match mask of each
// text character comes from comparing it with sixteen pattern characters at a time, so that no table
// of masks is built: the fastest way for single words.
std::size_t shortCommonSubsequence(std::u16string_view pattern, std::u16string_view text)
{
    const std::size_t groups = (pattern.size() + 15) / 16;
    alignas(16) char16_t padded[64];
    std::fill(padded + pattern.size(), padded + groups * 16, char16_t(0));
    std::copy(pattern.begin(), pattern.end(), padded);
    __m128i lanes[8];
    for (std::size_t g = 0; g < groups * 2; ++g)
        lanes[g] = _mm_load_si128(reinterpret_cast<const __m128i*>(padded + 8 * g));
    return DistanceKernel::shortCommonSubsequence(pattern.size(), text, [&](char16_t c) {
        const __m128i key = _mm_set1_epi16(static_cast<short>(c));
        std::uint64_t matches = 0;
        for (std::size_t g = 0; g < groups; ++g) {
            const __m128i low = _mm_cmpeq_epi16(lanes[2 * g], key);
            const __m128i high = _mm_cmpeq_epi16(lanes[2 * g + 1], key);
            const auto bits = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(low, high)));
            matches |= std::uint64_t(bits) << (16 * g);
        }
        return matches;
    });
}
#else
std::size_t shortCommonSubsequence(std::u16string_view pattern, std::u16string_view text)
{
    return DistanceKernel::shortCommonSubsequence(pattern.size(), text, [&](char16_t c) {
        std::uint64_t matches = 0;
        for (std::size_t i = 0; i < pattern.size(); ++i)
            matches |= std::uint64_t(pattern[i] == c) << i;
        return matches;
    });
}
#endif

// The same for a pattern of any length, one word of bits per 64 characters; nothing when the table of
// masks (one row per distinct letter of the pattern) would grow too large.
std::optional<std::size_t> longCommonSubsequence(std::u16string_view pattern, std::u16string_view text)
{
    const std::size_t words = (pattern.size() + 63) / 64;
    std::unordered_map<char16_t, std::size_t> letterIndex;
    for (const char16_t c : pattern)
        letterIndex.try_emplace(c, letterIndex.size());
    if (letterIndex.size() * words > largestMaskTable)
        return std::nullopt;
    std::vector<std::uint64_t> masks(letterIndex.size() * words, 0);
    for (std::size_t i = 0; i < pattern.size(); ++i)
        masks[letterIndex[pattern[i]] * words + i / 64] |= std::uint64_t(1) << (i % 64);

    std::vector<std::uint64_t> v(words, ~std::uint64_t(0));
    for (const char16_t c : text) {
        const auto found = letterIndex.find(c);
        if (found == letterIndex.end())
            continue;
        const std::uint64_t* mask = &masks[found->second * words];
        std::uint64_t carry = 0;
        for (std::size_t w = 0; w < words; ++w) {
            const std::uint64_t u = v[w] & mask[w];
            const std::uint64_t sum = v[w] + u;
            const std::uint64_t withCarry = sum + carry;
            carry = (sum < v[w] || withCarry < sum) ? 1 : 0;
            v[w] = withCarry | (v[w] & ~u);
        }
    }
    std::size_t ones = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i)
        ones += (v[i / 64] >> (i % 64)) & 1;
    return pattern.size() - ones;
}

// Edit distance by rows, for inputs whose mask table would be too large: memory of one row only.
int rowEditDistance(std::u16string_view a, std::u16string_view b)
{
    std::vector<int> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 2)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

int middleDistance(std::u16string_view a, std::u16string_view b)
{
    if (a.size() > b.size())
        std::swap(a, b);
    if (a.empty())
        return static_cast<int>(b.size());
    std::size_t common = 0;
    if (a.size() <= 64) {
        common = shortCommonSubsequence(a, b);
    } else if (const auto found = longCommonSubsequence(a, b)) {
        common = *found;
    } else {
        return rowEditDistance(a, b);
    }
    return static_cast<int>(a.size() + b.size() - 2 * common);
}

} // namespace

char16_t foldEsperantoLetter(char16_t c)
{
    if (c < u'ĉ' || c > u'ŭ')
        return c;
    switch (c) {
    case u'ĉ':
        return u'c';
    case u'ĝ':
        return u'g';
    case u'ĥ':
        return u'h';
    case u'ĵ':
        return u'j';
    case u'ŝ':
        return u's';
    case u'ŭ':
        return u'u';
    default:
        return c;
    }
}

int TextDistance(std::u16string_view a, std::u16string_view b)
{
    if (const auto plain = DistanceKernel::plainDistance(a, b))
        return *plain;
    const std::u16string_view preparedA = preparedView(a);
    const std::u16string_view preparedB = preparedView(b);
    if (preparedA == preparedB)
        return 0;
    const FoldedText foldedA(preparedA);
    const FoldedText foldedB(preparedB);
    std::u16string_view x = foldedA.view();
    std::u16string_view y = foldedB.view();
    if (x == y)
        return 1;
    const auto prefix =
        static_cast<std::size_t>(std::mismatch(x.begin(), x.end(), y.begin(), y.end()).first - x.begin());
    x.remove_prefix(prefix);
    y.remove_prefix(prefix);
    const auto suffix = static_cast<std::size_t>(
        std::mismatch(x.rbegin(), x.rend(), y.rbegin(), y.rend()).first - x.rbegin());
    x.remove_suffix(suffix);
    y.remove_suffix(suffix);
    return middleDistance(x, y);
}

int TextDistanceLowerBound(std::u16string_view a, std::u16string_view b)
{
    if (const auto plain = DistanceKernel::plainDistance(a, b))
        return *plain;
    const auto lengthA = static_cast<int>(preparedView(a).size());
    const auto lengthB = static_cast<int>(preparedView(b).size());
    return lengthA > lengthB ? lengthA - lengthB : lengthB - lengthA;
}
