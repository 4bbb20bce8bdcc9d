#include "EntryEquality.h"

std::u16string_view preparedView(std::u16string_view text)
{
    if (text.size() > 3) {
        const std::size_t comment = text.find(u'(', 3);
        if (comment != std::u16string_view::npos)
            text = text.substr(0, comment);
    }
    while (text.size() > 1 && text.back() == u' ')
        text.remove_suffix(1);
    return text;
}

std::u16string PrepareText(std::u16string_view text)
{
    return std::u16string(preparedView(text));
}

bool TextsMatch(std::u16string_view a, std::u16string_view b)
{
    if (a == b)
        return true;
    if (a.empty() || b.empty())
        return false;
    return preparedView(a) == preparedView(b);
}
