#pragma once

#include "IncomingEntries.h"

#include <QAbstractTableModel>
#include <QString>
#include <vector>

// The entries of another data set as a read-only table of two columns for the "Selekto" list: texts
// are converted only for the rows a view asks for, so a list of any length opens at once.
class IncomingEntriesModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IncomingEntriesModel)

public:
    // entries must outlive the model; titles name the two columns.
    IncomingEntriesModel(const std::vector<IncomingEntry>& entries, QString title1, QString title2,
                         QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const std::vector<IncomingEntry>& m_entries;
    QString m_titles[2];
};
