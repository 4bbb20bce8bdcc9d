#include "TextCodec.h"

#include <array>

namespace {

constexpr char16_t replacementCharacter = 0xFFFD;

constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendCodePoint(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The length of the well-formed UTF-8 character at the start of bytes, or 0 when it is malformed.
std::size_t wellFormedLength(const unsigned char* bytes, std::size_t size)
{
    const unsigned char lead = bytes[0];
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned lowest = 0x80;
    unsigned highest = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            lowest = 0xA0;
        else if (lead == 0xED)
            highest = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            lowest = 0x90;
        else if (lead == 0xF4)
            highest = 0x8F;
    } else {
        return 0;
    }
    if (size < length)
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned byte = bytes[k];
        if (byte < lowest || byte > highest)
            return 0;
        lowest = 0x80;
        highest = 0xBF;
    }
    return length;
}

constexpr char16_t escapedByteBase = 0xDC00;

} // namespace

std::string toUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            const char32_t combined =
                0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            appendCodePoint(out, combined);
            ++i;
        } else if (isHighSurrogate(c) || isLowSurrogate(c)) {
            appendCodePoint(out, replacementCharacter);
        } else {
            appendCodePoint(out, c);
        }
    }
    return out;
}

void appendUtf8(std::u16string& out, std::string_view utf8)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t size = utf8.size();
    out.reserve(out.size() + size);
    std::size_t i = 0;
    while (i < size) {
        const unsigned char lead = bytes[i];
        char32_t c = 0;
        int trailing = 0;
        if (lead < 0x80) {
            out += static_cast<char16_t>(lead);
            ++i;
            continue;
        }
        if (lead >= 0xF0) {
            c = lead & 0x07;
            trailing = 3;
        } else if (lead >= 0xE0) {
            c = lead & 0x0F;
            trailing = 2;
        } else {
            c = lead & 0x1F;
            trailing = 1;
        }
        ++i;
        for (int k = 0; k < trailing && i < size; ++k, ++i)
            c = (c << 6) | (bytes[i] & 0x3F);
        appendCodePoint(out, c);
    }
}

void appendWindows1252(std::u16string& out, std::string_view bytes)
{
    out.reserve(out.size() + bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value >= 0x80 && value < 0xA0)
            out += windows1252High[value - 0x80];
        else
            out += static_cast<char16_t>(value);
    }
}

void Utf8Validator::feed(const char* data, std::size_t size)
{
    for (std::size_t i = 0; i < size && !m_failed; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        if (m_pending > 0) {
            if (byte < m_lowest || byte > m_highest) {
                m_failed = true;
                break;
            }
            --m_pending;
            m_lowest = 0x80;
            m_highest = 0xBF;
            continue;
        }
        if (byte < 0x80)
            continue;
        if (byte >= 0xC2 && byte <= 0xDF) {
            m_pending = 1;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            m_pending = 2;
            if (byte == 0xE0)
                m_lowest = 0xA0; // no overlong three-byte forms
            else if (byte == 0xED)
                m_highest = 0x9F; // no surrogates
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            m_pending = 3;
            if (byte == 0xF0)
                m_lowest = 0x90; // no overlong four-byte forms
            else if (byte == 0xF4)
                m_highest = 0x8F; // nothing above U+10FFFF
        } else {
            m_failed = true;
        }
    }
}

std::size_t appendUtf8Replacing(std::u16string& out, std::string_view bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t replaced = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t length = wellFormedLength(data + i, bytes.size() - i);
        if (length == 0) {
            out += replacementCharacter;
            ++replaced;
            ++i;
            continue;
        }
        appendUtf8(out, bytes.substr(i, length));
        i += length;
    }
    return replaced;
}

std::u16string pathFromBytes(std::string_view bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    std::u16string path;
    path.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t length = wellFormedLength(data + i, bytes.size() - i);
        if (length == 0) {
            path += static_cast<char16_t>(escapedByteBase + data[i]);
            ++i;
            continue;
        }
        appendUtf8(path, bytes.substr(i, length));
        i += length;
    }
    return path;
}

std::string pathBytes(std::u16string_view path)
{
    std::string bytes;
    bytes.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char16_t c = path[i];
        const bool paired = isHighSurrogate(c) && i + 1 < path.size() && isLowSurrogate(path[i + 1]);
        if (!paired && c >= escapedByteBase + 0x80 && c <= escapedByteBase + 0xFF) {
            bytes += static_cast<char>(c - escapedByteBase);
        } else {
            bytes += toUtf8(path.substr(i, paired ? 2 : 1));
            i += paired ? 1 : 0;
        }
    }
    return bytes;
}

void appendCodePoint(std::u16string& out, char32_t codePoint)
{
    if (codePoint >= 0x10000) {
        codePoint -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (codePoint >> 10));
        out += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
    } else {
        out += static_cast<char16_t>(codePoint);
    }
}
