#include "IncomingEntriesModel.h"

#include "QtText.h"

#include <utility>

IncomingEntriesModel::IncomingEntriesModel(const std::vector<IncomingEntry>& entries, QString title1,
                                           QString title2, QObject* parent)
    : QAbstractTableModel(parent), m_entries(entries), m_titles{std::move(title1), std::move(title2)}
{}

int IncomingEntriesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int IncomingEntriesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant IncomingEntriesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    const IncomingEntry& entry = m_entries[static_cast<std::size_t>(index.row())];
    return toQString(index.column() == 0 ? entry.text1 : entry.text2);
}

QVariant IncomingEntriesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 1)
        return {};
    return m_titles[section];
}

Qt::ItemFlags IncomingEntriesModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}
