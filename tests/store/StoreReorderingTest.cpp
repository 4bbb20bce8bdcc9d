#include "StoreReordering.h"

#include "CWordStore.h"
#include "ExchangeSort.h"
#include "ScriptedRandomSource.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

CWordStore storeOf(const std::vector<int>& categories)
{
    CWordStore store({10, 3, 2016}, u"");
    for (std::size_t i = 0; i < categories.size(); ++i) {
        WordEntry entry;
        entry.text1 = std::u16string(1, static_cast<char16_t>(u'a' + i));
        entry.text2 = u"x";
        entry.category = categories[i];
        store.appendEntry(entry);
    }
    return store;
}

std::u16string order(const CWordStore& store)
{
    std::u16string texts;
    for (const WordEntry& entry : store.entries())
        texts += entry.text1;
    return texts;
}

// The exchange sort written as its definition, pair by pair.
std::vector<std::pair<std::size_t, std::size_t>> plainExchanges(std::vector<int> keys)
{
    std::vector<std::pair<std::size_t, std::size_t>> exchanges;
    for (std::size_t j = 0; j < keys.size(); ++j) {
        for (std::size_t k = j + 1; k < keys.size(); ++k) {
            if (keys[k] < keys[j]) {
                std::swap(keys[j], keys[k]);
                exchanges.emplace_back(j, k);
            }
        }
    }
    return exchanges;
}

} // namespace

TEST(ExchangeSortByKey, MakesExactlyThePlainExchanges)
{
    std::mt19937 random(5);
    struct Table
    {
        const char* kind;
        int distinct;
        int offset;
        std::size_t size;
    };
    const Table tables[] = {{"categories", 11, 0, 300}, {"hand-edited values", 40, -20, 300},
                            {"all equal", 1, 3, 50},    {"two values", 2, 0, 257},
                            {"single entry", 11, 0, 1}, {"many distinct", 100000, -50000, 200}};
    for (const Table& table : tables) {
        SCOPED_TRACE(table.kind);
        std::vector<int> keys;
        for (std::size_t i = 0; i < table.size; ++i)
            keys.push_back(table.offset + static_cast<int>(random() % static_cast<unsigned>(table.distinct)));
        std::vector<std::pair<std::size_t, std::size_t>> exchanges;
        exchangeSortByKey(keys, [&](std::size_t j, std::size_t k) { exchanges.emplace_back(j, k); });
        EXPECT_EQ(plainExchanges(keys), exchanges);
    }
    std::vector<int> descending;
    for (int key = 60; key > 0; --key)
        descending.push_back(key);
    std::vector<std::pair<std::size_t, std::size_t>> exchanges;
    exchangeSortByKey(descending, [&](std::size_t j, std::size_t k) { exchanges.emplace_back(j, k); });
    EXPECT_EQ(plainExchanges(descending), exchanges);
}

TEST(SortByCategory, EqualCategoriesEndUpInTheOrderOfTheExchanges)
{
    CWordStore store = storeOf({2, 0, 2, 1});
    sortByCategory(store);
    EXPECT_EQ(u"bdca", order(store));

    CWordStore handEdited = storeOf({3, -1, 12, 0, 3});
    sortByCategory(handEdited);
    EXPECT_EQ(u"bdaec", order(handEdited));
}

TEST(ShuffleEntries, MakesCountByThreeExchangesOfDistinctPlaces)
{
    struct Row
    {
        const char* rule;
        std::size_t count;
        std::vector<int> draws;
        std::u16string expected;
    };
    const Row rows[] = {
        {"two entries never move", 2, {}, u"ab"},
        {"three entries: one exchange", 3, {2, 0}, u"cba"},
        {"the second place is drawn again while it equals the first", 5, {6, 1, 11, 4}, u"aecdb"},
        {"six entries: two exchanges that may undo each other", 6, {1, 2, 2, 1}, u"abcdef"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        CWordStore store = storeOf(std::vector<int>(row.count, 0));
        ScriptedRandomSource random(row.draws);
        shuffleEntries(store, random);
        EXPECT_EQ(row.expected, order(store));
        EXPECT_TRUE(random.isUsedUp());
    }
    CWordStore thirty = storeOf(std::vector<int>(30, 0));
    std::vector<int> draws;
    for (int i = 0; i < 10; ++i) {
        draws.push_back(i);
        draws.push_back(i + 10);
    }
    ScriptedRandomSource random(draws);
    shuffleEntries(thirty, random);
    EXPECT_TRUE(random.isUsedUp());
    EXPECT_EQ(u"klmnopqrstabcdefghij", order(thirty).substr(0, 20));
}
