#include "TextDecoding.h"

#include "TextCodec.h"

namespace {

bool isStrayControl(char16_t c)
{
    // Tab, line feed, vertical tab, form feed and carriage return belong in text files; the
    // undefined bytes of Windows-1252 come through as C1 controls.
    return (c < 0x20 && (c < u'\t' || c > u'\r')) || (c >= 0x80 && c < 0xA0) || c == 0x7F;
}

bool looksBinary(std::u16string_view text)
{
    std::size_t controls = 0;
    for (const char16_t c : text) {
        if (c == 0)
            return true;
        if (isStrayControl(c))
            ++controls;
    }
    return controls * 100 > text.size();
}

// Unpaired surrogates become U+FFFD, so that every text can be written to any file as it is.
void appendUtf16(std::u16string& out, std::string_view bytes, bool bigEndian)
{
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        out += static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        const bool high = out[i] >= 0xD800 && out[i] <= 0xDBFF;
        const bool low = out[i] >= 0xDC00 && out[i] <= 0xDFFF;
        if (high && i + 1 < out.size() && out[i + 1] >= 0xDC00 && out[i + 1] <= 0xDFFF)
            ++i;
        else if (high || low)
            out[i] = 0xFFFD;
    }
}

} // namespace

ImportError decodeText(std::string_view bytes, DecodedText& decoded)
{
    decoded = {};
    const bool littleMark = bytes.starts_with("\xFF\xFE");
    const bool bigMark = bytes.starts_with("\xFE\xFF");
    if (littleMark || bigMark) {
        if (bytes.size() % 2 != 0)
            return {ImportProblem::Binary, 0};
        decoded.encoding = littleMark ? TextEncoding::Utf16LittleEndian : TextEncoding::Utf16BigEndian;
        appendUtf16(decoded.text, bytes.substr(2), bigMark);
    } else {
        Utf8Validator validator;
        validator.feed(bytes.data(), bytes.size());
        if (validator.isValid()) {
            const bool marked = bytes.starts_with("\xEF\xBB\xBF");
            decoded.encoding = marked ? TextEncoding::Utf8WithMark : TextEncoding::Utf8;
            appendUtf8(decoded.text, bytes.substr(marked ? 3 : 0));
        } else {
            decoded.encoding = TextEncoding::Windows1252;
            appendWindows1252(decoded.text, bytes);
        }
    }
    if (looksBinary(decoded.text)) {
        decoded.text.clear();
        return {ImportProblem::Binary, 0};
    }
    return {};
}
