#include "KvtmlDocument.h"

#include "CWordStore.h"
#include "TextCodec.h"

#include <algorithm>
#include <map>
#include <pugixml.hpp>
#include <string>

namespace {

std::u16string fromXml(const char* utf8)
{
    std::u16string out;
    appendUtf8(out, utf8);
    return out;
}

// Collects the lessons of a container and of those inside it, in document order.
void collectLessons(const pugi::xml_node& container, ImportedTable& table,
                    std::map<std::string, int>& lessonOf)
{
    for (const pugi::xml_node& lesson : container.children("container")) {
        const int index = static_cast<int>(table.lessonNames.size());
        table.lessonNames.push_back(fromXml(lesson.child("name").text().get()));
        for (const pugi::xml_node& entry : lesson.children("entry"))
            lessonOf.emplace(entry.attribute("id").value(), index);
        collectLessons(lesson, table, lessonOf);
    }
}

std::size_t lineOfOffset(std::string_view text, std::ptrdiff_t offset)
{
    const auto end =
        text.begin() + std::clamp<std::ptrdiff_t>(offset, 0, static_cast<std::ptrdiff_t>(text.size()));
    return 1 + static_cast<std::size_t>(std::count(text.begin(), end, '\n'));
}

bool isXmlCharacter(char16_t c)
{
    return c >= 0x20 ? c < 0xFFFE : c == u'\t' || c == u'\n' || c == u'\r';
}

void appendEscaped(std::u16string& out, std::u16string_view text)
{
    for (const char16_t c : text) {
        switch (c) {
        case u'&':
            out += u"&amp;";
            break;
        case u'<':
            out += u"&lt;";
            break;
        case u'>':
            out += u"&gt;";
            break;
        case u'\r':
            // A raw CR would be read back as a line feed.
            out += u"&#13;";
            break;
        default:
            if (isXmlCharacter(c))
                out += c;
        }
    }
}

void appendElement(std::u16string& out, std::u16string_view indent, std::u16string_view name,
                   std::u16string_view text)
{
    out += indent;
    out += u'<';
    out += name;
    out += u'>';
    appendEscaped(out, text);
    out += u"</";
    out += name;
    out += u">\n";
}

std::u16string number(long long value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string twoDigits(int value)
{
    std::u16string text = number(value);
    return text.size() < 2 ? u"0" + text : text;
}

// The grade of a translation is that of the direction in which it is the answer. Only practised
// translations (box above 1) carry one, as the programs reading the format expect.
void appendTranslation(std::u16string& out, int id, std::u16string_view text, int box,
                       const CalendarDate& date)
{
    out += u"      <translation id=\"" + number(id) + u"\">\n";
    appendElement(out, u"        ", u"text", text);
    if (box > 0) {
        out += u"        <grade>\n";
        appendElement(out, u"          ", u"currentgrade", number(std::min(box, 7)));
        appendElement(out, u"          ", u"count", number(box));
        appendElement(out, u"          ", u"errorcount", u"0");
        if (date.year > 0 && date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31)
            appendElement(out, u"          ", u"date",
                          number(date.year) + u'-' + twoDigits(date.month) + u'-' + twoDigits(date.day) +
                              u"T12:00:00");
        out += u"        </grade>\n";
    }
    out += u"      </translation>\n";
}

} // namespace

ImportError parseKvtml(std::u16string_view text, ImportedTable& table)
{
    table.format = ExchangeFormat::Kvtml;
    const std::string utf8 = toUtf8(text);
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(
        utf8.data(), utf8.size(), pugi::parse_default | pugi::parse_ws_pcdata_single, pugi::encoding_utf8);
    if (!parsed)
        return {ImportProblem::MalformedXml, lineOfOffset(utf8, parsed.offset)};
    const pugi::xml_node root = document.child("kvtml");
    if (!root || !std::string_view(root.attribute("version").value()).starts_with("2"))
        return {ImportProblem::NotVocabularyXml, 0};

    std::vector<std::string> identifiers;
    for (const pugi::xml_node& identifier : root.child("identifiers").children("identifier")) {
        identifiers.emplace_back(identifier.attribute("id").value());
        table.columnNames.push_back(fromXml(identifier.child("name").text().get()));
    }
    std::map<std::string, int> lessonOf;
    collectLessons(root.child("lessons"), table, lessonOf);

    for (const pugi::xml_node& entry : root.child("entries").children("entry")) {
        ImportedRow row;
        row.fields.resize(identifiers.size());
        for (const pugi::xml_node& translation : entry.children("translation")) {
            const auto column = std::find(identifiers.begin(), identifiers.end(),
                                          std::string_view(translation.attribute("id").value()));
            if (column != identifiers.end())
                row.fields[static_cast<std::size_t>(column - identifiers.begin())] =
                    fromXml(translation.child("text").text().get());
        }
        if (const auto lesson = lessonOf.find(entry.attribute("id").value()); lesson != lessonOf.end())
            row.lesson = lesson->second;
        table.rows.push_back(std::move(row));
    }
    return {};
}

std::u16string kvtmlText(const CWordStore& store)
{
    std::u16string out = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         u"<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"
                         u"<kvtml version=\"2.0\">\n  <information>\n";
    appendElement(out, u"    ", u"generator", u"Zenvalo");
    appendElement(out, u"    ", u"title", store.dataTitle());
    out += u"  </information>\n  <identifiers>\n";
    for (int list = 1; list <= 2; ++list) {
        out += u"    <identifier id=\"" + number(list - 1) + u"\">\n";
        appendElement(out, u"      ", u"name", store.listName(list));
        appendElement(out, u"      ", u"locale", store.listName(list));
        out += u"    </identifier>\n";
    }
    out += u"  </identifiers>\n  <entries>\n";
    const auto& entries = store.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const WordEntry& entry = entries[i];
        out += u"    <entry id=\"" + number(static_cast<long long>(i)) + u"\">\n";
        appendTranslation(out, 0, entry.text1, entry.box2, entry.answerDate(2));
        appendTranslation(out, 1, entry.text2, entry.box1, entry.answerDate(1));
        out += u"    </entry>\n";
    }
    out += u"  </entries>\n  <lessons>\n";
    // Category 0 first, under its own lesson, then categories 1 to 10 as far as entries use them.
    for (int category = 0; category <= CWordStore::categoryCount; ++category) {
        std::u16string members;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const int own = entries[i].category;
            const bool inCategory =
                category == 0 ? own < 1 || own > CWordStore::categoryCount : own == category;
            if (inCategory)
                members += u"      <entry id=\"" + number(static_cast<long long>(i)) + u"\"/>\n";
        }
        if (members.empty())
            continue;
        std::u16string name =
            category == 0 ? std::u16string(uncategorisedLessonName) : store.categoryName(category);
        if (name.empty())
            name = u"Kategorio " + number(category);
        out += u"    <container>\n";
        appendElement(out, u"      ", u"name", name);
        appendElement(out, u"      ", u"inpractice", u"true");
        out += members;
        out += u"    </container>\n";
    }
    out += u"  </lessons>\n</kvtml>\n";
    return out;
}
