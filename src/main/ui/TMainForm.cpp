#include "main/ui/TMainForm.h"

#include "core/Formats.h"
#include "core/Prompter.h"
#include "core/Settings.h"
#include "core/TDataModule1.h"
#include "core/Version.h"
#include "core/ui/TAboutForm.h"
#include "core/ui/TOptionForm.h"
#include "reference/ui/TDrzaveDnevnice.h"
#include "reference/ui/TObradaValuta.h"
#include "staff/ui/TDjelatniciForm.h"
#include "vehicles/ui/TVozilaForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QDateTime>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace kalvor {

TMainForm::TMainForm(TDataModule1 &data, Settings &settings, QWidget *parent)
    : QMainWindow(parent)
    , m_data(data)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(kProductName);
    resize(1024, 700);

    auto *central = new QWidget(this);
    m_title = new QLabel(central);
    m_title->setObjectName(QStringLiteral("titlePanel"));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setAutoFillBackground(true);
    m_title->setMinimumHeight(32);
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 4);
    m_title->setFont(titleFont);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_title);
    layout->addStretch(1);
    setCentralWidget(central);

    m_options = new TOptionForm(this, m_settings);
    m_currencies = new TObradaValuta(m_data, this);
    connect(m_currencies, &TObradaValuta::accountingCurrencyChosen, this, [this](const QString &code) {
        fillCurrencyLists();
        m_options->selectAccountingCurrency(code);
    });
    m_countries = new TDrzaveDnevnice(m_data, this);
    m_employees = new TDjelatniciForm(m_data, this);
    m_vehicles = new TVozilaForm(m_data, this);

    createMenus();
    createStatusBar();
    refreshTitle();
}

TMainForm::~TMainForm() = default;

void TMainForm::createMenus()
{
    QMenu *nalog = menuBar()->addMenu(QStringLiteral("Nalog"));
    nalog->setObjectName(QStringLiteral("menuNalog"));
    QToolBar *tools = addToolBar(QStringLiteral("Alati"));
    tools->setObjectName(QStringLiteral("toolbar"));

    QAction *options = nalog->addAction(QStringLiteral("Opcije"));
    options->setObjectName(QStringLiteral("actionOpcije"));
    connect(options, &QAction::triggered, this, &TMainForm::openOptions);
    tools->addAction(options);
    nalog->addSeparator();
    QAction *exit = nalog->addAction(QStringLiteral("Izlazak"));
    exit->setObjectName(QStringLiteral("actionIzlazak"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_X));
    exit->setShortcutContext(Qt::ApplicationShortcut);
    connect(exit, &QAction::triggered, this, &TMainForm::exitProgram);
    tools->addAction(exit);

    QMenu *podaci = menuBar()->addMenu(QStringLiteral("Podaci"));
    podaci->setObjectName(QStringLiteral("menuPodaci"));
    QAction *employees = podaci->addAction(QStringLiteral("Djelatnici"));
    employees->setObjectName(QStringLiteral("actionDjelatnici"));
    connect(employees, &QAction::triggered, this, &TMainForm::openEmployees);
    tools->addAction(employees);
    QAction *vehicles = podaci->addAction(QStringLiteral("Vozila"));
    vehicles->setObjectName(QStringLiteral("actionVozila"));
    connect(vehicles, &QAction::triggered, this, &TMainForm::openVehicles);
    tools->addAction(vehicles);
    QAction *currencies = podaci->addAction(QStringLiteral("Valute, tečaj/kurs"));
    currencies->setObjectName(QStringLiteral("actionValute"));
    connect(currencies, &QAction::triggered, this, &TMainForm::openCurrencies);
    tools->addAction(currencies);
    QAction *countries = podaci->addAction(QStringLiteral("Države, dnevnice"));
    countries->setObjectName(QStringLiteral("actionDrzave"));
    connect(countries, &QAction::triggered, this, &TMainForm::openCountries);

    QMenu *view = menuBar()->addMenu(QStringLiteral("Prikaz"));
    view->setObjectName(QStringLiteral("menuPrikaz"));
    m_detailsSwitch = view->addAction(QStringLiteral("Podaci o nalogu"));
    m_detailsSwitch->setObjectName(QStringLiteral("actionPodaciONalogu"));
    m_detailsSwitch->setCheckable(true);
    m_detailsSwitch->setChecked(m_detailsVisible);
    connect(m_detailsSwitch, &QAction::toggled, this, [this](bool on) { m_detailsVisible = on; });

    QMenu *about = menuBar()->addMenu(QStringLiteral("O programu"));
    about->setObjectName(QStringLiteral("menuOProgramu"));
    QAction *manual = about->addAction(QStringLiteral("Uputstva"));
    manual->setObjectName(QStringLiteral("actionUputstva"));
    connect(manual, &QAction::triggered, this, &TMainForm::openManual);
    tools->addAction(manual);
    QAction *author = about->addAction(QStringLiteral("Autor"));
    author->setObjectName(QStringLiteral("actionAutor"));
    connect(author, &QAction::triggered, this, &TMainForm::openAbout);
}

void TMainForm::createStatusBar()
{
    for (int i = 0; i < 4; ++i) {
        auto *panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("statusPanel%1").arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        m_panels << panel;
        statusBar()->addWidget(panel, i == 1 ? 1 : 0);
    }
    m_panels[0]->setText(kProductName);
    m_panels[3]->setText(kRightsNotice);
    m_clock = new QTimer(this);
    m_clock->setInterval(500);
    connect(m_clock, &QTimer::timeout, this, &TMainForm::updateClock);
    m_clock->start();
    updateClock();
}

QString TMainForm::statusPanelText(int index) const
{
    return m_panels.value(index) ? m_panels.at(index)->text() : QString();
}

bool TMainForm::updateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QString text = formatTime(now.time()) + QStringLiteral("   ") + formatShortDate(now.date());
    if (m_panels[2]->text() == text)
        return false;
    m_panels[2]->setText(text);
    return true;
}

void TMainForm::refreshTitle()
{
    m_title->setText(m_settings.text(QStringLiteral("Naslov")));
    QPalette pal = m_title->palette();
    pal.setColor(QPalette::Window, settingColor(m_settings.integer(QStringLiteral("BackTitleColor"))));
    pal.setColor(QPalette::WindowText, settingColor(m_settings.integer(QStringLiteral("FontTitleColor"))));
    m_title->setPalette(pal);
}

bool TMainForm::runShowStep()
{
    if (m_inShowStep)
        return m_data.DB.isOpen();
    m_inShowStep = true;
    ++m_showCount;
    restorePositions();
    const bool opened = m_data.OpenDatabase(m_settings, Prompter::current());
    if (opened)
        fillCurrencyLists();
    // Whatever was edited and not saved in the settings screen is dropped.
    m_settings.load();
    m_options->loadFromSettings();
    m_detailsSwitch->setChecked(m_settings.flag(QStringLiteral("PrikaziDetalje")));
    refreshTitle();
    m_inShowStep = false;
    return opened;
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous() && m_showCount == 0)
        QTimer::singleShot(0, this, [this] { runShowStep(); });
}

void TMainForm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        refreshTitle();
}

void TMainForm::fillCurrencyLists()
{
    try {
        db::TransactionGuard read(m_data.Read);
        m_options->fillCurrencyLists(m_data.Read);
        read.commit();
    } catch (const db::DbError &e) {
        Prompter::current().message(e.message(), Prompter::Kind::Error);
    }
}

void TMainForm::openOptions()
{
    m_options->exec();
    // Closed either way: reconnect with the stored settings and reload them.
    runShowStep();
}

TOptionForm *TMainForm::optionForm() const
{
    return m_options;
}

void TMainForm::openEmployees()
{
    m_employees->showScreen();
}

void TMainForm::openVehicles()
{
    m_vehicles->showOnFirstTabs();
}

void TMainForm::openCurrencies()
{
    m_currencies->exec();
}

void TMainForm::openCountries()
{
    m_countries->exec();
    // The country filter of the order list is filled again here once the
    // order list exists.
}

QString TMainForm::manualPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("docs/upute.pdf"));
}

void TMainForm::openManual()
{
    // Nothing happens when the manual is not installed.
    if (QFileInfo::exists(manualPath()))
        QDesktopServices::openUrl(QUrl::fromLocalFile(manualPath()));
}

void TMainForm::openAbout()
{
    TAboutForm about(this);
    about.exec();
}

void TMainForm::exitProgram()
{
    m_settings.set(QStringLiteral("PrikaziDetalje"), m_detailsVisible ? 1 : 0);
    m_settings.write({QStringLiteral("PrikaziDetalje")});
    close();
    QApplication::quit();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    storePositions();
    QMainWindow::closeEvent(event);
}

void TMainForm::restorePositions()
{
    QSettings store(userSettingsFile(), QSettings::IniFormat);
    store.beginGroup(QStringLiteral("poz"));
    if (!store.contains(QStringLiteral("W")))
        return;
    const int l = store.value(QStringLiteral("L")).toInt();
    const int t = store.value(QStringLiteral("T")).toInt();
    const int w = store.value(QStringLiteral("W")).toInt();
    const int h = store.value(QStringLiteral("H")).toInt();
    if (w > 100 && h > 100)
        setGeometry(l, t, w, h);
    if (store.value(QStringLiteral("Maxim")).toInt() == 1)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TMainForm::storePositions() const
{
    QSettings store(userSettingsFile(), QSettings::IniFormat);
    store.beginGroup(QStringLiteral("poz"));
    const QRect g = normalGeometry();
    store.setValue(QStringLiteral("L"), g.left());
    store.setValue(QStringLiteral("T"), g.top());
    store.setValue(QStringLiteral("W"), g.width());
    store.setValue(QStringLiteral("H"), g.height());
    store.setValue(QStringLiteral("Maxim"), isMaximized() ? 1 : 0);
}

} // namespace kalvor
