#include "vehicles/VehicleListModel.h"

#include "core/Amounts.h"
#include "vehicles/VehicleKinds.h"

namespace kalvor {

namespace {

const QStringList &overviewTitles()
{
    static const QStringList titles{QStringLiteral("#"),         QStringLiteral("Garažni broj"),
                                    QStringLiteral("Marka i tip vozila"), QStringLiteral("Oznaka"),
                                    QStringLiteral("Masa (kg)"), QStringLiteral("Nosivost (kg)"),
                                    QStringLiteral("Uk.masa (kg)"), QStringLiteral("Vrsta")};
    return titles;
}

const QStringList &selectorTitles()
{
    static const QStringList titles{QStringLiteral("Oznaka"), QStringLiteral("Marka i tip vozila")};
    return titles;
}

} // namespace

VehicleListModel::VehicleListModel(Layout layout, QObject *parent)
    : QAbstractTableModel(parent)
    , m_layout(layout)
{
}

void VehicleListModel::setRows(const QVector<VehicleRecord> &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

int VehicleListModel::keyAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).id : -1;
}

int VehicleListModel::rowOfKey(int id) const
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows.at(i).id == id)
            return i;
    return -1;
}

int VehicleListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int VehicleListModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return int(m_layout == Layout::Overview ? overviewTitles().size() : selectorTitles().size());
}

QVariant VehicleListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    if (role == Qt::TextAlignmentRole && m_layout == Layout::Overview && index.column() >= 4 && index.column() <= 6)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const VehicleRecord &v = m_rows.at(index.row());
    if (m_layout == Layout::Selector)
        return index.column() == 0 ? v.oznaka : v.markaITip;
    switch (index.column()) {
    case 0: return index.row() + 1;
    case 1: return v.garBr;
    case 2: return v.markaITip;
    case 3: return v.oznaka;
    case 4: return FormatAmount(v.masa);
    case 5: return FormatAmount(v.nosivost);
    case 6: return FormatAmount(v.ukupnaMasa);
    case 7: return v.vrsta ? vehicleKindFilterText(*v.vrsta) : QString();
    default: return {};
    }
}

QVariant VehicleListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QStringList &titles = m_layout == Layout::Overview ? overviewTitles() : selectorTitles();
    return section >= 0 && section < titles.size() ? QVariant(titles.at(section)) : QVariant();
}

} // namespace kalvor
