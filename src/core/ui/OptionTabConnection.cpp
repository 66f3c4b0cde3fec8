#include "core/ui/OptionTabConnection.h"

#include "core/Prompter.h"
#include "core/Settings.h"
#include "core/ui/OptionWidgets.h"
#include "core/ui/SettingBindings.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvor {

using namespace optionwidgets;

namespace {
const QString connectionFailed = QStringLiteral("Pogreška prilikom spajanja na poslužitelj i bazu podataka!");
}

OptionTabConnection::OptionTabConnection(SettingBindings &bindings, Settings &settings,
                                         DatabaseMaintenance &maintenance, QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_maintenance(maintenance)
{
    m_database = lineEdit(this);
    m_chooseDatabase = new QPushButton(QStringLiteral("..."), this);
    m_user = lineEdit(this);
    m_password = lineEdit(this);
    m_prompt = checkBox(QStringLiteral("Upit prilikom spajanja"), this);
    m_local = checkBox(QStringLiteral("Lokalno"), this);
    m_server = lineEdit(this);
    m_remember = new QPushButton(QStringLiteral("Zapamti"), this);
    m_test = new QPushButton(QStringLiteral("Provjeri"), this);
    m_tables = new QListWidget(this);
    auto *serverGroup = group(QStringLiteral("Baze i korisnici na poslužitelju: "), this);
    m_list = new QPushButton(QStringLiteral("Dohvat"), serverGroup);
    m_serverDatabases = new QListWidget(serverGroup);
    m_serverUsers = new QListWidget(serverGroup);
    m_keepCurrencies = checkBox(QStringLiteral("osim valuta i država"), this);
    m_keepVehicles = checkBox(QStringLiteral("ne briši vozila i djelatnike"), this);
    m_keepPartners = checkBox(QStringLiteral("ne briši partnere"), this);
    m_keepRates = checkBox(QStringLiteral("ne briši tečaj"), this);
    m_clear = new QPushButton(QStringLiteral("Obriši podatke u bazi"), this);

    bindings.text(QStringLiteral("DB"), m_database);
    bindings.text(QStringLiteral("USER"), m_user);
    bindings.text(QStringLiteral("USER2"), m_password);
    bindings.flag(QStringLiteral("Prompt"), m_prompt);
    bindings.flag(QStringLiteral("Local"), m_local);
    bindings.text(QStringLiteral("Server"), m_server);
    m_password->setEchoMode(QLineEdit::Password);
    m_chooseDatabase->setObjectName(QStringLiteral("odaberiBazu"));
    m_remember->setObjectName(QStringLiteral("zapamti"));
    m_test->setObjectName(QStringLiteral("provjeri"));
    m_tables->setObjectName(QStringLiteral("tablice"));
    m_tables->setVisible(false);
    m_list->setObjectName(QStringLiteral("dohvat"));
    m_serverDatabases->setObjectName(QStringLiteral("bazeNaPosluzitelju"));
    m_serverUsers->setObjectName(QStringLiteral("korisniciNaPosluzitelju"));
    m_keepCurrencies->setObjectName(QStringLiteral("osimValutaIDrzava"));
    m_keepVehicles->setObjectName(QStringLiteral("neBrisiVozilaIDjelatnike"));
    m_keepPartners->setObjectName(QStringLiteral("neBrisiPartnere"));
    m_keepRates->setObjectName(QStringLiteral("neBrisiTecaj"));
    for (QCheckBox *box : {m_keepCurrencies, m_keepVehicles, m_keepPartners, m_keepRates})
        box->setChecked(true);
    m_clear->setObjectName(QStringLiteral("obrisiPodatke"));

    auto *databaseRow = new QHBoxLayout;
    databaseRow->addWidget(m_database);
    databaseRow->addWidget(m_chooseDatabase);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Baza:"), databaseRow);
    form->addRow(QStringLiteral("Korisnik:"), m_user);
    form->addRow(QStringLiteral("Lozinka:"), m_password);
    form->addRow(m_prompt);
    form->addRow(m_local);
    form->addRow(QStringLiteral("Poslužitelj:"), m_server);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_remember);
    buttons->addWidget(m_test);
    buttons->addStretch();
    auto *serverLayout = new QGridLayout(serverGroup);
    serverLayout->addWidget(m_list, 0, 0);
    serverLayout->addWidget(m_serverDatabases, 1, 0);
    serverLayout->addWidget(m_serverUsers, 1, 1);
    auto *clearLayout = new QVBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{m_keepCurrencies, m_keepVehicles, m_keepPartners,
                                                      m_keepRates, m_clear})
        clearLayout->addWidget(w);
    auto *left = new QVBoxLayout;
    left->addLayout(form);
    left->addLayout(buttons);
    left->addWidget(m_tables);
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(serverGroup);
    right->addLayout(clearLayout);
    right->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);

    connect(m_prompt, &QCheckBox::toggled, this, &OptionTabConnection::updateEnabling);
    connect(m_local, &QCheckBox::toggled, this, &OptionTabConnection::updateEnabling);
    connect(m_chooseDatabase, &QPushButton::clicked, this, &OptionTabConnection::chooseDatabase);
    connect(m_remember, &QPushButton::clicked, this, &OptionTabConnection::remember);
    connect(m_test, &QPushButton::clicked, this, &OptionTabConnection::testConnection);
    connect(m_list, &QPushButton::clicked, this, &OptionTabConnection::listServer);
    connect(m_clear, &QPushButton::clicked, this, &OptionTabConnection::clearDatabase);
}

DatabaseMaintenance::Connection OptionTabConnection::connection() const
{
    return {m_database->text(), m_user->text(), m_password->text(), m_prompt->isChecked(), m_local->isChecked(),
            m_server->text()};
}

DatabaseMaintenance::ClearChoice OptionTabConnection::clearChoice() const
{
    return {m_keepCurrencies->isChecked(), m_keepVehicles->isChecked(), m_keepPartners->isChecked(),
            m_keepRates->isChecked()};
}

void OptionTabConnection::updateEnabling()
{
    m_user->setEnabled(!m_prompt->isChecked());
    m_password->setEnabled(!m_prompt->isChecked());
    m_server->setEnabled(!m_local->isChecked());
}

void OptionTabConnection::store(Settings &settings) const
{
    const DatabaseMaintenance::Connection c = connection();
    settings.set(QStringLiteral("DB"), c.database);
    settings.set(QStringLiteral("USER"), c.user);
    settings.set(QStringLiteral("USER2"), c.password);
    settings.set(QStringLiteral("Prompt"), c.prompt ? 1 : 0);
    settings.set(QStringLiteral("Local"), c.local ? 1 : 0);
    settings.set(QStringLiteral("Server"), c.server);
}

void OptionTabConnection::chooseDatabase()
{
    const QString firebird = QStringLiteral("Firebird baza podataka (*.fdb)");
    const QString file = Prompter::current().openFileName(
        QStringLiteral("Odredite bazu"), QFileInfo(m_database->text()).path(),
        QStringLiteral("Interbase baza podataka (*.gdb);;") + firebird, firebird);
    if (!file.isEmpty())
        m_database->setText(file);
}

void OptionTabConnection::remember()
{
    store(m_settings);
    if (!m_settings.write(Settings::connectionKeys()))
        Prompter::current().message(QStringLiteral("Postavke se ne mogu zapisati."), Prompter::Kind::Error);
    m_tables->setVisible(false);
}

void OptionTabConnection::testConnection()
{
    Prompter &prompter = Prompter::current();
    try {
        const QStringList tables = m_maintenance.testConnection(connection(), prompter);
        m_tables->clear();
        m_tables->addItems(tables);
        m_tables->setVisible(true);
        prompter.message(QStringLiteral("Postavke su u redu - spajanje je uspjelo!"));
    } catch (const db::DbError &) {
        m_tables->clear();
        m_tables->setVisible(false);
        prompter.message(connectionFailed, Prompter::Kind::Error);
    }
}

void OptionTabConnection::listServer()
{
    Prompter &prompter = Prompter::current();
    db::ServiceLogin login = DatabaseMaintenance::serviceLogin(connection());
    if (!prompter.login(db::ServiceManager::serviceName(login.server), login.user, login.password))
        return;
    m_serverDatabases->clear();
    m_serverUsers->clear();
    try {
        m_serverDatabases->addItems(m_maintenance.serverDatabases(login));
    } catch (const db::DbError &) {
        prompter.message(QStringLiteral("Problemi kod određivanja baza na poslužitelju"), Prompter::Kind::Error);
    }
    try {
        m_serverUsers->addItems(m_maintenance.serverUsers(login));
    } catch (const db::DbError &) {
        prompter.message(QStringLiteral("Problemi kod određivanja korisnika na poslužitelju"), Prompter::Kind::Error);
    }
}

void OptionTabConnection::clearDatabase()
{
    Prompter &prompter = Prompter::current();
    if (!prompter.question(QStringLiteral("Jeste li sigurni da želite obrisati sve podatke u bazi? "
                                          "Podaci će biti nepovratno izgubljeni!")))
        return;
    if (!m_maintenance.clearAll(connection(), clearChoice(), prompter))
        prompter.message(connectionFailed, Prompter::Kind::Error);
}

} // namespace kalvor
