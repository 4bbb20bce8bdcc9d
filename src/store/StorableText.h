#pragma once

#include <string_view>

// The data-set file has no escape, so a text or name holding ";" or a line break cannot be stored
// faithfully: such texts are refused where they are typed.
inline bool isStorableText(std::u16string_view text)
{
    return text.find_first_of(u";\r\n") == std::u16string_view::npos;
}
