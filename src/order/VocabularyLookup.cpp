#include "VocabularyLookup.h"

#include "CWordStore.h"
#include "EntryEquality.h"

#include <algorithm>

std::optional<std::u16string> findTranslation(const CWordStore& store, std::u16string_view text1)
{
    const auto& entries = store.entries();
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const WordEntry& entry) { return TextsMatch(entry.text1, text1); });
    if (found == entries.end())
        return std::nullopt;
    return found->text2.str();
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
