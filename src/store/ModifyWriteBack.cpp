#include "ModifyWriteBack.h"

#include "CWordStore.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace {

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

} // namespace

int boxValueOfCell(std::u16string_view cell)
{
    std::size_t at = 0;
    while (at < cell.size() && isBlank(cell[at]))
        ++at;
    bool negative = false;
    if (at < cell.size() && (cell[at] == u'+' || cell[at] == u'-')) {
        negative = cell[at] == u'-';
        ++at;
    }
    constexpr std::int64_t largest = std::numeric_limits<int>::max();
    std::int64_t number = 0;
    for (; at < cell.size() && cell[at] >= u'0' && cell[at] <= u'9'; ++at)
        number = std::min(number * 10 + (cell[at] - u'0'), largest + 1);
    if (negative || number == 0)
        return 0;
    return static_cast<int>(std::min(number, largest) - 1);
}

void writeBackModifications(CWordStore& store, const std::vector<ModifiedRow>& rows,
                            const std::vector<int>& pendingCategories, const std::vector<bool>& exchanged)
{
    const std::size_t entries = std::min(rows.size(), static_cast<std::size_t>(std::max(store.count(), 0)));
    std::vector<WordEntry> kept;
    kept.reserve(entries);
    for (std::size_t e = 0; e < entries; ++e) {
        const ModifiedRow& row = rows[e];
        if (row.text1.empty() || row.text2.empty())
            continue;
        const WordEntry& original = store.entry(e);
        WordEntry entry = original;
        entry.text1 = row.text1;
        entry.text2 = row.text2;
        entry.box1 = boxValueOfCell(row.box1);
        entry.box2 = boxValueOfCell(row.box2);
        if (e < exchanged.size() && exchanged[e]) {
            entry.setAnswerDate(1, original.answerDate(2));
            entry.setAnswerDate(2, original.answerDate(1));
        }
        if (e < pendingCategories.size() && pendingCategories[e] >= 0)
            entry.category = pendingCategories[e];
        kept.push_back(std::move(entry));
    }
    store.replaceEntries(std::move(kept));
}
