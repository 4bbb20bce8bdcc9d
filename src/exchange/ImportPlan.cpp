#include "ImportPlan.h"

#include "EntryEquality.h"
#include "KvtmlDocument.h"
#include "StorableText.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>

namespace {

const std::u16string defaultListName1 = u"Listo 1";
const std::u16string defaultListName2 = u"Listo 2";

const std::u16string& field(const ImportedRow& row, std::size_t column)
{
    static const std::u16string empty;
    return column < row.fields.size() ? row.fields[column] : empty;
}

using PairKey = std::pair<std::u16string, std::u16string>;

// Two pairs of non-empty texts match under TextsMatch exactly when their prepared texts are equal,
// so a set of prepared pairs answers the pair test in logarithmic time.
PairKey keyOf(std::u16string_view text1, std::u16string_view text2)
{
    return {std::u16string(preparedView(text1)), std::u16string(preparedView(text2))};
}

// Control characters other than tab and line breaks carry nothing a learner could read.
std::u16string withoutControls(std::u16string text)
{
    std::erase_if(text, [](char16_t c) {
        return (c < 0x20 && c != u'\t' && c != u'\r' && c != u'\n') || (c >= 0x7F && c < 0xA0);
    });
    return text;
}

std::u16string columnName(const ImportedTable& table, std::size_t column, bool firstRowIsHeader)
{
    if (column < table.columnNames.size())
        return table.columnNames[column];
    if (firstRowIsHeader && !table.rows.empty())
        return field(table.rows.front(), column);
    return {};
}

} // namespace

int ImportPreview::count(RowFate fate) const
{
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [fate](const PreviewRow& row) { return row.fate == fate; }));
}

ImportChoices defaultImportChoices(const ImportedTable& table, const CWordStore& store)
{
    ImportChoices choices;
    choices.firstRowIsHeader = table.firstRowLooksLikeHeader;
    if (!table.rows.empty() && table.columnNames.empty() && table.rows.size() > 1) {
        const ImportedRow& first = table.rows.front();
        if (TextsMatch(field(first, 0), store.listName1()) && TextsMatch(field(first, 1), store.listName2()))
            choices.firstRowIsHeader = true;
    }
    return choices;
}

std::u16string withSubstitutes(std::u16string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u';') {
            out += separatorSubstitute;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += lineBreakSubstitute;
        } else {
            out += c;
        }
    }
    return out;
}

ImportPreview previewImport(const ImportedTable& table, const CWordStore& store, const ImportChoices& choices)
{
    ImportPreview preview;
    preview.listName1 = store.listName1();
    preview.listName2 = store.listName2();
    preview.categoryNames = store.categoryNames();
    const bool defaultNames = store.listName1() == defaultListName1 && store.listName2() == defaultListName2;
    if (store.count() <= 0 || defaultNames) {
        const std::u16string name1 =
            withSubstitutes(withoutControls(columnName(table, choices.column1, choices.firstRowIsHeader)));
        const std::u16string name2 =
            withSubstitutes(withoutControls(columnName(table, choices.column2, choices.firstRowIsHeader)));
        if (!name1.empty() && !name2.empty()) {
            preview.namesChange = name1 != preview.listName1 || name2 != preview.listName2;
            preview.listName1 = name1;
            preview.listName2 = name2;
        }
    }

    std::set<PairKey> stored;
    for (const WordEntry& entry : store.entries())
        if (!entry.text1.empty() && !entry.text2.empty())
            stored.insert(keyOf(entry.text1, entry.text2));

    // Lessons are given categories in the order their first taken row meets them.
    std::vector<int> categoryOfLesson(table.lessonNames.size(), -1);
    const auto categoryFor = [&](int lesson) {
        if (lesson < 0 || static_cast<std::size_t>(lesson) >= table.lessonNames.size())
            return 0;
        int& category = categoryOfLesson[static_cast<std::size_t>(lesson)];
        if (category >= 0)
            return category;
        std::u16string name =
            withSubstitutes(withoutControls(table.lessonNames[static_cast<std::size_t>(lesson)]));
        if (name == uncategorisedLessonName)
            return category = 0;
        if (name.empty()) {
            const std::string digits = std::to_string(lesson + 1);
            name = u"Leciono " + std::u16string(digits.begin(), digits.end());
        }
        auto& names = preview.categoryNames;
        const auto same = std::find(names.begin(), names.end(), name);
        const auto free =
            same != names.end() ? same : std::find(names.begin(), names.end(), std::u16string());
        if (free == names.end()) {
            ++preview.lessonsWithoutCategory;
            return category = 0;
        }
        *free = std::move(name);
        return category = static_cast<int>(free - names.begin()) + 1;
    };

    const std::size_t first = choices.firstRowIsHeader ? 1 : 0;
    for (std::size_t r = first; r < table.rows.size(); ++r) {
        const ImportedRow& row = table.rows[r];
        PreviewRow shown{withoutControls(field(row, choices.column1)),
                         withoutControls(field(row, choices.column2)), 0, RowFate::Taken};
        if (shown.text1.empty() || shown.text2.empty()) {
            shown.fate = RowFate::EmptyText;
        } else if (!isStorableText(shown.text1) || !isStorableText(shown.text2)) {
            if (choices.unstorable == ImportChoices::Unstorable::Skip) {
                shown.fate = RowFate::Unstorable;
            } else {
                shown.text1 = withSubstitutes(shown.text1);
                shown.text2 = withSubstitutes(shown.text2);
                shown.fate = RowFate::TakenWithSubstitutes;
            }
        }
        if (shown.fate == RowFate::Taken || shown.fate == RowFate::TakenWithSubstitutes) {
            const bool isNew = stored.insert(keyOf(shown.text1, shown.text2)).second;
            if (!isNew && choices.skipStoredPairs)
                shown.fate = RowFate::AlreadyStored;
            else
                shown.category = categoryFor(row.lesson);
        }
        preview.rows.push_back(std::move(shown));
    }
    return preview;
}

int applyImport(CWordStore& store, const ImportPreview& preview)
{
    store.setListName1(preview.listName1);
    store.setListName2(preview.listName2);
    for (int category = 1; category <= CWordStore::categoryCount; ++category)
        store.setCategoryName(category, preview.categoryNames[static_cast<std::size_t>(category - 1)]);
    const CalendarDate due = store.defaultAnswerDate();
    int appended = 0;
    for (const PreviewRow& row : preview.rows) {
        if (row.fate != RowFate::Taken && row.fate != RowFate::TakenWithSubstitutes)
            continue;
        WordEntry entry;
        entry.text1 = row.text1;
        entry.text2 = row.text2;
        entry.setBothAnswerDates(due);
        entry.category = row.category;
        store.appendEntry(std::move(entry));
        ++appended;
    }
    return appended;
}
