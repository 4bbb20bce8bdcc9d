#include "CardText.h"

#include <array>
#include <optional>
#include <utility>

#include "DelimitedText.h"
#include "TextCodec.h"

namespace {

constexpr std::array<std::u16string_view, 11> headerKeys = {
    u"separator",   u"html",        u"columns",         u"tags",       u"deck", u"notetype", u"guid",
    u"tags column", u"deck column", u"notetype column", u"guid column"};

constexpr std::array<std::pair<std::u16string_view, char16_t>, 12> namedEntities = {{
    {u"amp", u'&'},
    {u"lt", u'<'},
    {u"gt", u'>'},
    {u"quot", u'"'},
    {u"apos", u'\''},
    {u"nbsp", u' '},
    {u"ndash", u'\u2013'},
    {u"mdash", u'\u2014'},
    {u"hellip", u'\u2026'},
    {u"laquo", u'\u00AB'},
    {u"raquo", u'\u00BB'},
    {u"shy", u'\u00AD'},
}};

char16_t asciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool equalsIgnoringCase(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    return true;
}

// The key and value of a header line "#key:value", if it is one.
std::optional<std::pair<std::u16string_view, std::u16string_view>> headerLine(std::u16string_view line)
{
    if (!line.starts_with(u'#'))
        return std::nullopt;
    const std::size_t colon = line.find(u':');
    if (colon == std::u16string_view::npos)
        return std::nullopt;
    const std::u16string_view key = line.substr(1, colon - 1);
    for (const std::u16string_view known : headerKeys)
        if (equalsIgnoringCase(key, known))
            return std::pair{key, line.substr(colon + 1)};
    return std::nullopt;
}

std::u16string_view firstLine(std::u16string_view text)
{
    return text.substr(0, text.find_first_of(u"\r\n"));
}

char16_t separatorNamed(std::u16string_view value, char16_t otherwise)
{
    static constexpr std::array<std::pair<std::u16string_view, char16_t>, 6> names = {{
        {u"tab", u'\t'},
        {u"comma", u','},
        {u"semicolon", u';'},
        {u"space", u' '},
        {u"pipe", u'|'},
        {u"colon", u':'},
    }};
    for (const auto& [name, separator] : names)
        if (equalsIgnoringCase(value, name))
            return separator;
    return value.size() == 1 ? value.front() : otherwise;
}

// The character a reference between "&" and ";" stands for.
std::optional<char32_t> referencedCharacter(std::u16string_view name)
{
    if (name.size() >= 2 && name.front() == u'#') {
        const bool hex = asciiLower(name[1]) == u'x';
        const std::u16string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 8)
            return std::nullopt;
        char32_t value = 0;
        for (const char16_t d : digits) {
            const char16_t lower = asciiLower(d);
            unsigned digit = 0;
            if (lower >= u'0' && lower <= u'9')
                digit = lower - u'0';
            else if (hex && lower >= u'a' && lower <= u'f')
                digit = lower - u'a' + 10;
            else
                return std::nullopt;
            value = value * (hex ? 16 : 10) + digit;
        }
        if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return std::nullopt;
        return value;
    }
    for (const auto& [entity, character] : namedEntities)
        if (name == entity)
            return character;
    return std::nullopt;
}

bool startsTag(std::u16string_view name, std::u16string_view tag)
{
    if (name.size() < tag.size() || !equalsIgnoringCase(name.substr(0, tag.size()), tag))
        return false;
    return name.size() == tag.size() || name[tag.size()] == u' ' || name[tag.size()] == u'/' ||
           name[tag.size()] == u'>';
}

} // namespace

bool hasCardHeader(std::u16string_view text)
{
    return headerLine(firstLine(text)).has_value();
}

ImportError parseCardText(std::u16string_view text, ImportedTable& table)
{
    table.format = ExchangeFormat::CardText;
    table.separator = u'\t';
    bool html = true;
    std::u16string_view columns;
    std::size_t line = 1;
    while (!text.empty()) {
        const std::u16string_view current = firstLine(text);
        const auto header = headerLine(current);
        if (!header)
            break;
        const auto& [key, value] = *header;
        if (equalsIgnoringCase(key, u"separator"))
            table.separator = separatorNamed(value, table.separator);
        else if (equalsIgnoringCase(key, u"html"))
            html = !equalsIgnoringCase(value, u"false");
        else if (equalsIgnoringCase(key, u"columns"))
            columns = value;
        text.remove_prefix(current.size());
        if (text.starts_with(u"\r\n"))
            text.remove_prefix(2);
        else if (!text.empty())
            text.remove_prefix(1);
        ++line;
    }
    if (!columns.empty()) {
        std::vector<ImportedRow> names;
        if (const ImportError error = parseDelimited(columns, table.separator, names);
            !error && !names.empty())
            table.columnNames = std::move(names.front().fields);
    }
    if (const ImportError error = parseDelimited(text, table.separator, table.rows, line))
        return error;
    if (html)
        for (ImportedRow& row : table.rows)
            for (std::u16string& field : row.fields)
                field = htmlToText(field);
    return {};
}

std::u16string htmlToText(std::u16string_view html)
{
    std::u16string out;
    out.reserve(html.size());
    std::size_t i = 0;
    while (i < html.size()) {
        const char16_t c = html[i];
        const char16_t next = i + 1 < html.size() ? asciiLower(html[i + 1]) : u' ';
        if (c == u'<' && (next == u'/' || next == u'!' || (next >= u'a' && next <= u'z'))) {
            const std::size_t close = html.find(u'>', i);
            if (close == std::u16string_view::npos) {
                out += html.substr(i);
                break;
            }
            const std::u16string_view name = html.substr(i + 1, close - i - 1);
            const bool lineBreak = startsTag(name, u"br");
            const bool block = startsTag(name, u"div") || startsTag(name, u"p") || startsTag(name, u"li");
            if (lineBreak || (block && !out.empty() && out.back() != u'\n'))
                out += u'\n';
            i = close + 1;
        } else if (c == u'&') {
            const std::size_t end = html.find(u';', i);
            const auto character = end != std::u16string_view::npos && end - i <= 10
                                       ? referencedCharacter(html.substr(i + 1, end - i - 1))
                                       : std::nullopt;
            if (character) {
                appendCodePoint(out, *character);
                i = end + 1;
            } else {
                out += c;
                ++i;
            }
        } else {
            out += c;
            ++i;
        }
    }
    while (!out.empty() && out.back() == u'\n')
        out.pop_back();
    return out;
}
