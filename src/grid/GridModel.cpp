#include "GridModel.h"

#include "CellTexts.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <algorithm>
#include <map>

namespace {

int perceivedBrightness(const QColor& colour)
{
    return (299 * colour.red() + 587 * colour.green() + 114 * colour.blue()) / 1000;
}

} // namespace

QString GridModel::cellsMimeType()
{
    return QStringLiteral("application/x-zenvalo-grid-cells");
}

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridModel::reshape(int rows, int columns, int fixedRows, int fixedColumns)
{
    if (columns != m_columns) {
        std::vector<Cell> cells(static_cast<std::size_t>(rows) * columns);
        const int keptRows = std::min(rows, m_rows);
        const int keptColumns = std::min(columns, m_columns);
        for (int row = 0; row < keptRows; ++row)
            for (int column = 0; column < keptColumns; ++column)
                cells[static_cast<std::size_t>(row) * columns + column] = std::move(cell(row, column));
        m_cells = std::move(cells);
    } else {
        m_cells.resize(static_cast<std::size_t>(rows) * columns);
    }
    m_rows = rows;
    m_columns = columns;
    m_fixedRows = fixedRows;
    m_fixedColumns = fixedColumns;
}

bool GridModel::setGridRowCount(int rows)
{
    if (rows < 0)
        return false;
    if (rows == m_rows)
        return true;
    if (rows < m_fixedRows) {
        beginResetModel();
        reshape(rows, m_columns, rows, m_fixedColumns);
        endResetModel();
    } else if (rows > m_rows) {
        beginInsertRows({}, m_rows - m_fixedRows, rows - m_fixedRows - 1);
        reshape(rows, m_columns, m_fixedRows, m_fixedColumns);
        endInsertRows();
    } else {
        beginRemoveRows({}, rows - m_fixedRows, m_rows - m_fixedRows - 1);
        reshape(rows, m_columns, m_fixedRows, m_fixedColumns);
        endRemoveRows();
    }
    return true;
}

bool GridModel::setGridColumnCount(int columns)
{
    if (columns < 0)
        return false;
    if (columns == m_columns)
        return true;
    if (columns < m_fixedColumns) {
        beginResetModel();
        reshape(m_rows, columns, m_fixedRows, columns);
        endResetModel();
    } else if (columns > m_columns) {
        beginInsertColumns({}, m_columns - m_fixedColumns, columns - m_fixedColumns - 1);
        reshape(m_rows, columns, m_fixedRows, m_fixedColumns);
        endInsertColumns();
    } else {
        beginRemoveColumns({}, columns - m_fixedColumns, m_columns - m_fixedColumns - 1);
        reshape(m_rows, columns, m_fixedRows, m_fixedColumns);
        endRemoveColumns();
    }
    return true;
}

bool GridModel::setFixedRowCount(int rows)
{
    if (rows < 0)
        return false;
    beginResetModel();
    reshape(std::max(rows, m_rows), m_columns, rows, m_fixedColumns);
    endResetModel();
    return true;
}

bool GridModel::setFixedColumnCount(int columns)
{
    if (columns < 0)
        return false;
    beginResetModel();
    reshape(m_rows, std::max(columns, m_columns), m_fixedRows, columns);
    endResetModel();
    return true;
}

bool GridModel::contains(int row, int column) const
{
    return row >= 0 && column >= 0 && row < m_rows && column < m_columns;
}

bool GridModel::isFixed(int row, int column) const
{
    return row < m_fixedRows || column < m_fixedColumns;
}

QModelIndex GridModel::cellIndex(int row, int column) const
{
    if (!contains(row, column) || isFixed(row, column))
        return {};
    return index(row - m_fixedRows, column - m_fixedColumns);
}

bool GridModel::isCell(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this && index.row() < rowCount() &&
           index.column() < columnCount();
}

QString GridModel::text(int row, int column) const
{
    return contains(row, column) ? cell(row, column).text : QString();
}

void GridModel::emitCellChanged(int row, int column, const QList<int>& roles)
{
    if (row < m_fixedRows || column < m_fixedColumns) {
        if (column >= m_fixedColumns)
            emit headerDataChanged(Qt::Horizontal, column - m_fixedColumns, column - m_fixedColumns);
        if (row >= m_fixedRows)
            emit headerDataChanged(Qt::Vertical, row - m_fixedRows, row - m_fixedRows);
        return;
    }
    const QModelIndex changed = index(row - m_fixedRows, column - m_fixedColumns);
    emit dataChanged(changed, changed, roles);
}

bool GridModel::setText(int row, int column, const QString& text)
{
    if (!contains(row, column))
        return false;
    Cell& target = cell(row, column);
    target.modified = true;
    if (target.text != text) {
        target.text = text;
        emitCellChanged(row, column, {Qt::DisplayRole, Qt::EditRole});
    }
    return true;
}

QColor GridModel::background(int row, int column) const
{
    return contains(row, column) ? cell(row, column).background : QColor();
}

bool GridModel::setBackground(int row, int column, const QColor& colour)
{
    if (!contains(row, column))
        return false;
    Cell& target = cell(row, column);
    if (target.background != colour) {
        target.background = colour;
        emitCellChanged(row, column, {Qt::BackgroundRole, Qt::ForegroundRole});
    }
    return true;
}

bool GridModel::isModified(int row, int column) const
{
    return contains(row, column) && cell(row, column).modified;
}

bool GridModel::isReadOnly(int row, int column) const
{
    return contains(row, column) && cell(row, column).readOnly;
}

bool GridModel::setReadOnly(int row, int column, bool readOnly)
{
    if (!contains(row, column))
        return false;
    cell(row, column).readOnly = readOnly;
    return true;
}

void GridModel::setEditable(bool editable)
{
    m_editable = editable;
}

bool GridModel::mayUserChange(int row, int column) const
{
    return m_editable && contains(row, column) && !isFixed(row, column) && !cell(row, column).readOnly;
}

bool GridModel::askBeginEdit(int row, int column) const
{
    return !m_beginEdit || m_beginEdit(row, column);
}

bool GridModel::storeUserText(int row, int column, const QString& text)
{
    Cell& target = cell(row, column);
    const QString previous = target.text;
    const bool wasModified = target.modified;
    target.text = text;
    target.modified = true;
    emitCellChanged(row, column, {Qt::DisplayRole, Qt::EditRole});
    if (!m_endEdit || m_endEdit(row, column))
        return true;
    // The check may have reshaped the grid; the cell is put back only where it still is.
    if (contains(row, column)) {
        Cell& undone = cell(row, column);
        undone.text = previous;
        undone.modified = wasModified;
        emitCellChanged(row, column, {Qt::DisplayRole, Qt::EditRole});
    }
    return false;
}

bool GridModel::changeTextByUser(int row, int column, const QString& text)
{
    if (!mayUserChange(row, column) || !askBeginEdit(row, column))
        return false;
    // The begin edit check may have reshaped the grid.
    if (!contains(row, column))
        return false;
    return storeUserText(row, column, text);
}

bool GridModel::commitEditedText(int row, int column, const QString& text)
{
    if (!mayUserChange(row, column) || cell(row, column).text == text)
        return false;
    return storeUserText(row, column, text);
}

CellRange GridModel::pasteCells(int row, int column, const QList<QStringList>& cells)
{
    if (!m_editable || !contains(row, column) || isFixed(row, column) || cells.isEmpty())
        return {};
    qsizetype widest = 0;
    for (const QStringList& parts : cells)
        widest = std::max(widest, parts.size());
    if (widest == 0)
        return {};
    const int lastRow = std::min(m_rows - 1, row + static_cast<int>(cells.size()) - 1);
    const int lastColumn = std::min(m_columns - 1, column + static_cast<int>(widest) - 1);
    for (int r = row; r <= lastRow; ++r) {
        const QStringList& parts = cells[r - row];
        for (int c = column; c <= lastColumn && c - column < parts.size(); ++c) {
            const QString& part = parts[c - column];
            if (contains(r, c) && cell(r, c).text != part)
                changeTextByUser(r, c, part);
        }
    }
    return {row, column, lastRow, lastColumn};
}

CellRange GridModel::pasteText(int row, int column, const QString& text)
{
    return pasteCells(row, column, CellTexts::split(text));
}

QList<QStringList> GridModel::cellTexts(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty())
        return {};
    int left = indexes.front().column();
    int right = left;
    for (const QModelIndex& index : indexes) {
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    std::map<int, QStringList> rows;
    for (const QModelIndex& index : indexes) {
        QStringList& row = rows[index.row()];
        if (row.isEmpty())
            row.resize(right - left + 1);
        row[index.column() - left] = cell(gridRow(index), gridColumn(index)).text;
    }
    QList<QStringList> result;
    result.reserve(static_cast<qsizetype>(rows.size()));
    for (auto& [row, texts] : rows)
        result.append(std::move(texts));
    return result;
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows - m_fixedRows;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns - m_fixedColumns;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!isCell(index))
        return {};
    const Cell& shown = cell(gridRow(index), gridColumn(index));
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return shown.text;
    case Qt::BackgroundRole:
        return shown.background.isValid() ? QVariant(shown.background) : QVariant();
    case Qt::ForegroundRole:
        // Text stays readable on a coloured cell whatever the palette's own text colour: black unless
        // the colour is dark by its perceived brightness.
        if (!shown.background.isValid())
            return {};
        return QColor(perceivedBrightness(shown.background) >= 128 ? Qt::black : Qt::white);
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        const int column = section + m_fixedColumns;
        if (section < 0 || column >= m_columns || m_fixedRows == 0)
            return {};
        if (role == Qt::DisplayRole) {
            QStringList lines;
            for (int row = 0; row < m_fixedRows; ++row)
                lines.append(cell(row, column).text);
            return lines.join(QLatin1Char('\n'));
        }
        if (role == Qt::BackgroundRole) {
            const QColor colour = cell(m_fixedRows - 1, column).background;
            return colour.isValid() ? QVariant(colour) : QVariant();
        }
        return {};
    }
    const int row = section + m_fixedRows;
    if (section < 0 || row >= m_rows || m_fixedColumns == 0)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) {
        QStringList parts;
        for (int column = 0; column < m_fixedColumns; ++column)
            parts.append(cell(row, column).text);
        return parts.join(QLatin1Char(' '));
    }
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!isCell(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const bool changeable = mayUserChange(gridRow(index), gridColumn(index));
    if (changeable)
        flags |= Qt::ItemIsEditable;
    if (m_dragEnabled)
        flags |= Qt::ItemIsDragEnabled;
    if (m_dropsAccepted && changeable)
        flags |= Qt::ItemIsDropEnabled;
    return flags;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !isCell(index))
        return false;
    return commitEditedText(gridRow(index), gridColumn(index), value.toString());
}

QStringList GridModel::mimeTypes() const
{
    return {cellsMimeType(), QStringLiteral("text/plain")};
}

QMimeData* GridModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    const QList<QStringList> texts = cellTexts(indexes);
    auto* data = new QMimeData;
    data->setText(CellTexts::join(texts));
    QByteArray encoded;
    QDataStream stream(&encoded, QIODevice::WriteOnly);
    stream << texts;
    data->setData(cellsMimeType(), encoded);
    return data;
}

QModelIndex GridModel::dropTarget(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid())
        return parent;
    if (row >= 0 && column >= 0 && row < rowCount() && column < columnCount())
        return index(row, column);
    return {};
}

bool GridModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int row, int column,
                                const QModelIndex& parent) const
{
    const QModelIndex target = dropTarget(row, column, parent);
    return data && m_dropsAccepted && target.isValid() &&
           (data->hasFormat(cellsMimeType()) || data->hasText()) &&
           mayUserChange(gridRow(target), gridColumn(target));
}

bool GridModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                             const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    if (action == Qt::IgnoreAction)
        return true;
    const QModelIndex target = dropTarget(row, column, parent);
    if (data->hasFormat(cellsMimeType())) {
        QList<QStringList> texts;
        QDataStream stream(data->data(cellsMimeType()));
        stream >> texts;
        if (stream.status() != QDataStream::Ok)
            return false;
        pasteCells(gridRow(target), gridColumn(target), texts);
    } else {
        pasteText(gridRow(target), gridColumn(target), data->text());
    }
    emit cellsDropped();
    return true;
}

Qt::DropActions GridModel::supportedDragActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

Qt::DropActions GridModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}
