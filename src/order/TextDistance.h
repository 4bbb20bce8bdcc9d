#pragma once

#include <string_view>

// How alike two texts look, for the morphological orders: 0 for the same word (comments and
// trailing blanks ignored), 1 when they differ only by the Esperanto letters ĉ ĝ ĥ ĵ ŝ ŭ against
// their base letters, otherwise the number of characters to delete from both to make them equal
// (an edit distance where a replacement costs 2). An empty text is at the full length of the other.
// Symmetric. Memory stays proportional to the texts, whatever their length.
int TextDistance(std::u16string_view a, std::u16string_view b);

// ĉ ĝ ĥ ĵ ŝ ŭ become c g h j s u, as TextDistance compares them; any other code unit stays.
char16_t foldEsperantoLetter(char16_t c);

// A value TextDistance(a, b) never exceeds from below, found without comparing the letters: the
// difference of the lengths without comments and trailing blanks (exact when a text is empty).
int TextDistanceLowerBound(std::u16string_view a, std::u16string_view b);
