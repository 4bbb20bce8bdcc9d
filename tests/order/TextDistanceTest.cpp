#include "TextDistance.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

// The plain table of the definition, to check the fast paths against.
int referenceEditDistance(std::u16string_view a, std::u16string_view b)
{
    std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = static_cast<int>(i);
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j)
            d[i][j] = std::min(
                {d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 2)});
    return d[a.size()][b.size()];
}

std::u16string randomText(std::mt19937& random, std::size_t length, std::u16string_view alphabet)
{
    std::u16string text;
    for (std::size_t i = 0; i < length; ++i)
        text += alphabet[random() % alphabet.size()];
    return text;
}

} // namespace

TEST(TextDistance, Examples)
{
    struct Row
    {
        std::u16string a;
        std::u16string b;
        int distance;
    };
    const Row rows[] = {
        {u"Lentille (optique)", u"Lentille", 0},
        {u"vase (le)", u"vase", 0},
        {u"ĉevalo", u"cevalo", 1},
        {u"ĉevalo (besto)", u"cevalo", 1},
        {u"Ĉu", u"Cu", 2}, // capitals are not folded
        {u"kato", u"katoj", 1},
        {u"kato", u"kapo", 2},
        {u"hundo", u"hundino", 2},
        {u"manĝi", u"mangxi", 1},
        {u"abc", u"", 3},
        {u"", u"abc (x)", 7},
        {u"(la) kato", u"kato", 5},
        {u"kato  ", u"kapo", 2},
        {u"", u"", 0},
        {u"domo", u"domoj", 1},
        {u"domo", u"doma", 2},
        {u"domo", u"hundo", 5},
        {u"ŝ ĝ ĥ ĵ ŭ", u"s g h j u", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.a.begin(), row.a.end()) + " / " +
                     std::string(row.b.begin(), row.b.end()));
        EXPECT_EQ(row.distance, TextDistance(row.a, row.b));
        EXPECT_EQ(row.distance, TextDistance(row.b, row.a));
    }
}

TEST(TextDistance, AgreesWithTheFullTableOnRandomTexts)
{
    std::mt19937 random(20161203);
    // A small alphabet makes common letters and long common subsequences likely.
    const std::u16string_view alphabet = u"abcfdeo ";
    for (int round = 0; round < 3000; ++round) {
        const std::size_t lengthA = random() % (round < 2000 ? 20 : 200);
        const std::size_t lengthB = random() % (round < 2000 ? 20 : 200);
        const std::u16string a = u"x" + randomText(random, lengthA, alphabet) + u"y";
        const std::u16string b = u"x" + randomText(random, lengthB, alphabet) + u"z";
        SCOPED_TRACE(round);
        ASSERT_EQ(referenceEditDistance(a, b), TextDistance(a, b))
            << std::string(a.begin(), a.end()) << " / " << std::string(b.begin(), b.end());
    }
}

TEST(TextDistance, LongTextsNeedNoQuadraticTable)
{
    // Two texts of 100,000 characters: a full table would take 40 GB.
    std::mt19937 random(7);
    const std::u16string a = u"ab" + randomText(random, 100000, u"abcdefghij");
    std::u16string b = a;
    b.erase(50000, 10);
    b.insert(70000, u"QQQQQQQQ");
    b[2] = u'Z';
    EXPECT_EQ(10 + 8 + 2, TextDistance(a, b));

    // Many distinct letters on both sides force the row-by-row path.
    std::u16string wide;
    for (char16_t c = 0x4E00; wide.size() < 10000; ++c)
        wide += c;
    std::u16string wideOther = wide;
    std::reverse(wideOther.begin() + 1, wideOther.begin() + 300);
    EXPECT_EQ(referenceEditDistance(wide.substr(0, 310), wideOther.substr(0, 310)),
              TextDistance(wide, wideOther));
}

TEST(TextDistanceLowerBound, NeverAboveTheDistance)
{
    std::mt19937 random(11);
    const std::u16string alphabet = u"abcĉs (";
    for (int i = 0; i < 3000; ++i) {
        const std::u16string a = randomText(random, random() % 10, alphabet);
        const std::u16string b = randomText(random, random() % 10, alphabet);
        SCOPED_TRACE(std::string(a.begin(), a.end()) + " / " + std::string(b.begin(), b.end()));
        EXPECT_LE(TextDistanceLowerBound(a, b), TextDistance(a, b));
    }
}
