#pragma once

#include <optional>
#include <string>
#include <string_view>

class CWordStore;

// What the add-words dialog asks of the store while the user types pairs in. Texts compare as
// TextsMatch compares them: without comments and trailing blanks.

// The list-2 text of the first entry, in stored order, whose list-1 text matches text1.
std::optional<std::u16string> findTranslation(const CWordStore& store, std::u16string_view text1);
// Whether an entry holds the pair: its list-1 text matching text1 and its list-2 text matching text2.
bool isPairStored(const CWordStore& store, std::u16string_view text1, std::u16string_view text2);
// Appends the pair as typed, in box 1 for both directions, dated today, without category.
void appendTypedPair(CWordStore& store, std::u16string text1, std::u16string text2);
