#pragma once

#include "CWordStore.h"
#include "ImportedTable.h"

#include <cstddef>
#include <string>
#include <vector>

// What the user decides about an imported table before anything enters the store.
struct ImportChoices
{
    enum class Unstorable
    {
        Replace, // ";" and line breaks give way to their substitutes
        Skip     // rows holding them are left out
    };

    std::size_t column1 = 0; // the column that goes to list 1
    std::size_t column2 = 1; // the column that goes to list 2
    bool firstRowIsHeader = false;
    bool skipStoredPairs = true;
    Unstorable unstorable = Unstorable::Replace;

    bool operator==(const ImportChoices&) const = default;
};

// The substitutes for what the data-set file cannot hold.
inline constexpr std::u16string_view separatorSubstitute = u",";
inline constexpr std::u16string_view lineBreakSubstitute = u" / ";

// The choices to start from: the first two columns (or the two named by the format), a header where
// the first row looks like one or repeats the store's list names, stored pairs left out.
ImportChoices defaultImportChoices(const ImportedTable& table, const CWordStore& store);

// What becomes of one row.
enum class RowFate
{
    Taken,
    TakenWithSubstitutes, // it held ";" or a line break, replaced
    AlreadyStored,        // the store (or an earlier row) holds the pair already
    EmptyText,            // one of its two texts is empty
    Unstorable            // it holds ";" or a line break, and such rows are skipped
};

struct PreviewRow
{
    std::u16string text1; // as it will be stored
    std::u16string text2;
    int category = 0;
    RowFate fate = RowFate::Taken;

    bool operator==(const PreviewRow&) const = default;
};

// Every row of the table as it will be taken, with the names the store will receive.
struct ImportPreview
{
    std::vector<PreviewRow> rows;
    // The list names change only while the store holds no entries or still has the default names.
    bool namesChange = false;
    std::u16string listName1;
    std::u16string listName2;
    CWordStore::CategoryNames categoryNames;
    // Lessons of taken rows that found no free category: their rows stay without category.
    int lessonsWithoutCategory = 0;

    int count(RowFate fate) const;
    int takenCount() const { return count(RowFate::Taken) + count(RowFate::TakenWithSubstitutes); }
};

// The substitute text for one that the data-set file cannot hold.
std::u16string withSubstitutes(std::u16string_view text);

// Works out the fate of every row. Pairs compare as the add-words dialog compares them (TextsMatch).
ImportPreview previewImport(const ImportedTable& table, const CWordStore& store,
                            const ImportChoices& choices);

// Appends the taken rows (boxes 0, both dates defaultAnswerDate) and sets the names of the preview.
// Returns the number of entries appended.
int applyImport(CWordStore& store, const ImportPreview& preview);
