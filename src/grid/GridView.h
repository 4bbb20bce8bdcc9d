#pragma once

#include <QTableView>

class GridCellDelegate;
class GridModel;
class GridSelectionModel;

// The table view inside a grid control: it paints the visible cells and turns the user's mouse and
// keys into selection, in-place editing, clipboard and drag actions on the grid's model. Rows and
// columns in its signals are in the grid's numbering (fixed ones counted), -1 for none.
class GridView final : public QTableView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GridView)

public:
    explicit GridView(GridModel& model, QWidget* parent = nullptr);

    GridSelectionModel& gridSelection() const { return *m_selection; }
    bool isEditLocked() const { return m_editLocked; }
    void setEditLocked(bool locked) { m_editLocked = locked; }

    // The selected cells' texts to the clipboard, cells separated by a tab, rows by a line break.
    void copySelection() const;
    void cutSelection();
    // The clipboard's text at the top-left selected cell, or the focus cell with nothing selected.
    void pasteClipboard();
    // Empties every selected cell, each as a change by the user.
    void deleteSelection();
    // The selected cells, top row first and left to right within a row.
    QModelIndexList selectedCellsInOrder() const;

    using QTableView::edit;

signals:
    void selectionChanging(int row, int column);
    void selectionChangedByUser(int row, int column);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void beginUserSelection(int row, int column);
    void endUserSelection();
    void moveByKey(int key, Qt::KeyboardModifiers modifiers);
    bool leavesByTab(const QKeyEvent* event) const;
    static bool isForwardTab(const QKeyEvent* event);
    bool isWiderThanColumn(const QModelIndex& index, const QString& text) const;
    int gridRowOf(const QModelIndex& index) const;
    int gridColumnOf(const QModelIndex& index) const;

    GridModel& m_model;
    GridSelectionModel* m_selection;
    GridCellDelegate* m_delegate;
    bool m_editLocked = false;
    bool m_selectionTouched = false;
};
