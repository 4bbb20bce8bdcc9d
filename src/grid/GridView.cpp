#include "GridView.h"

#include "CellTexts.h"
#include "GridCellDelegate.h"
#include "GridKeys.h"
#include "GridModel.h"
#include "GridSelectionModel.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>

namespace {

bool isKey(const QKeyEvent* event, int key, Qt::KeyboardModifiers modifiers)
{
    return event->key() == key && (event->modifiers() & ~Qt::KeypadModifier) == modifiers;
}

} // namespace

GridView::GridView(GridModel& model, QWidget* parent)
    : QTableView(parent), m_model(model), m_selection(nullptr), m_delegate(new GridCellDelegate(model, this))
{
    setObjectName(QStringLiteral("cellTableView"));
    setModel(&model);
    QItemSelectionModel* initial = selectionModel();
    m_selection = new GridSelectionModel(&model, this);
    setSelectionModel(m_selection);
    delete initial;
    setItemDelegate(m_delegate);

    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSortingEnabled(false);
    setWordWrap(false);
    setTabKeyNavigation(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDragDropOverwriteMode(true);
    setDropIndicatorShown(true);
    setDefaultDropAction(Qt::MoveAction);
    setDragEnabled(false);
    setAcceptDrops(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(fontMetrics().height());
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(true);
    horizontalHeader()->setSortIndicatorShown(false);
    horizontalHeader()->viewport()->installEventFilter(this);
    rows->viewport()->installEventFilter(this);

    // Connected after the view's own connections, so these run once the header has selected.
    connect(horizontalHeader(), &QHeaderView::sectionPressed, this, &GridView::endUserSelection);
    connect(horizontalHeader(), &QHeaderView::sectionEntered, this, &GridView::endUserSelection);
    connect(rows, &QHeaderView::sectionPressed, this, &GridView::endUserSelection);
    connect(rows, &QHeaderView::sectionEntered, this, &GridView::endUserSelection);
    connect(m_selection, &QItemSelectionModel::selectionChanged, this, [this] { m_selectionTouched = true; });
    connect(&model, &GridModel::cellsDropped, this, [this] { m_selection->clearSelection(); });
    connect(m_delegate, &GridCellDelegate::editorLeftByKey, this, &GridView::moveByKey);
}

int GridView::gridRowOf(const QModelIndex& index) const
{
    return index.isValid() ? m_model.gridRow(index) : -1;
}

int GridView::gridColumnOf(const QModelIndex& index) const
{
    return index.isValid() ? m_model.gridColumn(index) : -1;
}

QModelIndexList GridView::selectedCellsInOrder() const
{
    QModelIndexList cells = m_selection->selectedIndexes();
    std::sort(cells.begin(), cells.end(), [](const QModelIndex& a, const QModelIndex& b) {
        return a.row() != b.row() ? a.row() < b.row() : a.column() < b.column();
    });
    return cells;
}

void GridView::copySelection() const
{
    const QModelIndexList cells = selectedCellsInOrder();
    if (!cells.isEmpty())
        QApplication::clipboard()->setText(CellTexts::join(m_model.cellTexts(cells)));
}

void GridView::cutSelection()
{
    copySelection();
    deleteSelection();
}

void GridView::deleteSelection()
{
    const QModelIndexList cells = selectedCellsInOrder();
    for (const QModelIndex& cell : cells) {
        if (cell.isValid())
            m_model.changeTextByUser(m_model.gridRow(cell), m_model.gridColumn(cell), QString());
    }
}

void GridView::pasteClipboard()
{
    const QModelIndexList cells = selectedCellsInOrder();
    QModelIndex target = currentIndex();
    if (!cells.isEmpty()) {
        int left = cells.front().column();
        for (const QModelIndex& cell : cells)
            left = std::min(left, cell.column());
        target = m_model.index(cells.front().row(), left);
    }
    if (!target.isValid())
        return;
    const CellRange pasted = m_model.pasteText(m_model.gridRow(target), m_model.gridColumn(target),
                                               QApplication::clipboard()->text());
    if (!pasted.isValid())
        return;
    const QModelIndex topLeft = m_model.cellIndex(pasted.minRow, pasted.minColumn);
    const QModelIndex bottomRight = m_model.cellIndex(pasted.maxRow, pasted.maxColumn);
    if (topLeft.isValid() && bottomRight.isValid())
        m_selection->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
}

bool GridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool opensEditor = index.isValid() && (editTriggers() & trigger) && state() != EditingState;
    if (opensEditor) {
        if (trigger == AnyKeyPressed) {
            const auto* key =
                event && event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
            if (!key || key->text().isEmpty() || !key->text().front().isPrint())
                return false;
        }
        const int row = m_model.gridRow(index);
        const int column = m_model.gridColumn(index);
        if (m_editLocked || !m_model.mayUserChange(row, column) || !m_model.askBeginEdit(row, column))
            return false;
        m_delegate->prepareEditor(trigger != DoubleClicked, trigger == AnyKeyPressed);
    }
    return QTableView::edit(index, trigger, event);
}

void GridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Tab leaves the editor for the next cell without opening another editor there.
    if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        moveByKey(hint == QAbstractItemDelegate::EditNextItem ? Qt::Key_Tab : Qt::Key_Backtab,
                  Qt::NoModifier);
        return;
    }
    QTableView::closeEditor(editor, hint);
}

void GridView::moveByKey(int key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    keyPressEvent(&press);
}

void GridView::beginUserSelection(int row, int column)
{
    emit selectionChanging(row, column);
    m_selectionTouched = false;
}

void GridView::endUserSelection()
{
    if (!m_selectionTouched)
        return;
    m_selectionTouched = false;
    emit selectionChangedByUser(gridRowOf(currentIndex()), gridColumnOf(currentIndex()));
}

bool GridView::leavesByTab(const QKeyEvent* event) const
{
    if (event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab)
        return false;
    if (event->modifiers() & Qt::ControlModifier)
        return true;
    const QModelIndex current = currentIndex();
    if (!current.isValid() || model()->rowCount() == 0 || model()->columnCount() == 0)
        return true;
    if (isForwardTab(event))
        return current.row() == model()->rowCount() - 1 && current.column() == model()->columnCount() - 1;
    return current.row() == 0 && current.column() == 0;
}

bool GridView::isForwardTab(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
}

void GridView::keyPressEvent(QKeyEvent* event)
{
    // Tab walks the cells; Ctrl+Tab, and Tab past the last cell (Shift+Tab before the first), go on
    // to the dialog's next (previous) control.
    if (leavesByTab(event)) {
        QWidget::focusNextPrevChild(isForwardTab(event));
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy) || isKey(event, Qt::Key_C, Qt::ControlModifier) ||
        isKey(event, Qt::Key_Insert, Qt::ControlModifier)) {
        copySelection();
    } else if (event->matches(QKeySequence::Cut) || isKey(event, Qt::Key_X, Qt::ControlModifier)) {
        cutSelection();
    } else if (event->matches(QKeySequence::Paste) || isKey(event, Qt::Key_V, Qt::ControlModifier) ||
               isKey(event, Qt::Key_Insert, Qt::ShiftModifier)) {
        pasteClipboard();
    } else if (isKey(event, Qt::Key_Delete, Qt::NoModifier)) {
        deleteSelection();
    } else if (event->matches(QKeySequence::SelectAll) || isKey(event, Qt::Key_A, Qt::ControlModifier)) {
        beginUserSelection(gridRowOf(currentIndex()), gridColumnOf(currentIndex()));
        selectAll();
        endUserSelection();
    } else if (isKey(event, Qt::Key_F2, Qt::NoModifier)) {
        if (!edit(currentIndex(), EditKeyPressed, event))
            event->ignore();
        return;
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
               event->key() == Qt::Key_Escape) {
        // The dialog around the grid answers these.
        event->ignore();
        return;
    } else if (isNavigationKey(event->key())) {
        beginUserSelection(gridRowOf(currentIndex()), gridColumnOf(currentIndex()));
        QTableView::keyPressEvent(event);
        endUserSelection();
        return;
    } else {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void GridView::keyboardSearch(const QString&)
{
    // Typing starts the editor or does nothing; it never jumps to a cell by its text.
}

void GridView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex cell = indexAt(event->position().toPoint());
    beginUserSelection(gridRowOf(cell), gridColumnOf(cell));
    QTableView::mousePressEvent(event);
    endUserSelection();
}

void GridView::mouseMoveEvent(QMouseEvent* event)
{
    QTableView::mouseMoveEvent(event);
    endUserSelection();
}

void GridView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    endUserSelection();
}

bool GridView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const int x = press->position().toPoint().x();
        const int y = press->position().toPoint().y();
        if (watched == horizontalHeader()->viewport()) {
            const int section = horizontalHeader()->logicalIndexAt(x);
            beginUserSelection(0, section < 0 ? -1 : section + m_model.fixedColumnCount());
        } else if (watched == verticalHeader()->viewport()) {
            const int section = verticalHeader()->logicalIndexAt(y);
            beginUserSelection(section < 0 ? -1 : section + m_model.fixedRowCount(), 0);
        }
    }
    return QTableView::eventFilter(watched, event);
}

void GridView::startDrag(Qt::DropActions supportedActions)
{
    const QModelIndexList cells = selectedCellsInOrder();
    if (cells.isEmpty())
        return;
    QMimeData* texts = m_model.mimeData(cells);
    if (!texts)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(texts);
    // A move empties the cells still selected: after a drop within this grid there are none.
    if (drag->exec(supportedActions, Qt::MoveAction) == Qt::MoveAction)
        deleteSelection();
}

bool GridView::isWiderThanColumn(const QModelIndex& index, const QString& text) const
{
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return fontMetrics().horizontalAdvance(text) + 2 * margin > columnWidth(index.column());
}

bool GridView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex cell = indexAt(help->pos());
        const QString text = cell.data().toString();
        if (cell.isValid() && isWiderThanColumn(cell, text)) {
            QToolTip::showText(help->globalPos(), text, viewport(), visualRect(cell));
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QTableView::viewportEvent(event);
}
