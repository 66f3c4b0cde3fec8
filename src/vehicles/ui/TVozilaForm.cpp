#include "vehicles/ui/TVozilaForm.h"

#include "core/Amounts.h"
#include "core/Prompter.h"
#include "core/TDataModule1.h"
#include "core/db/DbError.h"
#include "vehicles/LastOdometer.h"
#include "vehicles/VehicleKinds.h"
#include "vehicles/VehicleListModel.h"
#include "vehicles/ui/ListRows.h"
#include "vehicles/ui/TVoziloForm.h"
#include "vehicles/ui/VehicleRecordsTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace kalvor {

namespace {

QLabel *valueLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

void showDbError(const db::DbError &e)
{
    Prompter::current().message(e.message(), Prompter::Kind::Error);
}

} // namespace

TVozilaForm::TVozilaForm(TDataModule1 &data, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
    , m_repository(data)
{
    createControls();
    setProperties();
    layOut();
    connectSignals();
}

void TVozilaForm::createControls()
{
    m_dialog = new TVoziloForm(m_data, this);
    m_model = new VehicleListModel(VehicleListModel::Layout::Overview, this);
    m_tabs = new QTabWidget(this);
    m_listTab = new QWidget(m_tabs);
    m_recordsTab = new VehicleRecordsTab(m_repository, m_tabs);
    m_kindFilter = new QComboBox(m_listTab);
    m_onlyActive = new QCheckBox(QStringLiteral("Samo aktivna"), m_listTab);
    m_list = new QTableView(m_listTab);
    m_add = new QPushButton(QStringLiteral("Dodaj novo"), m_listTab);
    m_change = new QPushButton(QStringLiteral("Promijeni"), m_listTab);
    m_delete = new QPushButton(QStringLiteral("Obriši"), m_listTab);
    m_odometerPanel = new QWidget(m_listTab);
    m_lastKm = valueLabel(m_odometerPanel, "lastKm");
    m_orderLink = valueLabel(m_odometerPanel, "orderLink");
    m_note = new QPlainTextEdit(m_listTab);
    m_countTotal = valueLabel(this, "countTotal");
    m_countActive = valueLabel(this, "countActive");
    m_countShown = valueLabel(this, "countShown");
    m_countShownActive = valueLabel(this, "countShownActive");
    m_back = new QPushButton(QStringLiteral("Povratak"), this);
}

void TVozilaForm::setProperties()
{
    setObjectName(QStringLiteral("TVozilaForm"));
    setWindowTitle(QStringLiteral("Pregled vozila - unos i pregled "));
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_kindFilter->setObjectName(QStringLiteral("kindFilter"));
    m_kindFilter->addItems(vehicleFilterItems());
    m_kindFilter->setCurrentIndex(VehicleKind::AllKinds);
    m_onlyActive->setObjectName(QStringLiteral("onlyActive"));
    m_list->setObjectName(QStringLiteral("vehicleList"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_add->setObjectName(QStringLiteral("addVehicle"));
    m_change->setObjectName(QStringLiteral("changeVehicle"));
    m_delete->setObjectName(QStringLiteral("deleteVehicle"));
    m_odometerPanel->setObjectName(QStringLiteral("odometerPanel"));
    m_orderLink->setTextFormat(Qt::RichText);
    m_orderLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_note->setObjectName(QStringLiteral("vehicleNote"));
    m_note->setReadOnly(true);
    m_back->setObjectName(QStringLiteral("back"));
}

void TVozilaForm::layOut()
{
    auto *filters = new QHBoxLayout;
    filters->addWidget(m_kindFilter);
    filters->addWidget(m_onlyActive);
    filters->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_change);
    buttons->addWidget(m_delete);
    buttons->addStretch();

    auto *left = new QVBoxLayout;
    left->addLayout(filters);
    left->addWidget(m_list);
    left->addLayout(buttons);

    auto *odometer = new QFormLayout(m_odometerPanel);
    odometer->addRow(QStringLiteral("Zadnje stanje km:"), m_lastKm);
    odometer->addRow(QStringLiteral("Vezani nalog:"), m_orderLink);

    auto *noteBox = new QGroupBox(QStringLiteral("Napomena o vozilu"), m_listTab);
    auto *noteLayout = new QVBoxLayout(noteBox);
    noteLayout->addWidget(m_note);

    auto *right = new QVBoxLayout;
    right->addWidget(m_odometerPanel);
    right->addWidget(noteBox, 1);

    auto *listTab = new QHBoxLayout(m_listTab);
    listTab->addLayout(left, 3);
    listTab->addLayout(right, 1);

    m_tabs->addTab(m_listTab, QStringLiteral("Popis vozila"));
    m_tabs->addTab(m_recordsTab, QStringLiteral("Evidencije"));

    auto *bottom = new QHBoxLayout;
    const QList<QPair<QString, QLabel *>> counters{{QStringLiteral("Vozila u evidenciji:"), m_countTotal},
                                                   {QStringLiteral("Aktivno vozila:"), m_countActive},
                                                   {QStringLiteral("Prikazano vozila:"), m_countShown},
                                                   {QStringLiteral("Od toga aktivno:"), m_countShownActive}};
    for (const auto &[caption, label] : counters) {
        bottom->addWidget(new QLabel(caption, this));
        bottom->addWidget(label);
        bottom->addSpacing(12);
    }
    bottom->addStretch();
    bottom->addWidget(m_back);

    auto *main = new QVBoxLayout(this);
    main->addWidget(m_tabs);
    main->addLayout(bottom);
}

void TVozilaForm::connectSignals()
{
    connect(m_kindFilter, &QComboBox::currentIndexChanged, this, &TVozilaForm::refreshLists);
    connect(m_onlyActive, &QCheckBox::toggled, this, &TVozilaForm::refreshLists);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TVozilaForm::showCurrentVehicle);
    connect(m_list, &QTableView::doubleClicked, this, &TVozilaForm::changeVehicle);
    connect(m_add, &QPushButton::clicked, this, &TVozilaForm::addVehicle);
    connect(m_change, &QPushButton::clicked, this, &TVozilaForm::changeVehicle);
    connect(m_delete, &QPushButton::clicked, this, &TVozilaForm::deleteVehicle);
    connect(m_orderLink, &QLabel::linkActivated, this, [this] {
        if (m_linkedOrder != -1)
            emit orderRequested(m_linkedOrder);
    });
    connect(m_back, &QPushButton::clicked, this, &QDialog::reject);
}

int TVozilaForm::showOnFirstTabs()
{
    m_tabs->setCurrentIndex(0);
    if (m_recordsTab->recordTabs()->count() > 0)
        m_recordsTab->recordTabs()->setCurrentIndex(0);
    prepareShowing();
    return exec();
}

void TVozilaForm::prepareShowing()
{
    refreshLists();
}

void TVozilaForm::refreshLists()
{
    try {
        refreshList();
        m_recordsTab->refresh(m_onlyActive->isChecked());
        refreshCounters();
    } catch (const db::DbError &e) {
        showDbError(e);
    }
}

void TVozilaForm::refreshList()
{
    const int row = vehiclesui::currentRow(m_list);
    const int key = m_model->keyAt(row);
    m_model->setRows(m_repository.list(m_kindFilter->currentIndex(), m_onlyActive->isChecked()));
    const int found = m_model->rowOfKey(key);
    vehiclesui::setCurrentRow(m_list, found >= 0 ? found : row);
    showCurrentVehicle();
}

void TVozilaForm::refreshCounters()
{
    const VehicleCounters c = m_repository.counters(m_kindFilter->currentIndex());
    m_countTotal->setText(QString::number(c.total));
    m_countActive->setText(QString::number(c.active));
    m_countShown->setText(QString::number(c.shown));
    m_countShownActive->setText(QString::number(c.shownActive));
}

void TVozilaForm::showCurrentVehicle()
{
    const int row = vehiclesui::currentRow(m_list);
    m_linkedOrder = -1;
    if (row < 0) {
        m_note->clear();
        m_odometerPanel->hide();
        return;
    }
    const VehicleRecord &vehicle = m_model->vehicle(row);
    m_note->setPlainText(vehicle.napomena);
    m_odometerPanel->show();
    const QString missing = QStringLiteral("N/A");
    try {
        const OdometerReading reading = LastOdometerReading(m_data.IBTransaction1, vehicle.id);
        if (!reading.found()) {
            m_lastKm->setText(missing);
            m_orderLink->setText(missing);
            return;
        }
        m_lastKm->setText(FormatAmountZero(reading.km));
        const QString label = m_repository.orderLabel(reading.orderId);
        m_linkedOrder = reading.orderId;
        m_orderLink->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                                 .arg(reading.orderId)
                                 .arg((label.isEmpty() ? missing : label).toHtmlEscaped()));
    } catch (const db::DbError &e) {
        m_lastKm->setText(missing);
        m_orderLink->setText(missing);
        showDbError(e);
    }
}

int TVozilaForm::currentVehicle() const
{
    return m_model->keyAt(vehiclesui::currentRow(m_list));
}

void TVozilaForm::selectVehicle(int id)
{
    const int row = m_model->rowOfKey(id);
    if (row >= 0)
        vehiclesui::setCurrentRow(m_list, row);
}

void TVozilaForm::addVehicle()
{
    if (m_dialog->run(-1) != QDialog::Accepted)
        return;
    refreshLists();
    selectVehicle(m_dialog->savedId());
}

void TVozilaForm::changeVehicle()
{
    const int id = currentVehicle();
    if (id == -1)
        return;
    if (m_dialog->run(id) == QDialog::Accepted)
        refreshLists();
}

void TVozilaForm::deleteVehicle()
{
    const int id = currentVehicle();
    if (id == -1)
        return;
    Prompter &prompter = Prompter::current();
    if (!prompter.question(QStringLiteral("Jeste li sigurno da želite obrisati označeno vozilo iz baze?")))
        return;
    try {
        if (m_repository.orderCount(id) > 0
            && !prompter.question(QStringLiteral("Vozilo kojeg želite obrisati ima pridružene naloge!\n"
                                                 "Brisanjem ćete izgubiti evidenciju o vozilu i o tim nalozima!\n\n"
                                                 "Jeste li sigurni da želite obrisati vozilo?!")))
            return;
        m_repository.remove(id);
    } catch (const db::DbError &e) {
        showDbError(e);
        return;
    }
    refreshLists();
}

} // namespace kalvor
