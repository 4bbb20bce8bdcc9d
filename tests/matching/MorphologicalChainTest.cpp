#include "MorphologicalChain.h"

#include "TextDistance.h"

#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

// The chain as the double loop computes it: every remaining place compared, a strictly smaller
// distance replacing the candidate, places k + 1 and best exchanged.
std::vector<std::size_t> plainChain(const std::vector<std::u16string>& texts)
{
    std::vector<std::size_t> at(texts.size());
    std::iota(at.begin(), at.end(), std::size_t(0));
    for (std::size_t k = 0; k + 1 < at.size(); ++k) {
        std::size_t best = k + 1;
        int nearest = TextDistance(texts[at[k]], texts[at[k + 1]]);
        for (std::size_t i = k + 2; i < at.size(); ++i) {
            const int distance = TextDistance(texts[at[k]], texts[at[i]]);
            if (distance < nearest) {
                nearest = distance;
                best = i;
            }
        }
        std::swap(at[k + 1], at[best]);
    }
    return at;
}

using Instructions = MorphologicalChain::Instructions;
// Each kind the processor has, the same order expected from all.
constexpr Instructions everyKind[] = {Instructions::Plain, Instructions::Avx2, Instructions::Avx512};

std::vector<std::size_t> slicedChain(const std::vector<std::u16string>& texts, std::mt19937& random,
                                     Instructions instructions)
{
    MorphologicalChain chain(std::vector<std::u16string_view>(texts.begin(), texts.end()), instructions);
    int percent = 0;
    while (!chain.advance(1 + random() % 5)) {
        EXPECT_LE(percent, chain.progressPercent());
        percent = chain.progressPercent();
    }
    EXPECT_EQ(100, chain.progressPercent());
    return chain.order();
}

} // namespace

// Small tables with many ties: few letters, equal texts, texts differing only by a comment, a
// trailing blank or an Esperanto letter, empty texts and texts too long for one machine word.
TEST(MorphologicalChain, GivesExactlyTheOrderOfThePlainLoop)
{
    std::mt19937 random(7);
    const std::u16string letters = u"aokĉcŝsĝgŭuK  (";
    const std::vector<std::u16string> pool = {u"",       u"kato",   u"kato (besto)", u"kato ",
                                              u"ĉevalo", u"cevalo", u"(la) kato",    u"ab(c)",
                                              u" ",      u"ŝako",   u"sako",         u"Ŝako"};
    for (int table = 0; table < 3000; ++table) {
        std::vector<std::u16string> texts(random() % 26);
        for (std::u16string& text : texts) {
            const auto kind = random() % 10;
            if (kind < 3) {
                text = pool[random() % pool.size()];
            } else {
                const std::size_t length = kind == 9 ? 60 + random() % 20 : random() % 8;
                for (std::size_t c = 0; c < length; ++c)
                    text += letters[random() % letters.size()];
            }
        }
        SCOPED_TRACE(table);
        const std::vector<std::size_t> expected = plainChain(texts);
        for (const Instructions instructions : everyKind)
            ASSERT_EQ(expected, slicedChain(texts, random, instructions)) << static_cast<int>(instructions);
    }
}

TEST(MorphologicalChain, GivesExactlyTheOrderOfThePlainLoopOnThousandsOfWords)
{
    std::mt19937 random(11);
    const std::u16string consonants = u"bcĉdfgĝhĵklmnprsŝtvz";
    const std::u16string vowels = u"aeiouŭ";
    // Half of them of one length, more than the chain looks at in one part.
    std::vector<std::u16string> texts(2500);
    for (std::u16string& text : texts) {
        const std::size_t length = random() % 2 == 0 ? 6 : 3 + random() % 10;
        for (std::size_t c = 0; c < length; ++c)
            text += c % 2 == 1 ? vowels[random() % vowels.size()] : consonants[random() % consonants.size()];
        if (random() % 4 == 0)
            text += u" (besto)";
    }
    const std::vector<std::size_t> expected = plainChain(texts);
    for (const Instructions instructions : everyKind)
        EXPECT_EQ(expected, slicedChain(texts, random, instructions)) << static_cast<int>(instructions);
}
