#pragma once

#include "core/DatabaseMaintenance.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kalvor {

class Settings;
class SettingBindings;

// Tab "Pristup bazi": the connection values with "Zapamti" and "Provjeri",
// the databases and users of the server ("Dohvat") and the clear-all of the
// database. The database work runs in DatabaseMaintenance, each time on a
// connection of its own.
//
// Rules: while "Upit prilikom spajanja" is ticked, user and password are
// disabled; while "Lokalno" is ticked, the server is disabled.
class OptionTabConnection : public QWidget
{
    Q_OBJECT

public:
    OptionTabConnection(SettingBindings &bindings, Settings &settings, DatabaseMaintenance &maintenance,
                        QWidget *parent = nullptr);

    // The connection values as the fields hold them.
    DatabaseMaintenance::Connection connection() const;
    DatabaseMaintenance::ClearChoice clearChoice() const;

    void updateEnabling();

private:
    void store(Settings &settings) const;
    void chooseDatabase();
    void remember();
    void testConnection();
    void listServer();
    void clearDatabase();

    Settings &m_settings;
    DatabaseMaintenance &m_maintenance;
    QLineEdit *m_database, *m_user, *m_password, *m_server;
    QCheckBox *m_prompt, *m_local;
    QPushButton *m_chooseDatabase, *m_remember, *m_test, *m_list, *m_clear;
    QListWidget *m_tables, *m_serverDatabases, *m_serverUsers;
    QCheckBox *m_keepCurrencies, *m_keepVehicles, *m_keepPartners, *m_keepRates;
};

} // namespace kalvor
