#pragma once

#include <optional>
#include <string>
#include <string_view>

// The rules that bind a data set's path and its shown name. Comparisons are exact and
// case-sensitive, so LISTO.TXT becomes LISTO.TXT.zenv.

// ".txt" at the end becomes ".zenv"; then ".zenv" is appended unless the path already ends with it.
std::u16string applyExtensionRule(std::u16string_view path);
// Only the second half: ".zenv" appended unless already there.
std::u16string withDataSetExtension(std::u16string_view path);
// The shown name of a data set: the file name without its last five characters (".zenv"), when the
// path holds a "/" after its first character; otherwise nothing, and the name stays as it was.
std::optional<std::u16string> titleForPath(std::u16string_view path);
