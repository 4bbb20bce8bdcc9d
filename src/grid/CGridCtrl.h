#pragma once

#include "CellRange.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class GridModel;
class GridView;
class QAbstractItemModel;
class QTableView;

// An editable grid of text cells for dialogs that show a table and read their results back from it.
//
// Numbering: rows and columns count from 0, fixed ones included. The first rows may be fixed (a header
// that does not scroll and is not edited; with one fixed row, row 0 is the header and row 1 the first
// data row), likewise the first columns. Several fixed rows show as lines of one header.
// Every cell holds its text, a background colour, and modified and read-only marks. Operations on a
// cell outside the grid do nothing and report failure.
//
// Switches (defaults in brackets): editable [on] lets the user change cells at all; edit lock [off]
// forbids the in-place editor but still lets pastes, drops and Delete change cells; single-row
// selection [off] keeps the selection to one row (see setSelectedRange); drag and drop [off] lets the
// selected cells be dragged onto another cell; row drag mode [on]: the grid accepts no drop while it
// is on, and with it off a drop pastes the dragged texts at the cell dropped on. Hosts set every
// switch they rely on.
//
// The user: a click selects a cell and makes it the focus cell, dragging extends the selection,
// Shift+click extends it from the focus cell, Ctrl+click adds cells; a header click selects the whole
// column (a fixed-column click the whole row) and never sorts; arrows, Page, Home and End move the
// focus cell (with Shift extending), Tab moves across columns; Ctrl+A selects every cell; Delete
// empties the selected cells; Ctrl+C or Ctrl+Insert copies them (cells separated by a tab, rows by a
// line break), Ctrl+X cuts; Ctrl+V or Shift+Insert pastes at the top-left selected cell (the focus
// cell with nothing selected), splitting the text at line breaks, tabs and commas, each part trimmed,
// and selects the pasted cells. A double-click, F2 or a typed character (which replaces the text)
// opens the in-place editor: Enter or Tab keep its text, Escape restores it, and an editor opened
// from the keyboard also closes on the arrow and Page keys. A text wider than its column shows whole
// in a tip. Pressing on a selected cell and moving drags the selected texts (Ctrl: a copy); a drop
// from a grid carries each text whole, a drop of another program's text is split as a paste is;
// either leaves no cell of the receiving grid selected, so that after a drop within one grid the
// source cells keep their text; a move into another program empties the source cells.
//
// Notifications: every change of a cell by the user is put to the begin edit handler before and to
// the end edit handler after, cell by cell: each selected cell for Delete and cut, each cell whose
// text differs for a paste or a drop, an in-place edit when its kept text differs (begin edit is
// asked as the editor opens). The program's own setCellText sends none. A host without handlers
// allows every change.
class CGridCtrl final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CGridCtrl)

public:
    // row and column of the cell concerned; begin edit: false forbids the change; end edit (the cell
    // already holds its new text): false puts the previous text back.
    using EditHandler = std::function<bool(int row, int column)>;

    explicit CGridCtrl(QWidget* parent = nullptr);
    ~CGridCtrl() override;

    // New rows or columns have empty cells; those beyond the count are dropped. False for a negative
    // count. A count below the fixed count lowers the fixed count with it.
    bool setRowCount(int rows);
    bool setColumnCount(int columns);
    int rowCount() const;
    int columnCount() const;
    // The first rows (columns) become fixed, growing the grid when needed; the selection is cleared.
    bool setFixedRowCount(int rows);
    bool setFixedColumnCount(int columns);
    int fixedRowCount() const;
    int fixedColumnCount() const;
    // Width in pixels; false for a column outside the grid or a negative width. The user can drag
    // the column separators of the header.
    bool setColumnWidth(int column, int width);
    int columnWidth(int column) const;
    // The width in pixels that the columns can fill without a horizontal scroll bar: the control's
    // width less its frame, its row header and the vertical scroll bar when its rows need one. Valid
    // before the control is first shown, once its size and rows are set.
    int clientWidth() const;

    // Stores the text and marks the cell modified; no notification. False outside the grid.
    bool setCellText(int row, int column, const QString& text);
    // An empty text outside the grid.
    QString cellText(int row, int column) const;
    // An invalid colour returns the cell to the grid's default. The text is drawn black or white,
    // whichever reads on the colour.
    bool setCellBackground(int row, int column, const QColor& colour);
    QColor cellBackground(int row, int column) const;
    // Set once the cell's text was changed by setCellText, an edit, a paste or a drop.
    bool isCellModified(int row, int column) const;
    // A read-only cell refuses edits, pastes and drops.
    bool setCellReadOnly(int row, int column, bool readOnly);
    bool isCellReadOnly(int row, int column) const;
    // Schedule a repaint of one cell, of the whole grid.
    void redrawCell(int row, int column);
    void refresh();

    bool isCellSelected(int row, int column) const;
    // The smallest rectangle holding every selected cell (not necessarily full); with nothing
    // selected (row count, column count, -1, -1), which is not valid.
    CellRange selectedRange() const;
    // Selects (select true) or deselects a rectangle:
    // 1. a bound of 0 or more inside the fixed rows (columns) is raised to the first non-fixed one;
    // 2. select true first deselects every cell;
    // 3. when the range is valid and inside the grid, its cells are selected or deselected; a range
    //    reaching beyond the last row or column changes nothing here;
    // 4. with single-row selection on, and only after step 3: with one cell at most selected, the
    //    remembered row becomes the range's top row (none without a selected cell); with more, the
    //    cells of the range outside the remembered row are deselected.
    // Repaints follow by themselves.
    void setSelectedRange(int minRow, int minColumn, int maxRow, int maxColumn, bool select = true);
    // Scrolls so that the cell is in view.
    void ensureVisible(int row, int column);
    // The focus cell, -1 and -1 without one.
    int focusRow() const;
    int focusColumn() const;
    // Makes a non-fixed cell the focus cell without changing the selection.
    void setFocusCell(int row, int column);

    bool isEditable() const;
    void setEditable(bool editable);
    bool isEditLocked() const;
    void setEditLocked(bool locked);
    bool isSingleRowSelection() const;
    // On or off, the grid starts with no remembered row.
    void setSingleRowSelection(bool singleRow);
    // The row single-row selection keeps, -1 for none.
    int rememberedRow() const;
    bool isDragAndDropEnabled() const;
    void setDragAndDropEnabled(bool enabled);
    bool isRowDragMode() const;
    void setRowDragMode(bool rowDragMode);

    void setBeginEditHandler(EditHandler handler);
    void setEndEditHandler(EditHandler handler);

    // The user's clipboard actions, also bound to their keys.
    void copySelection() const;
    void cutSelection();
    void pasteClipboard();
    void deleteSelection();

    // The view and model inside, for placing, painting and for tests that act as a user does: the
    // view's rows and columns leave out the fixed ones.
    QTableView* tableView() const;
    QAbstractItemModel* model() const;

signals:
    // Before a mouse click or a key changes the selection: the cell clicked or the focus cell
    // (a header click gives the fixed row or column), -1 where there is none.
    void selectionChanging(int row, int column);
    // After such a change: the focus cell.
    void selectionChanged(int row, int column);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void updateDropAcceptance();
    void updateHeaders();

    GridModel* m_model;
    GridView* m_view;
    std::vector<int> m_fixedColumnWidths;
    bool m_dragAndDrop = false;
    bool m_rowDragMode = true;
};
