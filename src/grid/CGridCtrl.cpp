#include "CGridCtrl.h"

#include "GridModel.h"
#include "GridSelectionModel.h"
#include "GridView.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QFocusEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

CGridCtrl::CGridCtrl(QWidget* parent)
    : QWidget(parent), m_model(new GridModel(this)), m_view(new GridView(*m_model, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    // The control itself never takes part in the tab order, so that a dialog's order places the
    // view alone: a focus proxy would keep the control's own place in the chain as a second stop.
    setFocusPolicy(Qt::NoFocus);
    connect(m_view, &GridView::selectionChanging, this, &CGridCtrl::selectionChanging);
    connect(m_view, &GridView::selectionChangedByUser, this, &CGridCtrl::selectionChanged);
    updateHeaders();
}

CGridCtrl::~CGridCtrl() = default;

void CGridCtrl::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    m_view->setFocus(event->reason());
}

void CGridCtrl::updateHeaders()
{
    m_view->horizontalHeader()->setVisible(m_model->fixedRowCount() > 0);
    m_view->verticalHeader()->setVisible(m_model->fixedColumnCount() > 0);
    m_fixedColumnWidths.resize(static_cast<std::size_t>(m_model->fixedColumnCount()), 0);
}

bool CGridCtrl::setRowCount(int rows)
{
    const bool done = m_model->setGridRowCount(rows);
    updateHeaders();
    return done;
}

bool CGridCtrl::setColumnCount(int columns)
{
    const bool done = m_model->setGridColumnCount(columns);
    updateHeaders();
    return done;
}

int CGridCtrl::rowCount() const
{
    return m_model->gridRowCount();
}

int CGridCtrl::columnCount() const
{
    return m_model->gridColumnCount();
}

bool CGridCtrl::setFixedRowCount(int rows)
{
    const bool done = m_model->setFixedRowCount(rows);
    updateHeaders();
    return done;
}

bool CGridCtrl::setFixedColumnCount(int columns)
{
    const bool done = m_model->setFixedColumnCount(columns);
    updateHeaders();
    return done;
}

int CGridCtrl::fixedRowCount() const
{
    return m_model->fixedRowCount();
}

int CGridCtrl::fixedColumnCount() const
{
    return m_model->fixedColumnCount();
}

bool CGridCtrl::setColumnWidth(int column, int width)
{
    if (column < 0 || column >= columnCount() || width < 0)
        return false;
    const int fixed = fixedColumnCount();
    if (column >= fixed) {
        m_view->setColumnWidth(column - fixed, width);
        return true;
    }
    // The fixed columns share the row header.
    m_fixedColumnWidths[static_cast<std::size_t>(column)] = width;
    m_view->verticalHeader()->setFixedWidth(
        std::accumulate(m_fixedColumnWidths.begin(), m_fixedColumnWidths.end(), 0));
    return true;
}

int CGridCtrl::columnWidth(int column) const
{
    if (column < 0 || column >= columnCount())
        return 0;
    const int fixed = fixedColumnCount();
    if (column >= fixed)
        return m_view->columnWidth(column - fixed);
    return m_fixedColumnWidths[static_cast<std::size_t>(column)];
}

int CGridCtrl::clientWidth() const
{
    const int frame = 2 * m_view->frameWidth();
    int width = this->width() - frame;
    int height = this->height() - frame;
    const QHeaderView* rowHeader = m_view->verticalHeader();
    if (!rowHeader->isHidden())
        width -= std::max(rowHeader->width(), rowHeader->sizeHint().width());
    if (!m_view->horizontalHeader()->isHidden())
        height -= m_view->horizontalHeader()->sizeHint().height();
    const Qt::ScrollBarPolicy policy = m_view->verticalScrollBarPolicy();
    const qint64 rowsHeight =
        static_cast<qint64>(rowCount() - fixedRowCount()) * rowHeader->defaultSectionSize();
    if (policy == Qt::ScrollBarAlwaysOn || (policy == Qt::ScrollBarAsNeeded && rowsHeight > height))
        width -=
            m_view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_view->verticalScrollBar());
    return std::max(width, 0);
}

bool CGridCtrl::setCellText(int row, int column, const QString& text)
{
    return m_model->setText(row, column, text);
}

QString CGridCtrl::cellText(int row, int column) const
{
    return m_model->text(row, column);
}

bool CGridCtrl::setCellBackground(int row, int column, const QColor& colour)
{
    return m_model->setBackground(row, column, colour);
}

QColor CGridCtrl::cellBackground(int row, int column) const
{
    return m_model->background(row, column);
}

bool CGridCtrl::isCellModified(int row, int column) const
{
    return m_model->isModified(row, column);
}

bool CGridCtrl::setCellReadOnly(int row, int column, bool readOnly)
{
    return m_model->setReadOnly(row, column, readOnly);
}

bool CGridCtrl::isCellReadOnly(int row, int column) const
{
    return m_model->isReadOnly(row, column);
}

void CGridCtrl::redrawCell(int row, int column)
{
    const QModelIndex cell = m_model->cellIndex(row, column);
    if (cell.isValid())
        m_view->update(cell);
    else if (m_model->contains(row, column))
        refresh();
}

void CGridCtrl::refresh()
{
    m_view->viewport()->update();
    m_view->horizontalHeader()->viewport()->update();
    m_view->verticalHeader()->viewport()->update();
}

bool CGridCtrl::isCellSelected(int row, int column) const
{
    const QModelIndex cell = m_model->cellIndex(row, column);
    return cell.isValid() && m_view->gridSelection().isSelected(cell);
}

CellRange CGridCtrl::selectedRange() const
{
    const QItemSelection selected = m_view->gridSelection().selection();
    if (selected.isEmpty())
        return {rowCount(), columnCount(), -1, -1};
    CellRange range{rowCount(), columnCount(), -1, -1};
    for (const QItemSelectionRange& part : selected) {
        range.minRow = std::min(range.minRow, part.top() + fixedRowCount());
        range.minColumn = std::min(range.minColumn, part.left() + fixedColumnCount());
        range.maxRow = std::max(range.maxRow, part.bottom() + fixedRowCount());
        range.maxColumn = std::max(range.maxColumn, part.right() + fixedColumnCount());
    }
    return range;
}

void CGridCtrl::setSelectedRange(int minRow, int minColumn, int maxRow, int maxColumn, bool select)
{
    const int fixedRows = fixedRowCount();
    const int fixedColumns = fixedColumnCount();
    const auto raise = [](int bound, int fixed) { return bound >= 0 && bound < fixed ? fixed : bound; };
    const CellRange range{raise(minRow, fixedRows), raise(minColumn, fixedColumns), raise(maxRow, fixedRows),
                          raise(maxColumn, fixedColumns)};
    GridSelectionModel& selection = m_view->gridSelection();
    if (select)
        selection.selectWithoutRule(QItemSelection(), QItemSelectionModel::Clear);
    if (!range.isValid() || range.maxRow >= rowCount() || range.maxColumn >= columnCount())
        return;
    const QItemSelection rectangle(m_model->cellIndex(range.minRow, range.minColumn),
                                   m_model->cellIndex(range.maxRow, range.maxColumn));
    selection.selectWithoutRule(rectangle,
                                select ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
    if (selection.isSingleRow())
        selection.keepOneRow(rectangle);
}

void CGridCtrl::ensureVisible(int row, int column)
{
    const QModelIndex cell =
        m_model->cellIndex(std::max(row, fixedRowCount()), std::max(column, fixedColumnCount()));
    if (cell.isValid())
        m_view->scrollTo(cell);
}

int CGridCtrl::focusRow() const
{
    const QModelIndex focus = m_view->currentIndex();
    return focus.isValid() ? m_model->gridRow(focus) : -1;
}

int CGridCtrl::focusColumn() const
{
    const QModelIndex focus = m_view->currentIndex();
    return focus.isValid() ? m_model->gridColumn(focus) : -1;
}

void CGridCtrl::setFocusCell(int row, int column)
{
    const QModelIndex cell = m_model->cellIndex(row, column);
    if (cell.isValid())
        m_view->gridSelection().setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
}

bool CGridCtrl::isEditable() const
{
    return m_model->isEditable();
}

void CGridCtrl::setEditable(bool editable)
{
    m_model->setEditable(editable);
}

bool CGridCtrl::isEditLocked() const
{
    return m_view->isEditLocked();
}

void CGridCtrl::setEditLocked(bool locked)
{
    m_view->setEditLocked(locked);
}

bool CGridCtrl::isSingleRowSelection() const
{
    return m_view->gridSelection().isSingleRow();
}

void CGridCtrl::setSingleRowSelection(bool singleRow)
{
    m_view->gridSelection().setSingleRow(singleRow);
}

int CGridCtrl::rememberedRow() const
{
    const int row = m_view->gridSelection().rememberedRow();
    return row < 0 ? -1 : row + fixedRowCount();
}

bool CGridCtrl::isDragAndDropEnabled() const
{
    return m_dragAndDrop;
}

void CGridCtrl::setDragAndDropEnabled(bool enabled)
{
    m_dragAndDrop = enabled;
    m_view->setDragEnabled(enabled);
    m_model->setDragEnabled(enabled);
    updateDropAcceptance();
}

bool CGridCtrl::isRowDragMode() const
{
    return m_rowDragMode;
}

void CGridCtrl::setRowDragMode(bool rowDragMode)
{
    m_rowDragMode = rowDragMode;
    updateDropAcceptance();
}

void CGridCtrl::updateDropAcceptance()
{
    const bool accepted = m_dragAndDrop && !m_rowDragMode;
    m_model->setDropsAccepted(accepted);
    m_view->setAcceptDrops(accepted);
}

void CGridCtrl::setBeginEditHandler(EditHandler handler)
{
    m_model->setBeginEditCheck(std::move(handler));
}

void CGridCtrl::setEndEditHandler(EditHandler handler)
{
    m_model->setEndEditCheck(std::move(handler));
}

void CGridCtrl::copySelection() const
{
    m_view->copySelection();
}

void CGridCtrl::cutSelection()
{
    m_view->cutSelection();
}

void CGridCtrl::pasteClipboard()
{
    m_view->pasteClipboard();
}

void CGridCtrl::deleteSelection()
{
    m_view->deleteSelection();
}

QTableView* CGridCtrl::tableView() const
{
    return m_view;
}

QAbstractItemModel* CGridCtrl::model() const
{
    return m_model;
}
