#include "staff/EmployeeListModel.h"

#include "staff/EmployeeRules.h"

#include <QStringList>

namespace kalvor {

namespace {

const QStringList &titles(EmployeeListModel::Layout layout)
{
    static const QStringList overview{QStringLiteral("#"),      QStringLiteral("MBR"),
                                      QStringLiteral("Prezime i ime"), QStringLiteral("Radno mjesto"),
                                      QStringLiteral("Vozač"),  QStringLiteral("Adresa")};
    static const QStringList selector{QStringLiteral("#"), QStringLiteral("Djelatnik")};
    return layout == EmployeeListModel::Layout::Overview ? overview : selector;
}

} // namespace

EmployeeListModel::EmployeeListModel(Layout layout, QObject *parent)
    : QAbstractTableModel(parent)
    , m_layout(layout)
{
}

void EmployeeListModel::setRows(const QVector<EmployeeRecord> &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

int EmployeeListModel::keyAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).id : -1;
}

int EmployeeListModel::rowOfKey(int id) const
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows.at(i).id == id)
            return i;
    return -1;
}

int EmployeeListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int EmployeeListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(titles(m_layout).size());
}

QVariant EmployeeListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || role != Qt::DisplayRole)
        return {};
    const EmployeeRecord &e = m_rows.at(index.row());
    if (index.column() == 0)
        return index.row() + 1;
    if (m_layout == Layout::Selector)
        return e.imePrezime;
    switch (index.column()) {
    case 1: return StaffNumberText(e.mbr);
    case 2: return e.imePrezime;
    case 3: return e.radnoMjesto;
    case 4: return e.vozac ? QVariant(*e.vozac) : QVariant();
    case 5: return e.adresa;
    default: return {};
    }
}

QVariant EmployeeListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QStringList &t = titles(m_layout);
    return section >= 0 && section < t.size() ? QVariant(t.at(section)) : QVariant();
}

} // namespace kalvor
