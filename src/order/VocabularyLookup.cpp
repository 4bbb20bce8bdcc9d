#include "VocabularyLookup.h"

#include "CWordStore.h"
#include "EntryEquality.h"
#include "IncomingEntries.h"
#include "VocabularyIndex.h"

#include <algorithm>

std::optional<std::u16string> findTranslation(const CWordStore& store, std::u16string_view text1)
{
    const auto& entries = store.entries();
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const WordEntry& entry) { return TextsMatch(entry.text1, text1); });
    if (found == entries.end())
        return std::nullopt;
    return found->text2;
}

namespace {

bool isPairAmong(const CWordStore& store, std::size_t first, std::u16string_view text1,
                 std::u16string_view text2)
{
    const auto& entries = store.entries();
    return std::any_of(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(first),
                       [&](const WordEntry& entry) {
                           return TextsMatch(entry.text1, text1) && TextsMatch(entry.text2, text2);
                       });
}

} // namespace

bool isPairStored(const CWordStore& store, std::u16string_view text1, std::u16string_view text2)
{
    return isPairAmong(store, store.entries().size(), text1, text2);
}

void appendTypedPair(CWordStore& store, std::u16string text1, std::u16string text2)
{
    WordEntry entry;
    entry.text1 = std::move(text1);
    entry.text2 = std::move(text2);
    entry.setBothAnswerDates(store.today());
    store.appendEntry(std::move(entry));
}

int mergeSelectedEntries(CWordStore& store, const std::vector<IncomingEntry>& incoming,
                         const std::vector<bool>& selected)
{
    // Only the entries held before the merge count as duplicates: two equal incoming entries, both
    // selected, are both appended.
    const std::size_t before = store.entries().size();
    VocabularyIndex index(store);
    const CalendarDate answered{store.todayDay(), store.todayMonth(), store.todayYear() - 1};
    int appended = 0;
    for (std::size_t i = 0; i < incoming.size() && i < selected.size(); ++i) {
        if (!selected[i] || index.holdsPair(incoming[i].text1, incoming[i].text2, before))
            continue;
        WordEntry entry;
        entry.text1 = incoming[i].text1;
        entry.text2 = incoming[i].text2;
        entry.setBothAnswerDates(answered);
        store.appendEntry(std::move(entry));
        ++appended;
    }
    return appended;
}
