#pragma once

#include <QItemSelectionModel>

// The selection of a grid control. With single-row selection on, every change that selects cells
// is followed by the single-row rule: when one cell at most is selected, the remembered row becomes
// the top row of the change (or none without a selected cell); when more are, the cells of the change
// outside the remembered row are deselected again. Rows here are the view's rows, without fixed ones.
class GridSelectionModel final : public QItemSelectionModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GridSelectionModel)

public:
    explicit GridSelectionModel(QAbstractItemModel* model, QObject* parent = nullptr);

    bool isSingleRow() const { return m_singleRow; }
    // Switching it on or off forgets the remembered row.
    void setSingleRow(bool singleRow);
    // -1 when no row is remembered.
    int rememberedRow() const { return m_rememberedRow; }

    using QItemSelectionModel::select;
    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override;
    // Selects or deselects without the single-row rule, for a caller that applies it itself.
    void selectWithoutRule(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command);
    // The single-row rule for a change of the cells in rectangle.
    void keepOneRow(const QItemSelection& rectangle);
    // The number of selected cells, counted up to limit at most.
    qsizetype selectedCellCount(qsizetype limit) const;

private:
    bool m_singleRow = false;
    int m_rememberedRow = -1;
};
