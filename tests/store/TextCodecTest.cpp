#include "CategoryColours.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, Utf8RoundTripsEveryPlane)
{
    const std::u16string text = u"manĝaĵo € 𝄞 e";
    const std::string utf8 = toUtf8(text);
    EXPECT_EQ("man\xC4\x9D"
              "a\xC4\xB5o \xE2\x82\xAC \xF0\x9D\x84\x9E e",
              utf8);
    std::u16string back;
    appendUtf8(back, utf8);
    EXPECT_EQ(text, back);
}

TEST(TextCodec, UnpairedSurrogateBecomesReplacementInUtf8)
{
    const std::u16string text = {u'a', char16_t(0xD800), u'b', char16_t(0xDC00)};
    EXPECT_EQ("a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD",
              toUtf8(text));
}

TEST(TextCodec, Windows1252MapsTheHighRangeAndKeepsUndefinedBytes)
{
    std::u16string text;
    appendWindows1252(text, "\xE9t\xE9 \x9C\x80\x81\xFF");
    EXPECT_EQ((std::u16string{u'é', u't', u'é', u' ', u'œ', u'€', char16_t(0x81), u'ÿ'}), text);
}

TEST(Utf8Validator, AcceptsWellFormedAndRejectsTheRest)
{
    struct Row
    {
        const char* name;
        std::string bytes;
        bool valid;
    };
    const Row rows[] = {
        {"ascii", "abc;def", true},
        {"two-byte letters", "\xC4\x89\xC3\xA9", true},
        {"four-byte", "\xF0\x9D\x84\x9E", true},
        {"lone continuation", "\x80", false},
        {"overlong slash", "\xC0\xAF", false},
        {"overlong three-byte", "\xE0\x80\xAF", false},
        {"surrogate", "\xED\xA0\x80", false},
        {"above U+10FFFF", "\xF4\x90\x80\x80", false},
        {"cut off at the end", "ab\xC4", false},
        {"latin-1 e acute", "caf\xE9", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Utf8Validator validator;
        validator.feed(row.bytes.data(), row.bytes.size());
        EXPECT_EQ(row.valid, validator.isValid());
    }
}

TEST(Utf8Validator, SequenceSplitBetweenPiecesIsStillValid)
{
    Utf8Validator validator;
    validator.feed("a\xE2\x82", 3);
    EXPECT_FALSE(validator.isValid());
    validator.feed("\xAC", 1);
    EXPECT_TRUE(validator.isValid());
}

TEST(CategoryColours, OutOfRangeCategoriesAreWhite)
{
    EXPECT_EQ((Rgb{0, 255, 0}), categoryColour(1));
    EXPECT_EQ((Rgb{200, 155, 100}), categoryColour(10));
    EXPECT_EQ((Rgb{255, 255, 255}), categoryColour(0));
    EXPECT_EQ((Rgb{255, 255, 255}), categoryColour(11));
    EXPECT_EQ((Rgb{255, 255, 255}), categoryColour(-1));
}

TEST(CategoryColours, WhiteTextOnlyOnDarkColours)
{
    const struct
    {
        Rgb colour;
        bool white;
    } cases[] = {{{0, 0, 0}, true},    {{0, 0, 255}, true},      {{128, 64, 64}, true},
                 {{0, 255, 0}, false}, {{200, 155, 100}, false}, {{255, 255, 255}, false}};
    for (const auto& [colour, white] : cases)
        EXPECT_EQ(white, needsWhiteText(colour))
            << int(colour.red) << ',' << int(colour.green) << ',' << int(colour.blue);
}
