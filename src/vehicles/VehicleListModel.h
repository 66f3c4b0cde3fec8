#pragma once

#include "vehicles/VehicleRecord.h"

#include <QAbstractTableModel>
#include <QVector>

namespace kalvor {

// A list of vehicles as the vehicles screen shows it. The overview has the
// columns "#" (the row's position, not the identifier), "Garažni broj",
// "Marka i tip vozila", "Oznaka", the three masses and "Vrsta" (the filter
// text of the kind); the selector has "Oznaka" and "Marka i tip vozila".
class VehicleListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum class Layout { Overview, Selector };

    explicit VehicleListModel(Layout layout, QObject *parent = nullptr);

    void setRows(const QVector<VehicleRecord> &rows);
    const VehicleRecord &vehicle(int row) const { return m_rows.at(row); }
    // IDVOZ of a row, -1 outside the list.
    int keyAt(int row) const;
    // The row of an IDVOZ, -1 when it is not listed.
    int rowOfKey(int id) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    Layout m_layout;
    QVector<VehicleRecord> m_rows;
};

} // namespace kalvor
