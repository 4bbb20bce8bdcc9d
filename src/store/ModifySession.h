#pragma once

#include "CategoryColours.h"
#include "ModifiedRow.h"

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class CWordStore;

// What "Modifo" keeps while the user works, and its rules: the rows as the user leaves them, the
// search, the exchange marks and the pending categories, then the write-back. The grid shows the
// rows; every change the user makes to a cell comes here. Entry e is the entry e of the store as it
// was when the dialog opened; its grid row is e + 1.
class ModifySession final
{
public:
    // The columns of a row: list 1, its box, list 2, its box.
    static constexpr int columnCount = 4;

    explicit ModifySession(const CWordStore& store);

    int count() const { return m_count; }
    // The four cells of the entry's row: its texts and boxes (shown from 1) until the user changes them.
    ModifiedRow row(int entry) const;
    // The user changed the cell (an edit, a paste, a drop, Delete or a cut).
    void setCellText(int entry, int column, std::u16string text);

    struct SearchLook
    {
        Rgb colour; // of the search field; its text is black
        int matches = 0;
        std::u16string countText; // the number of matches from 2 on, empty below
    };
    // The search text changed: counts the entries whose stored texts contain it and whose rows
    // still hold both list texts, and starts the next find-next from the first entry.
    SearchLook setSearchText(std::u16string text);
    // ">" and Enter: the next such entry after the one found last, wrapping around after the last;
    // none for an empty search text or when no entry matches.
    std::optional<int> findNext();

    // "<----->" on the row of the entry: its two texts and two boxes change places, and its lists
    // are exchanged once more at the write-back.
    void exchangeLists(int entry);
    bool isExchanged(int entry) const { return m_exchanged[static_cast<std::size_t>(entry)]; }
    // "Forigu" answered Yes for the row of the entry: its four cells are emptied.
    void emptyRow(int entry);
    // "Apliku" on the row of the entry: the category it takes at the write-back.
    void setPendingCategory(int entry, int category);
    int pendingCategory(int entry) const { return m_pendingCategories[static_cast<std::size_t>(entry)]; }

    // The rows "<----->", "Forigu" and "Apliku" work on: from the larger of 1 and minRow up to
    // maxRow, each row with at least one selected cell.
    static std::vector<int> selectedRows(int minRow, int maxRow,
                                         const std::function<bool(int row)>& hasSelectedCell);

    // "Konfirmu" answered Yes: the rows go into the store.
    void writeBack(CWordStore& store) const;

private:
    bool matches(int entry) const;
    ModifiedRow& changedRow(int entry);

    const CWordStore& m_store;
    int m_count;
    // Only the rows the user changed: opening on a large data set copies nothing.
    std::unordered_map<int, ModifiedRow> m_changedRows;
    std::u16string m_searchText;
    int m_searchPosition = -1;
    std::vector<int> m_pendingCategories;
    std::vector<bool> m_exchanged;
};

// The questions of "Forigu" on the selected rows, one at a time: with a selection spanning two rows
// or more, first whether to empty the whole group (Yes empties every row at once); otherwise, or on
// No, whether to empty each row in turn.
class DeleteQuestions final
{
public:
    enum class Question
    {
        WholeGroup,
        OneRow
    };
    struct Next
    {
        Question question;
        int row; // the row asked about; the first selected row for the group question
    };

    // rows: the selected rows, top to bottom; span: the rows of the selected range.
    DeleteQuestions(std::vector<int> rows, int span);

    // The question to ask next; none once every row is decided.
    std::optional<Next> next() const;
    // The answer to the question next() gave: the rows to empty now.
    std::vector<int> answer(bool yes);

private:
    std::vector<int> m_rows;
    std::size_t m_next = 0;
    bool m_askGroup;
};
