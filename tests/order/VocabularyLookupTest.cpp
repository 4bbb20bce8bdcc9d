#include "CWordStore.h"
#include "VocabularyLookup.h"

#include <gtest/gtest.h>

namespace {

const CalendarDate today{10, 3, 2016};

CWordStore storeWith(std::initializer_list<std::pair<std::u16string, std::u16string>> pairs)
{
    CWordStore store(today, u"");
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    for (const auto& [text1, text2] : pairs)
        appendTypedPair(store, text1, text2);
    return store;
}

} // namespace

TEST(VocabularyLookup, TranslationOfTheFirstMatchingEntry)
{
    const CWordStore store =
        storeWith({{u"Chat", u"Kato"}, {u"Lentille (optique)", u"Lenso"}, {u"Lentille", u"Lento"}});
    EXPECT_EQ(u"Lenso", findTranslation(store, u"Lentille"));
    EXPECT_EQ(u"Lenso", findTranslation(store, u"Lentille (légume) "));
    EXPECT_EQ(u"Kato", findTranslation(store, u"Chat  "));
    EXPECT_EQ(std::nullopt, findTranslation(store, u"chat"));
    EXPECT_EQ(std::nullopt, findTranslation(store, u"")); // an empty text matches only an empty one
}

TEST(VocabularyLookup, PairTestIgnoresCommentsOnBothSides)
{
    const CWordStore store = storeWith({{u"Lentille", u"Lenso"}});
    EXPECT_TRUE(isPairStored(store, u"Lentille (optique)", u"Lenso"));
    EXPECT_TRUE(isPairStored(store, u"Lentille", u"Lenso (fizika)"));
    EXPECT_FALSE(isPairStored(store, u"Lentille", u"Lento")); // the same list-1 text with another meaning
}

TEST(VocabularyLookup, TypedPairIsStoredAsTypedInBoxOneDatedToday)
{
    const CWordStore store = storeWith({{u" Vase (le) ", u"Florpoto"}});
    WordEntry expected;
    expected.text1 = u" Vase (le) ";
    expected.text2 = u"Florpoto";
    expected.setBothAnswerDates(today);
    EXPECT_EQ(1, store.count());
    EXPECT_EQ(expected, store.entry(0));
}
