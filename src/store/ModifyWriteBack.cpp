#include "ModifyWriteBack.h"

#include "CWordStore.h"
#include "DataSetFile.h"

#include <algorithm>
#include <utility>

int boxValueOfCell(std::u16string_view cell)
{
    // The cell shows the box (value + 1) and reads by the number rule of the data-set file.
    const int shown = parseNumber(cell);
    return shown <= 0 ? 0 : shown - 1;
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
