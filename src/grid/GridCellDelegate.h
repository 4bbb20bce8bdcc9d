#pragma once

#include <QStyledItemDelegate>

class GridModel;

// The in-place editor of a grid cell: a frameless one-line field. Enter and Tab keep the text, Escape
// restores it. An editor opened from the keyboard also closes on the arrow and Page keys, keeping its
// text, and hands the key back so that the focus cell moves on.
class GridCellDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GridCellDelegate)

public:
    explicit GridCellDelegate(GridModel& model, QObject* parent = nullptr);

    // Says how the next editor opens: from the keyboard or not, and whether the key typed replaces
    // the cell's text (the editor then starts empty and receives the key).
    void prepareEditor(bool fromKeyboard, bool replaceText);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

signals:
    // An editor opened from the keyboard was closed by a key that moves the focus cell.
    void editorLeftByKey(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    GridModel& m_model;
    bool m_fromKeyboard = false;
    mutable bool m_replaceText = false;
};
