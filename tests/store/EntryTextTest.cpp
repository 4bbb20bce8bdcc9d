#include "EntryText.h"

#include <gtest/gtest.h>
#include <utility>

TEST(EntryText, HoldsEveryLengthAsTheTextItWasGiven)
{
    // Lengths around the four units held in place, a long text, and null units on both sides.
    const std::u16string texts[] = {u"",
                                    u"ĉ",
                                    u"ab",
                                    u"kato",
                                    std::u16string(4, u'\0'),
                                    u"domo!",
                                    u"ŝafidoj",
                                    std::u16string(70'000, u'ŭ'),
                                    std::u16string(5, u'\0')};
    for (const std::u16string& text : texts) {
        SCOPED_TRACE(text.size());
        const EntryText held(text);
        EXPECT_EQ(text, std::u16string(held.begin(), held.end()));
        EntryText copy = held;
        const EntryText moved = std::move(copy);
        EXPECT_TRUE(copy.empty());
        EXPECT_EQ(text, moved.str());

        // Assignment over every other length, and from a part of the text itself.
        for (const std::u16string& other : texts) {
            EntryText target(other);
            target = held;
            EXPECT_EQ(text, target.view());
            target = std::u16string_view(target).substr(target.size() / 2);
            EXPECT_EQ(std::u16string_view(text).substr(text.size() / 2), target.view());
            target = EntryText(other);
            EXPECT_EQ(other, target.view());
            EXPECT_EQ(std::u16string_view(text) <=> std::u16string_view(other), held <=> target);
            EXPECT_EQ(text == other, held == other);
        }
    }
}
