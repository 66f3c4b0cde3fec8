#pragma once

#include "staff/EmployeeRepository.h"

#include <QDialog>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QWidget;

namespace kalvor {

class EmployeeListModel;
class TDataModule1;
class TDjelatnikForm;

// "Djelatnici - unos i pregled": the tab "Popis djelatnika" (the list with its
// filter and "Samo aktivni", the detail panel, adding, changing, deleting,
// "Kopiraj tablicu") and the tab "Evidencije" with the employee selector,
// which shows the same list and moves together with it. Below: "Povratak"
// and "Izvještaj - popis djelatnika". Escape closes the screen.
class TDjelatniciForm : public QDialog
{
    Q_OBJECT
public:
    explicit TDjelatniciForm(TDataModule1 &data, QWidget *parent = nullptr);

    // What the main window's "Djelatnici" does: prepareShowing(), then the
    // modal screen.
    int showScreen();
    // The work of every opening: the list again, and the cursor in it when
    // the first tab is shown.
    void prepareShowing();
    // Reads the list again, keeping the current employee when still listed;
    // a database failure is shown.
    void refreshList();

    // IDDJ of the current employee, -1 for an empty list.
    int currentEmployee() const;
    TDjelatnikForm *employeeDialog() const { return m_dialog; }
    // The inner tabs of "Evidencije" and the list printout button, for the
    // employee card and the printout to fill in.
    QTabWidget *recordTabs() const { return m_recordTabs; }
    QPushButton *reportButton() const { return m_report; }

    void addEmployee();
    void changeEmployee();
    void deleteEmployee();

signals:
    // The current employee of both lists changed (-1: the list is empty).
    void currentEmployeeChanged(int employeeId);

private:
    void createControls();
    void setProperties();
    void layOut();
    void connectSignals();
    void followRow(QTableView *source, QTableView *other);
    void showDetails();
    void selectEmployee(int id, int fallbackRow);

    TDataModule1 &m_data;
    EmployeeRepository m_repository;
    TDjelatnikForm *m_dialog = nullptr;
    EmployeeListModel *m_model = nullptr;
    EmployeeListModel *m_selectorModel = nullptr;
    bool m_syncing = false;
    int m_lastEmitted = -2;

    QTabWidget *m_tabs = nullptr;
    QWidget *m_listTab = nullptr;
    QWidget *m_recordsTab = nullptr;
    QComboBox *m_filter = nullptr;
    QCheckBox *m_onlyActive = nullptr;
    QTableView *m_list = nullptr;
    QAction *m_copy = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_change = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_detailsToggle = nullptr;
    QWidget *m_detailPanel = nullptr;
    QList<QLabel *> m_detailValues;
    QTableView *m_selector = nullptr;
    QTabWidget *m_recordTabs = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_report = nullptr;
};

} // namespace kalvor
