#pragma once

#include "ModifySession.h"

#include <QColor>
#include <QDialog>
#include <string>
#include <vector>

class CGridCtrl;
class CWordStore;
class Prompts;
class QComboBox;
class QLabel;
class QLineEdit;

// "Modifo": the whole data set in a grid, one row per entry, where the user corrects texts and boxes,
// deletes entries, exchanges the two lists of entries and gives them categories, and finds entries by
// a piece of their text. The dialog works on its grid alone; the store changes only when "Konfirmu"
// is answered Yes, through writeBackModifications.
class CDlg_Modifu final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDlg_Modifu)

public:
    CDlg_Modifu(CWordStore& store, Prompts& prompts, QWidget* parent = nullptr);

    // ">" and Enter: selects the next entry holding the search text, wrapping around after the last.
    void findNext();
    // "<----->": exchanges the two lists of the selected rows.
    void exchangeLists();
    // "Forigu": empties the selected rows after asking; they are dropped at the write-back.
    void deleteRows();
    // "Apliku": gives the selected rows the category chosen in the list.
    void applyCategory();
    // "Konfirmu": asks, writes back on Yes, and closes either way.
    void confirm();

private:
    void fillGrid();
    void fillCategoryList();
    void searchTextChanged();
    void showSearchColour(const QColor& colour);
    // The entry rows with at least one selected cell, top to bottom.
    std::vector<int> selectedRows() const;
    // An entry counts for the search while its row still holds both list texts.
    void showRow(int entry);
    // The end edit answer: a text the data-set file cannot hold is refused with a message.
    bool acceptEditedCell(int row, int column);

    CWordStore& m_store;
    Prompts& m_prompts;
    int m_count;
    CGridCtrl* m_grid;
    QLineEdit* m_searchEdit;
    QLabel* m_matchCountLabel;
    QComboBox* m_categoryCombo;
    std::vector<int> m_categoryChoices;
    ModifySession m_session;
};
