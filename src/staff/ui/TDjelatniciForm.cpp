#include "staff/ui/TDjelatniciForm.h"

#include "core/ListUtil.h"
#include "core/Prompter.h"
#include "core/db/DbError.h"
#include "staff/EmployeeListModel.h"
#include "staff/EmployeeRules.h"
#include "staff/ui/TDjelatnikForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace kalvor {

namespace {

// Captions and object names of the detail panel's values, in panel order.
const QList<QPair<QString, QString>> &detailFields()
{
    static const QList<QPair<QString, QString>> fields{
        {QStringLiteral("Prezime i ime:"), QStringLiteral("detailName")},
        {QStringLiteral("MBR:"), QStringLiteral("detailMbr")},
        {QStringLiteral("Adresa:"), QStringLiteral("detailAddress")},
        {QStringLiteral("Kontakt:"), QStringLiteral("detailContact")},
        {QStringLiteral("Broj osobne iskaznice:"), QStringLiteral("detailIdCard")},
        {QStringLiteral("Radno mjesto:"), QStringLiteral("detailJob")},
        {QStringLiteral("Zvanje:"), QStringLiteral("detailTitle")},
        {QStringLiteral("Napomena:"), QStringLiteral("detailNote")},
    };
    return fields;
}

int currentRow(const QTableView *view)
{
    const QModelIndex index = view->currentIndex();
    return index.isValid() ? index.row() : -1;
}

void setCurrentRow(QTableView *view, int row)
{
    const int rows = view->model()->rowCount();
    if (rows == 0 || row < 0) {
        view->setCurrentIndex(QModelIndex());
        return;
    }
    view->selectionModel()->setCurrentIndex(view->model()->index(qMin(row, rows - 1), 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void setUpList(QTableView *view, QAbstractItemModel *model, const char *name)
{
    view->setObjectName(QLatin1String(name));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
}

} // namespace

TDjelatniciForm::TDjelatniciForm(TDataModule1 &data, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
    , m_repository(data)
{
    createControls();
    setProperties();
    layOut();
    connectSignals();
}

void TDjelatniciForm::createControls()
{
    m_dialog = new TDjelatnikForm(m_data, this);
    m_model = new EmployeeListModel(EmployeeListModel::Layout::Overview, this);
    m_selectorModel = new EmployeeListModel(EmployeeListModel::Layout::Selector, this);
    m_tabs = new QTabWidget(this);
    m_listTab = new QWidget(m_tabs);
    m_recordsTab = new QWidget(m_tabs);
    m_filter = new QComboBox(m_listTab);
    m_onlyActive = new QCheckBox(QStringLiteral("Samo aktivni"), m_listTab);
    m_list = new QTableView(m_listTab);
    m_copy = new QAction(QStringLiteral("Kopiraj tablicu"), m_list);
    m_add = new QPushButton(QStringLiteral("Dodaj novog"), m_listTab);
    m_change = new QPushButton(QStringLiteral("Promijeni"), m_listTab);
    m_delete = new QPushButton(QStringLiteral("Obriši"), m_listTab);
    m_detailsToggle = new QPushButton(QStringLiteral("Detalji"), m_listTab);
    m_detailPanel = new QWidget(m_listTab);
    for (int i = 0; i < detailFields().size(); ++i)
        m_detailValues.append(new QLabel(m_detailPanel));
    m_selector = new QTableView(m_recordsTab);
    m_recordTabs = new QTabWidget(m_recordsTab);
    m_back = new QPushButton(QStringLiteral("Povratak"), this);
    m_report = new QPushButton(QStringLiteral("Izvještaj - popis djelatnika"), this);
}

void TDjelatniciForm::setProperties()
{
    setObjectName(QStringLiteral("TDjelatniciForm"));
    setWindowTitle(QStringLiteral("Djelatnici - unos i pregled"));
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_filter->setObjectName(QStringLiteral("employeeFilter"));
    m_filter->addItems(EmployeeFilter::items());
    m_filter->setCurrentIndex(EmployeeFilter::All);
    m_onlyActive->setObjectName(QStringLiteral("onlyActive"));
    setUpList(m_list, m_model, "employeeList");
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_copy->setObjectName(QStringLiteral("copyTable"));
    m_copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    m_copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_list->addAction(m_copy);
    m_add->setObjectName(QStringLiteral("addEmployee"));
    m_change->setObjectName(QStringLiteral("changeEmployee"));
    m_delete->setObjectName(QStringLiteral("deleteEmployee"));
    m_detailsToggle->setObjectName(QStringLiteral("details"));
    m_detailsToggle->setCheckable(true);
    m_detailPanel->setObjectName(QStringLiteral("detailPanel"));
    m_detailPanel->setVisible(false);
    for (int i = 0; i < m_detailValues.size(); ++i) {
        m_detailValues.at(i)->setObjectName(detailFields().at(i).second);
        m_detailValues.at(i)->setWordWrap(true);
        m_detailValues.at(i)->setTextFormat(Qt::PlainText);
    }
    setUpList(m_selector, m_selectorModel, "employeeSelector");
    m_recordTabs->setObjectName(QStringLiteral("recordTabs"));
    m_back->setObjectName(QStringLiteral("back"));
    m_report->setObjectName(QStringLiteral("reportButton"));
    // The printed list of employees comes with the report printing.
    m_report->setEnabled(false);
}

void TDjelatniciForm::layOut()
{
    auto *filters = new QHBoxLayout;
    filters->addWidget(m_filter);
    filters->addWidget(m_onlyActive);
    filters->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_change);
    buttons->addWidget(m_delete);
    buttons->addStretch();
    buttons->addWidget(m_detailsToggle);

    auto *details = new QFormLayout(m_detailPanel);
    for (int i = 0; i < m_detailValues.size(); ++i)
        details->addRow(detailFields().at(i).first, m_detailValues.at(i));

    auto *left = new QVBoxLayout;
    left->addLayout(filters);
    left->addWidget(m_list);
    left->addLayout(buttons);

    auto *listTab = new QHBoxLayout(m_listTab);
    listTab->addLayout(left, 3);
    listTab->addWidget(m_detailPanel, 1);

    auto *recordsTab = new QHBoxLayout(m_recordsTab);
    recordsTab->addWidget(m_selector, 1);
    recordsTab->addWidget(m_recordTabs, 3);

    m_tabs->addTab(m_listTab, QStringLiteral("Popis djelatnika"));
    m_tabs->addTab(m_recordsTab, QStringLiteral("Evidencije"));

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_report);
    bottom->addStretch();
    bottom->addWidget(m_back);

    auto *main = new QVBoxLayout(this);
    main->addWidget(m_tabs);
    main->addLayout(bottom);
}

void TDjelatniciForm::connectSignals()
{
    connect(m_filter, &QComboBox::currentIndexChanged, this, &TDjelatniciForm::refreshList);
    connect(m_onlyActive, &QCheckBox::toggled, this, &TDjelatniciForm::refreshList);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { followRow(m_list, m_selector); });
    connect(m_selector->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { followRow(m_selector, m_list); });
    connect(m_list, &QTableView::doubleClicked, this, &TDjelatniciForm::changeEmployee);
    connect(m_copy, &QAction::triggered, this, [this] { CopyGridToClipboard(m_list); });
    connect(m_add, &QPushButton::clicked, this, &TDjelatniciForm::addEmployee);
    connect(m_change, &QPushButton::clicked, this, &TDjelatniciForm::changeEmployee);
    connect(m_delete, &QPushButton::clicked, this, &TDjelatniciForm::deleteEmployee);
    connect(m_detailsToggle, &QPushButton::toggled, m_detailPanel, &QWidget::setVisible);
    connect(m_back, &QPushButton::clicked, this, &QDialog::reject);
}

int TDjelatniciForm::showScreen()
{
    prepareShowing();
    return exec();
}

void TDjelatniciForm::prepareShowing()
{
    refreshList();
    if (m_tabs->currentIndex() == 0)
        m_list->setFocus();
}

void TDjelatniciForm::refreshList()
{
    const int row = currentRow(m_list);
    const int key = m_model->keyAt(row);
    try {
        const QVector<EmployeeRecord> rows = m_repository.list(m_filter->currentIndex(), m_onlyActive->isChecked());
        m_syncing = true;
        m_model->setRows(rows);
        m_selectorModel->setRows(rows);
        m_syncing = false;
    } catch (const db::DbError &e) {
        m_syncing = false;
        Prompter::current().message(e.message(), Prompter::Kind::Error);
    }
    selectEmployee(key, row);
    showDetails();
}

void TDjelatniciForm::selectEmployee(int id, int fallbackRow)
{
    const int found = m_model->rowOfKey(id);
    const int row = found >= 0 ? found : qMax(fallbackRow, 0);
    setCurrentRow(m_list, row);
}

void TDjelatniciForm::followRow(QTableView *source, QTableView *other)
{
    if (m_syncing)
        return;
    m_syncing = true;
    setCurrentRow(other, currentRow(source));
    m_syncing = false;
    showDetails();
}

void TDjelatniciForm::showDetails()
{
    for (QLabel *label : m_detailValues)
        label->clear();
    const int row = currentRow(m_list);
    const int id = m_model->keyAt(row);
    if (row >= 0) {
        const EmployeeRecord &e = m_model->employee(row);
        const QStringList values{e.imePrezime, StaffNumberText(e.mbr), e.adresa, e.kontakt,
                                 e.osobna,     e.radnoMjesto,          e.zvanje, e.napomena};
        for (int i = 0; i < m_detailValues.size(); ++i)
            m_detailValues.at(i)->setText(values.at(i));
    }
    if (id != m_lastEmitted) {
        m_lastEmitted = id;
        emit currentEmployeeChanged(id);
    }
}

int TDjelatniciForm::currentEmployee() const
{
    return m_model->keyAt(currentRow(m_list));
}

void TDjelatniciForm::addEmployee()
{
    if (m_dialog->run(-1) != QDialog::Accepted)
        return;
    refreshList();
    const int row = m_model->rowOfKey(m_dialog->savedId());
    if (row >= 0)
        setCurrentRow(m_list, row);
}

void TDjelatniciForm::changeEmployee()
{
    const int id = currentEmployee();
    if (id == -1)
        return;
    if (m_dialog->run(id) == QDialog::Accepted)
        refreshList();
}

void TDjelatniciForm::deleteEmployee()
{
    const int id = currentEmployee();
    if (id == -1)
        return;
    Prompter &prompter = Prompter::current();
    if (!prompter.question(QStringLiteral("Jeste li sigurno da želite obrisati označenog djelatnika?")))
        return;
    try {
        if (m_repository.orderEntryCount(id) > 0
            && !prompter.question(QStringLiteral("Djelatnik kojeg želite obrisati ima pridružene naloge!\n"
                                                 "Brisanjem ćete izgubiti evidenciju o njegovom radu i tim "
                                                 "nalozima!\n\nJeste li sigurni da želite obrisati djelatnika?!")))
            return;
        m_repository.remove(id);
    } catch (const db::DbError &e) {
        Prompter::current().message(e.message(), Prompter::Kind::Error);
        return;
    }
    refreshList();
}

} // namespace kalvor
