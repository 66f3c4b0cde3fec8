#pragma once

#include "vehicles/VehicleRepository.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QWidget;

namespace kalvor {

class TDataModule1;
class TVoziloForm;
class VehicleListModel;
class VehicleRecordsTab;

// "Pregled vozila - unos i pregled ": the tab "Popis vozila" (the list with
// its kind filter and "Samo aktivna", the last odometer reading and the note
// of the current vehicle, adding, changing and deleting) and the tab
// "Evidencije" with the vehicle selector; the counters and "Povratak" below.
class TVozilaForm : public QDialog
{
    Q_OBJECT
public:
    explicit TVozilaForm(TDataModule1 &data, QWidget *parent = nullptr);

    // What the main window's "Vozila" does: the first tab and the first
    // inner tab of "Evidencije", prepareShowing(), then the modal screen.
    int showOnFirstTabs();
    // The work of every opening: both vehicle lists and the counters.
    void prepareShowing();

    // Reads both vehicle lists and the counters again, keeping the current
    // rows; a database failure is shown.
    void refreshLists();

    // IDVOZ of the current vehicle of "Popis vozila", -1 for an empty list.
    int currentVehicle() const;
    VehicleRecordsTab *recordsTab() const { return m_recordsTab; }
    TVoziloForm *vehicleDialog() const { return m_dialog; }

    void addVehicle();
    void changeVehicle();
    void deleteVehicle();

signals:
    // The user clicked the order beside "Vezani nalog:"; the main window
    // opens it in the order editor and refreshes its order list when saved.
    void orderRequested(int orderId);

private:
    void createControls();
    void setProperties();
    void layOut();
    void connectSignals();
    void refreshList();
    void refreshCounters();
    void showCurrentVehicle();
    void selectVehicle(int id);

    TDataModule1 &m_data;
    VehicleRepository m_repository;
    TVoziloForm *m_dialog = nullptr;
    VehicleListModel *m_model = nullptr;
    int m_linkedOrder = -1;

    QTabWidget *m_tabs = nullptr;
    QWidget *m_listTab = nullptr;
    VehicleRecordsTab *m_recordsTab = nullptr;
    QComboBox *m_kindFilter = nullptr;
    QCheckBox *m_onlyActive = nullptr;
    QTableView *m_list = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_change = nullptr;
    QPushButton *m_delete = nullptr;
    QWidget *m_odometerPanel = nullptr;
    QLabel *m_lastKm = nullptr;
    QLabel *m_orderLink = nullptr;
    QPlainTextEdit *m_note = nullptr;
    QLabel *m_countTotal = nullptr;
    QLabel *m_countActive = nullptr;
    QLabel *m_countShown = nullptr;
    QLabel *m_countShownActive = nullptr;
    QPushButton *m_back = nullptr;
};

} // namespace kalvor
