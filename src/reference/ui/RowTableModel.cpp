#include "reference/ui/RowTableModel.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

namespace kalvor {

RowTableModel::RowTableModel(const QStringList &headers, QObject *parent)
    : QAbstractTableModel(parent)
    , m_headers(headers)
    , m_alignments(headers.size(), Qt::AlignLeft | Qt::AlignVCenter)
{
}

void RowTableModel::setAlignment(int column, Qt::Alignment alignment)
{
    m_alignments[column] = alignment;
}

void RowTableModel::setRows(const QVector<Row> &rows, QAbstractItemView *view)
{
    QString currentKey;
    int currentColumn = 0;
    bool hadCurrent = false;
    if (view && view->currentIndex().isValid()) {
        currentKey = m_rows.at(view->currentIndex().row()).key;
        currentColumn = view->currentIndex().column();
        hadCurrent = true;
    }
    beginResetModel();
    m_rows = rows;
    endResetModel();
    if (view && hadCurrent) {
        const int row = rowOfKey(currentKey);
        if (row >= 0)
            view->selectionModel()->setCurrentIndex(index(row, currentColumn),
                                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

int RowTableModel::rowOfKey(const QString &key) const
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows.at(i).key == key)
            return i;
    return -1;
}

int RowTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RowTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant RowTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return m_rows.at(index.row()).cells.value(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_alignments.at(index.column()));
    return {};
}

QVariant RowTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_headers.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace kalvor
