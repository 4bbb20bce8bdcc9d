#include "PreparedTexts.h"

#include "TextDistance.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

TEST(PreparedTexts, GivesExactlyTextDistance)
{
    std::mt19937 random(23);
    const std::u16string alphabet = u"aeiokĉcŝsĝgŭu (Кж";
    std::vector<std::u16string> texts = {
        u"",  u"kato", u"kato (besto)",       u"kato  ",  u"ĉevalo", u"cevalo", u"(la) kato",
        u"k", u" ",    u"Lentille (optique)", u"Lentille"};
    for (int i = 0; i < 150; ++i) {
        std::u16string text;
        const auto length = random() % 4 == 0 ? 60 + random() % 20 : random() % 12;
        for (std::size_t c = 0; c < length; ++c)
            text += alphabet[random() % alphabet.size()];
        texts.push_back(text);
    }
    const std::vector<std::u16string_view> views(texts.begin(), texts.end());
    PreparedTexts prepared(views);
    // All texts at once as well, in an order that pairs texts of every kind.
    std::vector<std::uint32_t> others(texts.size());
    for (std::size_t i = 0; i < others.size(); ++i)
        others[i] = static_cast<std::uint32_t>((i * 13) % others.size());
    std::vector<int> batched(others.size());
    for (std::size_t source = 0; source < texts.size(); ++source) {
        prepared.setSource(source);
        prepared.distancesTo(others.data(), others.size(), batched.data());
        for (std::size_t i = 0; i < others.size(); ++i) {
            const int expected = TextDistance(texts[source], texts[others[i]]);
            ASSERT_EQ(expected, prepared.distanceTo(others[i])) << source << " to " << others[i];
            ASSERT_EQ(expected, batched[i]) << source << " to " << others[i] << " among others";
        }
    }
}
