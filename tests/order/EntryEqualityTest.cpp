#include "EntryEquality.h"

#include <gtest/gtest.h>

TEST(PrepareText, CutsTheCommentFromPositionThreeAndTrailingSpaces)
{
    struct Row
    {
        std::u16string text;
        std::u16string prepared;
    };
    const Row rows[] = {
        {u"Lentille (optique)", u"Lentille"},
        {u"Vase (le)", u"Vase"},
        {u"kato  ", u"kato"},
        {u"a (b)", u"a (b)"},         // parenthesis at position 2
        {u"(la) kato", u"(la) kato"}, // at position 0
        {u"ab(c)", u"ab(c)"},
        {u"abc(d)", u"abc"},
        {u"(la) kato (besto)", u"(la) kato"},
        {u" ", u" "},
        {u"   ", u" "},
        {u"kato\t", u"kato\t"},
        {u" kato", u" kato"},
        {u"", u""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.text.begin(), row.text.end()));
        EXPECT_EQ(row.prepared, PrepareText(row.text));
    }
}

TEST(TextsMatch, ComparesPreparedTextsExactly)
{
    struct Row
    {
        std::u16string a;
        std::u16string b;
        bool match;
    };
    const Row rows[] = {
        {u"Lentille (optique)", u"Lentille (légume)", true},
        {u"Lentille (optique)", u"Lentille", true},
        {u"Lentille (optique)", u"lentille", false},
        {u"kato ", u"kato", true},
        {u" kato", u"kato", false},
        {u"ab (c)", u"ab", true},
        {u"a (b)", u"a", false},
        {u"(la) kato", u"(la) kato (besto)", true},
        {u"(la) kato", u"kato", false},
        {u"", u"", true},
        {u"", u" ", false},
        {u"", u"abc(d)", false},
        {u"ĉevalo", u"cevalo", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.a.begin(), row.a.end()) + " / " +
                     std::string(row.b.begin(), row.b.end()));
        EXPECT_EQ(row.match, TextsMatch(row.a, row.b));
        EXPECT_EQ(row.match, TextsMatch(row.b, row.a));
    }
}
