#pragma once

#include "staff/EmployeeRecord.h"

#include <QAbstractTableModel>
#include <QVector>

namespace kalvor {

// A list of employees. The overview has the columns "#" (the row's
// position), "MBR" (blank for 0), "Prezime i ime", "Radno mjesto", "Vozač"
// (the stored flag) and "Adresa"; the selector "#" and "Djelatnik".
class EmployeeListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum class Layout { Overview, Selector };

    explicit EmployeeListModel(Layout layout, QObject *parent = nullptr);

    void setRows(const QVector<EmployeeRecord> &rows);
    const EmployeeRecord &employee(int row) const { return m_rows.at(row); }
    int keyAt(int row) const;     // IDDJ, -1 outside the list
    int rowOfKey(int id) const;   // -1 when not listed

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    Layout m_layout;
    QVector<EmployeeRecord> m_rows;
};

} // namespace kalvor
