#pragma once

#include <QWidget>

class QTabWidget;
class QTableView;

namespace kalvor {

class VehicleListModel;
class VehicleRepository;

// The tab "Evidencije" of the vehicles screen: on the left the vehicle
// selector (every vehicle except trailers, "Oznaka" and "Marka i tip
// vozila"), on the right the inner tabs of the vehicle's records, which
// follow the selected vehicle through selectedVehicleChanged().
class VehicleRecordsTab : public QWidget
{
    Q_OBJECT
public:
    VehicleRecordsTab(VehicleRepository &repository, QWidget *parent = nullptr);

    // Reads the selector again ("Samo aktivna" of the first tab), keeping the
    // selected vehicle when it is still listed. Throws db::DbError.
    void refresh(bool onlyActive);
    // IDVOZ of the selected vehicle, -1 while the selector is empty.
    int selectedVehicle() const;
    // The inner tabs that hold the vehicle's records.
    QTabWidget *recordTabs() const { return m_recordTabs; }
    QTableView *selector() const { return m_selector; }

signals:
    void selectedVehicleChanged(int vehicleId);

private:
    VehicleRepository &m_repository;
    VehicleListModel *m_model = nullptr;
    QTableView *m_selector = nullptr;
    QTabWidget *m_recordTabs = nullptr;
    int m_lastEmitted = -2;
};

} // namespace kalvor
