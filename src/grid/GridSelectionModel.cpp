#include "GridSelectionModel.h"

#include <algorithm>

GridSelectionModel::GridSelectionModel(QAbstractItemModel* model, QObject* parent)
    : QItemSelectionModel(model, parent)
{}

void GridSelectionModel::setSingleRow(bool singleRow)
{
    m_singleRow = singleRow;
    m_rememberedRow = -1;
}

void GridSelectionModel::select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command)
{
    QItemSelectionModel::select(selection, command);
    if (!m_singleRow)
        return;
    if (command & (QItemSelectionModel::Select | QItemSelectionModel::Toggle))
        keepOneRow(selection);
    else if (selectedCellCount(1) == 0)
        m_rememberedRow = -1;
}

void GridSelectionModel::selectWithoutRule(const QItemSelection& selection,
                                           QItemSelectionModel::SelectionFlags command)
{
    QItemSelectionModel::select(selection, command);
}

qsizetype GridSelectionModel::selectedCellCount(qsizetype limit) const
{
    qsizetype count = 0;
    const QItemSelection selected = selection();
    for (const QItemSelectionRange& range : selected) {
        count += static_cast<qsizetype>(range.width()) * range.height();
        if (count >= limit)
            return limit;
    }
    return count;
}

void GridSelectionModel::keepOneRow(const QItemSelection& rectangle)
{
    const qsizetype selected = selectedCellCount(2);
    if (selected <= 1) {
        int top = -1;
        for (const QItemSelectionRange& range : rectangle)
            top = top < 0 ? range.top() : std::min(top, range.top());
        m_rememberedRow = selected == 1 ? top : -1;
        return;
    }
    QItemSelection outside;
    for (const QItemSelectionRange& range : rectangle) {
        if (!range.isValid())
            continue;
        const QAbstractItemModel* cells = range.model();
        const auto part = [&](int top, int bottom) {
            if (top <= bottom)
                outside.select(cells->index(top, range.left(), range.parent()),
                               cells->index(bottom, range.right(), range.parent()));
        };
        if (m_rememberedRow < 0) {
            part(range.top(), range.bottom());
        } else {
            part(range.top(), std::min(range.bottom(), m_rememberedRow - 1));
            part(std::max(range.top(), m_rememberedRow + 1), range.bottom());
        }
    }
    if (!outside.isEmpty())
        QItemSelectionModel::select(outside, QItemSelectionModel::Deselect);
}
