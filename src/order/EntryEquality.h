#pragma once

#include <string>
#include <string_view>

// Texts are compared without their comment and trailing blanks. The comment starts at the first "("
// found at code-unit position 3 or later; trailing spaces (U+0020 only) are dropped while more than
// one character remains.
std::u16string PrepareText(std::u16string_view text);
// The same preparation as a view into text, without copying.
std::u16string_view preparedView(std::u16string_view text);

// Whether two texts stand for the same word: identical, or both non-empty with identical prepared
// texts. Exact otherwise: case, accents and Esperanto letters all count.
bool TextsMatch(std::u16string_view a, std::u16string_view b);
