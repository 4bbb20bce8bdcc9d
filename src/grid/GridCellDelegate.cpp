#include "GridCellDelegate.h"

#include "GridKeys.h"
#include "GridModel.h"

#include <QKeyEvent>
#include <QLineEdit>

GridCellDelegate::GridCellDelegate(GridModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model)
{}

void GridCellDelegate::prepareEditor(bool fromKeyboard, bool replaceText)
{
    m_fromKeyboard = fromKeyboard;
    m_replaceText = replaceText;
}

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex&) const
{
    auto* editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("cellLineEdit"));
    editor->setFrame(false);
    return editor;
}

void GridCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* field = static_cast<QLineEdit*>(editor);
    if (m_replaceText) {
        m_replaceText = false;
        field->clear();
        return;
    }
    field->setText(index.data(Qt::EditRole).toString());
}

void GridCellDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const
{
    if (!index.isValid())
        return;
    m_model.commitEditedText(m_model.gridRow(index), m_model.gridColumn(index),
                             static_cast<QLineEdit*>(editor)->text());
}

bool GridCellDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Consumed here, so that Enter ends the edit and never reaches the dialog's default button.
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            return true;
        }
        if (movesFocusCell(key->key())) {
            if (!m_fromKeyboard) {
                // Left and Right move the text cursor; the other keys stay in the editor too rather
                // than reaching the view behind it.
                return key->key() != Qt::Key_Left && key->key() != Qt::Key_Right;
            }
            const int pressed = key->key();
            const Qt::KeyboardModifiers modifiers = key->modifiers();
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            emit editorLeftByKey(pressed, modifiers);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
