#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Conversions between the program's UTF-16 texts and the 8-bit encodings found in files and paths.

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text);

// File names are bytes, not necessarily UTF-8 (a name written on a Latin-1 system holds a byte such
// as E9 alone). pathFromBytes decodes the UTF-8 in a name and keeps every other byte b as the lone
// surrogate U+DC00 + b; pathBytes undoes exactly that, so any name survives the round trip.
std::u16string pathFromBytes(std::string_view bytes);
std::string pathBytes(std::u16string_view path);

// Appends valid UTF-8 bytes (checked beforehand with Utf8Validator) as UTF-16.
void appendUtf8(std::u16string& out, std::string_view utf8);
// Appends one code point, as a surrogate pair beyond the Basic Multilingual Plane.
void appendCodePoint(std::u16string& out, char32_t codePoint);
// Appends UTF-8 that may hold malformed bytes: each byte that is not part of a well-formed
// character becomes U+FFFD. Returns how many bytes were replaced.
std::size_t appendUtf8Replacing(std::u16string& out, std::string_view bytes);

// Appends Windows-1252 bytes as UTF-16. The five bytes that code page leaves undefined map to the
// C1 control with the same value, so no byte is ever lost.
void appendWindows1252(std::u16string& out, std::string_view bytes);

// Decides, piece by piece, whether a byte stream is well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF, no sequence cut off at the end).
class Utf8Validator final
{
public:
    void feed(const char* data, std::size_t size);
    // True when everything fed so far is valid and ends on a character boundary.
    bool isValid() const { return !m_failed && m_pending == 0; }
    bool hasFailed() const { return m_failed; }

private:
    bool m_failed = false;
    int m_pending = 0;        // continuation bytes still expected
    unsigned m_lowest = 0x80; // range allowed for the next continuation byte
    unsigned m_highest = 0xBF;
};
