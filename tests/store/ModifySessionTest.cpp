#include "ModifySession.h"

#include "CWordStore.h"
#include "Entries.h"

#include <gtest/gtest.h>

namespace {

CWordStore searchedStore()
{
    CWordStore store = emptyDataSet({10, 3, 2016}, u"Franca", u"Esperanto");
    for (const auto& [text1, text2] : {std::pair{u"Lentille (optique)", u"Lenso"},
                                       {u"Chat", u"Kato"},
                                       {u"Chien", u"Hundo"},
                                       {u"Vache", u"Bovo"}})
        store.appendEntry(makeEntry(text1, text2));
    for (int i = 0; i < 21; ++i)
        store.appendEntry(makeEntry(u"Qq", u"Ww"));
    return store;
}

const auto everyRow = [](int) { return true; };

} // namespace

TEST(ModifySession, SearchFieldShowsTheNumberOfMatchesInItsColour)
{
    const CWordStore store = searchedStore();
    ModifySession session(store);
    const struct
    {
        std::u16string text;
        Rgb colour;
        std::u16string count;
    } cases[] = {{u"", {255, 255, 255}, u""},
                 {u"optique", {20, 255, 20}, u""}, // comments count
                 {u"N", {255, 150, 150}, u""},
                 {u"n", {0, 251, 251}, u"2"},   // case counts
                 {u"Q", {0, 215, 215}, u"21"}}; // no darker after 20
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        const ModifySession::SearchLook look = session.setSearchText(c.text, everyRow);
        EXPECT_EQ(c.colour, look.colour);
        EXPECT_EQ(c.count, look.countText);
    }
}

TEST(ModifySession, FindNextWrapsAroundAndPassesOverEmptiedRows)
{
    const CWordStore store = searchedStore();
    ModifySession session(store);
    EXPECT_EQ(std::nullopt, session.findNext(everyRow)); // no search text
    session.setSearchText(u"n", everyRow);
    for (const int expected : {0, 2, 0})
        EXPECT_EQ(expected, session.findNext(everyRow));
    const auto withoutChien = [](int entry) { return entry != 2; };
    EXPECT_EQ(1, session.setSearchText(u"n", withoutChien).matches);
    for (const int expected : {0, 0})
        EXPECT_EQ(expected, session.findNext(withoutChien));
    session.setSearchText(u"Tigro", everyRow);
    EXPECT_EQ(std::nullopt, session.findNext(everyRow));
}
