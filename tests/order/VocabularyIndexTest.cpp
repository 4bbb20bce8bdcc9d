#include "VocabularyIndex.h"

#include "CWordStore.h"
#include "EntryEquality.h"
#include "IncomingEntries.h"
#include "IncomingMerge.h"
#include "VocabularyLookup.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

// Texts that match or nearly match one another: comments, trailing blanks, case, Esperanto letters.
std::u16string someText(std::mt19937& random)
{
    static const std::u16string stems[] = {u"", u" ", u"kato", u"Kato", u"ĉevalo", u"cevalo", u"a", u"ab"};
    static const std::u16string ends[] = {u"", u" ", u"  ", u" (besto)", u"(x)", u"#"};
    return stems[random() % std::size(stems)] + ends[random() % std::size(ends)];
}

// The merge as a plain scan over the entries held before it.
std::vector<WordEntry> plainMerge(CWordStore store, const std::vector<IncomingEntry>& incoming,
                                  const std::vector<bool>& selected)
{
    const std::vector<WordEntry> before = store.entries();
    for (std::size_t i = 0; i < incoming.size(); ++i) {
        const bool held = std::any_of(before.begin(), before.end(), [&](const WordEntry& entry) {
            return TextsMatch(entry.text1, incoming[i].text1) && TextsMatch(entry.text2, incoming[i].text2);
        });
        if (!selected[i] || held)
            continue;
        WordEntry entry;
        entry.text1 = incoming[i].text1;
        entry.text2 = incoming[i].text2;
        entry.setBothAnswerDates({store.todayDay(), store.todayMonth(), store.todayYear() - 1});
        store.appendEntry(std::move(entry));
    }
    return store.entries();
}

} // namespace

TEST(VocabularyIndex, FindsWhatThePlainScanFinds)
{
    std::mt19937 random(5);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        CWordStore store({10, 3, 2016}, u"");
        store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
        const auto fill = [&](std::size_t count) {
            for (std::size_t i = 0; i < count; ++i)
                appendTypedPair(store, someText(random), someText(random));
        };
        fill(random() % 30);
        VocabularyIndex index(store);
        for (int query = 0; query < 40; ++query) {
            if (query % 10 == 9)
                fill(random() % 5); // the add dialog appends while the index is in use
            const std::u16string text1 = someText(random);
            const std::u16string text2 = someText(random);
            const auto& entries = store.entries();
            const auto first = std::find_if(entries.begin(), entries.end(), [&](const WordEntry& entry) {
                return TextsMatch(entry.text1, text1);
            });
            const auto found = index.firstWithText1(text1);
            ASSERT_EQ(first == entries.end(), !found);
            if (found) {
                ASSERT_EQ(static_cast<std::size_t>(first - entries.begin()), *found);
            }
            ASSERT_EQ(isPairStored(store, text1, text2), index.holdsPair(text1, text2, entries.size()));
        }

        std::vector<IncomingEntry> incoming(random() % 30);
        std::vector<bool> selected;
        for (IncomingEntry& entry : incoming) {
            entry = {someText(random), someText(random)};
            selected.push_back(random() % 3 != 0);
        }
        const std::vector<WordEntry> expected = plainMerge(store, incoming, selected);
        mergeSelectedEntries(store, incoming, selected);
        ASSERT_EQ(expected, store.entries());
    }
}
