#pragma once

#include <QString>
#include <string>
#include <string_view>

// The one crossing between the core's UTF-16 texts and Qt's strings.
inline QString toQString(std::u16string_view text)
{
    return QString::fromStdU16String(std::u16string(text));
}

inline std::u16string toText(const QString& text)
{
    return text.toStdU16String();
}
