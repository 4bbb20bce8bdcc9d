#pragma once

#include "CellRange.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// The cells of a grid control and the rules for changing them. Rows and columns are counted in the
// grid's numbering, where the first rows and columns may be fixed; Qt's views see only the cells that
// are not fixed, the fixed rows as the horizontal header and the fixed columns as the vertical one.
// Changes made by the user (in-place edit, paste, drop, Delete) pass the begin and end edit checks;
// setText, for the program itself, does not.
class GridModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GridModel)

public:
    // Asked with the row and column of the cell concerned; false refuses (begin) or undoes (end).
    using EditCheck = std::function<bool(int row, int column)>;

    // The drag format that carries whole cell texts between grids, unsplit.
    static QString cellsMimeType();

    explicit GridModel(QObject* parent = nullptr);

    int gridRowCount() const { return m_rows; }
    int gridColumnCount() const { return m_columns; }
    int fixedRowCount() const { return m_fixedRows; }
    int fixedColumnCount() const { return m_fixedColumns; }
    // Each returns false for a negative count. Setting a fixed count grows the grid when needed.
    bool setGridRowCount(int rows);
    bool setGridColumnCount(int columns);
    bool setFixedRowCount(int rows);
    bool setFixedColumnCount(int columns);

    bool contains(int row, int column) const;
    bool isFixed(int row, int column) const;
    // The view's index of a cell; invalid for a fixed cell or one outside the grid.
    QModelIndex cellIndex(int row, int column) const;
    int gridRow(const QModelIndex& index) const { return index.row() + m_fixedRows; }
    int gridColumn(const QModelIndex& index) const { return index.column() + m_fixedColumns; }

    // An empty text outside the grid.
    QString text(int row, int column) const;
    // Stores the text and marks the cell modified, without the edit checks; false outside the grid.
    bool setText(int row, int column, const QString& text);
    // An invalid colour stands for the grid's default background.
    QColor background(int row, int column) const;
    bool setBackground(int row, int column, const QColor& colour);
    bool isModified(int row, int column) const;
    bool isReadOnly(int row, int column) const;
    bool setReadOnly(int row, int column, bool readOnly);

    bool isEditable() const { return m_editable; }
    void setEditable(bool editable);
    void setDragEnabled(bool enabled) { m_dragEnabled = enabled; }
    void setDropsAccepted(bool accepted) { m_dropsAccepted = accepted; }
    void setBeginEditCheck(EditCheck check) { m_beginEdit = std::move(check); }
    void setEndEditCheck(EditCheck check) { m_endEdit = std::move(check); }

    // Whether the user may change the cell at all: the grid is editable, the cell exists and is
    // neither fixed nor read-only.
    bool mayUserChange(int row, int column) const;
    // The begin edit check alone, for an editor about to open.
    bool askBeginEdit(int row, int column) const;
    // A change by the user: begin edit, the new text, end edit; the previous text comes back when
    // end edit says no. False when the change was refused or undone.
    bool changeTextByUser(int row, int column, const QString& text);
    // The text an in-place editor kept (begin edit was asked when it opened): stored with the end
    // edit check only when it differs from the cell's text.
    bool commitEditedText(int row, int column, const QString& text);
    // Writes rows of cell texts with (row, column) as the top-left cell, each differing cell as a user
    // change; parts beyond the grid are dropped. Returns the rectangle reached inside the grid, or
    // an invalid range when the block misses the grid.
    CellRange pasteCells(int row, int column, const QList<QStringList>& cells);
    // Pastes plain text split at line breaks, tabs and commas (CellTexts::split).
    CellRange pasteText(int row, int column, const QString& text);
    // The texts of the given cells as rows: one row per view row holding any of them, the columns of
    // the leftmost to the rightmost cell, empty texts where a cell is not among them.
    QList<QStringList> cellTexts(const QModelIndexList& indexes) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The edit role commits an in-place edit (commitEditedText).
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    QStringList mimeTypes() const override;
    // The cells' texts as plain text (tab and line break separated) and, whole, in cellsMimeType().
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    // Pastes at the cell dropped on: whole texts from a grid, or plain text split as a paste is.
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;

signals:
    // A drop has been pasted; the view then clears its selection.
    void cellsDropped();

private:
    struct Cell
    {
        QString text;
        QColor background;
        bool modified = false;
        bool readOnly = false;
    };

    Cell& cell(int row, int column) { return m_cells[static_cast<std::size_t>(row) * m_columns + column]; }
    const Cell& cell(int row, int column) const
    {
        return m_cells[static_cast<std::size_t>(row) * m_columns + column];
    }
    bool isCell(const QModelIndex& index) const;
    void reshape(int rows, int columns, int fixedRows, int fixedColumns);
    void emitCellChanged(int row, int column, const QList<int>& roles);
    bool storeUserText(int row, int column, const QString& text);
    QModelIndex dropTarget(int row, int column, const QModelIndex& parent) const;

    std::vector<Cell> m_cells;
    int m_rows = 0;
    int m_columns = 0;
    int m_fixedRows = 0;
    int m_fixedColumns = 0;
    bool m_editable = true;
    bool m_dragEnabled = false;
    bool m_dropsAccepted = false;
    EditCheck m_beginEdit;
    EditCheck m_endEdit;
};
