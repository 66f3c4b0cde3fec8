#include "reference/ui/TDKalk.h"

#include "core/Amounts.h"
#include "core/Prompter.h"
#include "core/TDataModule1.h"
#include "reference/AllowanceRates.h"
#include "reference/MultiCountryTexts.h"
#include "reference/ui/RowTableModel.h"
#include "reference/ui/TDrzavaBoravak.h"
#include "reference/ui/ViewSetup.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kalvor {

namespace {

const QString kFileFilter = QStringLiteral(".kvcalc datoteke (*.kvcalc)");
const QString kFileExtension = QStringLiteral(".kvcalc");

QLabel *valueLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QPushButton *button(const QString &text, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QAction *action(const QString &text, const QString &name, const QKeySequence &shortcut, QWidget *view)
{
    auto *a = new QAction(text, view);
    a->setObjectName(name);
    if (!shortcut.isEmpty()) {
        a->setShortcut(shortcut);
        a->setShortcutContext(Qt::WidgetShortcut);
    }
    view->addAction(a);
    return a;
}

} // namespace

TDKalk::TDKalk(TDataModule1 &dm, const Settings &settings, QWidget *parent)
    : QDialog(parent)
    , m_dm(dm)
    , m_settings(settings)
    , m_accountingDate(QDate::currentDate())
    , m_stayModel(new RowTableModel({QStringLiteral("##"), QStringLiteral("Država"),
                                     QStringLiteral("Trajanje putovanja (ulaz-izlaz u državu)"),
                                     QStringLiteral("Dnevnica"), QStringLiteral("Valuta")},
                                    this))
    , m_stayList(new QTableView(this))
    , m_result(new QTreeWidget(this))
    , m_grouping(new QCheckBox(QStringLiteral("Grupiraj"), this))
    , m_listedHours(valueLabel(QStringLiteral("listedHours"), this))
    , m_lineCount(valueLabel(QStringLiteral("lineCount"), this))
    , m_stayCount(valueLabel(QStringLiteral("stayCount"), this))
    , m_totalDuration(valueLabel(QStringLiteral("totalDuration"), this))
    , m_allowanceCount(valueLabel(QStringLiteral("allowanceCount"), this))
    , m_totalKn(valueLabel(QStringLiteral("totalKn"), this))
    , m_totalEur(valueLabel(QStringLiteral("totalEur"), this))
    , m_totalUsd(valueLabel(QStringLiteral("totalUsd"), this))
    , m_add(button(QStringLiteral("Dodaj"), QStringLiteral("add"), this))
    , m_calculate(button(QStringLiteral("Računaj"), QStringLiteral("calculate"), this))
    , m_save(button(QStringLiteral("Snimi"), QStringLiteral("save"), this))
    , m_load(button(QStringLiteral("Učitaj"), QStringLiteral("load"), this))
    , m_record(button(QStringLiteral("Evidentiraj"), QStringLiteral("record"), this))
    , m_cancel(button(QStringLiteral("Otkaži"), QStringLiteral("cancel"), this))
    , m_deleteStay(action(QStringLiteral("Obriši stavku putovanja"), QStringLiteral("deleteStay"),
                          QKeySequence(Qt::CTRL | Qt::Key_Delete), m_stayList))
    , m_moveUp(action(QStringLiteral("Pomakni stavku prema gore"), QStringLiteral("moveUp"),
                      QKeySequence(Qt::CTRL | Qt::Key_Up), m_stayList))
    , m_moveDown(action(QStringLiteral("Pomakni stavku prema dolje"), QStringLiteral("moveDown"),
                        QKeySequence(Qt::CTRL | Qt::Key_Down), m_stayList))
    , m_deleteAll(action(QStringLiteral("Obriši sve stavke putovanja"), QStringLiteral("deleteAll"), {}, m_stayList))
    , m_changeStay(action(QStringLiteral("Promijeni podatke"), QStringLiteral("changeStay"), {}, m_stayList))
{
    setWindowTitle(QStringLiteral("Obračun dnevnica za međunarodna putovanja (više država, prelazak kroz države...)"));
    m_stayList->setObjectName(QStringLiteral("stayList"));
    m_stayList->setModel(m_stayModel);
    setUpRowList(m_stayList);
    m_stayModel->setAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    m_stayModel->setAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    m_result->setObjectName(QStringLiteral("result"));
    m_result->setHeaderLabels({QStringLiteral("##"), QStringLiteral("Država"), QStringLiteral("Trajanje putovanja"),
                               QStringLiteral("Iz prethodne "), QStringLiteral("Ukupno"),
                               QStringLiteral("Za dnevnice"), QStringLiteral("Br.dnev."), QStringLiteral("Prijenos"),
                               QStringLiteral("Iznos")});
    m_result->setRootIsDecorated(true);
    m_grouping->setObjectName(QStringLiteral("grouping"));
    m_grouping->setChecked(true);
    m_grouping->setToolTip(
        QStringLiteral("Grupiraj prelaske kroz pojedinu državu (odlazak i povratak kao jedna stavka)"));
    m_calculate->setDefault(true);

    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(m_add);
    listButtons->addWidget(m_grouping);
    listButtons->addStretch();
    listButtons->addWidget(new QLabel(QStringLiteral("Sati prema popisu:"), this));
    listButtons->addWidget(m_listedHours);
    auto *figures = new QFormLayout;
    figures->addRow(QStringLiteral("Broj obračunskih stavki:"), m_lineCount);
    figures->addRow(QStringLiteral("Broj stavki putovanja:"), m_stayCount);
    figures->addRow(QStringLiteral("Ukupno trajanje putovanja:"), m_totalDuration);
    figures->addRow(QStringLiteral("Broj dnevnica:"), m_allowanceCount);
    auto *totals = new QFormLayout;
    totals->addRow(QStringLiteral("Ukupni iznos (kn):"), m_totalKn);
    totals->addRow(QStringLiteral("Ukupni iznos (EUR):"), m_totalEur);
    totals->addRow(QStringLiteral("Ukupni iznos (USD):"), m_totalUsd);
    auto *under = new QHBoxLayout;
    under->addLayout(figures);
    under->addLayout(totals);
    under->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_calculate);
    buttons->addWidget(m_save);
    buttons->addWidget(m_load);
    buttons->addStretch();
    buttons->addWidget(m_record);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_stayList, 1);
    layout->addLayout(listButtons);
    layout->addWidget(m_result, 1);
    layout->addLayout(under);
    layout->addLayout(buttons);
    resize(900, 600);

    connect(m_add, &QPushButton::clicked, this, &TDKalk::addStay);
    connect(m_calculate, &QPushButton::clicked, this, &TDKalk::calculate);
    connect(m_save, &QPushButton::clicked, this, &TDKalk::save);
    connect(m_load, &QPushButton::clicked, this, &TDKalk::load);
    connect(m_record, &QPushButton::clicked, this, &TDKalk::record);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_deleteStay, &QAction::triggered, this, &TDKalk::deleteStay);
    connect(m_moveUp, &QAction::triggered, this, [this] { moveStay(-1); });
    connect(m_moveDown, &QAction::triggered, this, [this] { moveStay(1); });
    connect(m_deleteAll, &QAction::triggered, this, &TDKalk::deleteAllStays);
    connect(m_changeStay, &QAction::triggered, this, &TDKalk::changeStay);
    connect(m_stayList, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (!index.isValid())
            return;
        m_stayList->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect
                                                                 | QItemSelectionModel::Rows);
        changeStay();
    });
    connect(m_stayList, &QTableView::customContextMenuRequested, this, &TDKalk::showContextMenu);
    connect(m_stayList->selectionModel(), &QItemSelectionModel::currentChanged, this, &TDKalk::updateActions);
    setStays({});
}

void TDKalk::setAccountingDate(const QDate &date)
{
    m_accountingDate = date;
}

void TDKalk::setStayText(const QString &text)
{
    m_stayText = text;
    setStays(ReadStayText(text));
}

void TDKalk::setJourneyAllowances(JourneyAllowances journeyAllowances)
{
    m_journeyAllowances = std::move(journeyAllowances);
}

void TDKalk::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded([this] { readRates(); });
}

void TDKalk::readRates()
{
    QVector<StayRate> rates;
    for (const AllowanceRate &rate : AllowanceRates::ratesByCountryAt(m_dm.Read, m_accountingDate))
        rates.append(StayRate{rate.country, rate.amount, rate.currency});
    m_rates = UsableStayRates(rates);
}

void TDKalk::setStays(const QVector<Stay> &stays, int current)
{
    m_stays = stays;
    QVector<RowTableModel::Row> rows;
    for (int i = 0; i < m_stays.size(); ++i)
        rows.append({StayListCells(i + 1, m_stays.at(i)), QString::number(i)});
    m_stayModel->setRows(rows, m_stayList);
    if (current >= 0 && current < m_stays.size())
        m_stayList->selectionModel()->setCurrentIndex(m_stayModel->index(current, 0),
                                                      QItemSelectionModel::ClearAndSelect
                                                          | QItemSelectionModel::Rows);
    m_listedHours->setText(ListedHoursText(m_stays));
    // A result shown belongs to the stays shown; any change of them clears it.
    clearResult();
    updateActions();
}

void TDKalk::clearResult()
{
    m_result->clear();
    for (QLabel *label :
         {m_lineCount, m_stayCount, m_totalDuration, m_allowanceCount, m_totalKn, m_totalEur, m_totalUsd})
        label->clear();
}

int TDKalk::currentStay() const
{
    const QModelIndex current = m_stayList->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TDKalk::updateActions()
{
    const int current = currentStay();
    const int count = int(m_stays.size());
    m_deleteStay->setEnabled(current >= 0);
    m_changeStay->setEnabled(current >= 0);
    m_moveUp->setEnabled(current > 0);
    m_moveDown->setEnabled(current >= 0 && current < count - 1);
    m_deleteAll->setEnabled(count > 0);
}

void TDKalk::showContextMenu(const QPoint &position)
{
    QMenu menu(this);
    menu.addAction(m_changeStay);
    menu.addSeparator();
    menu.addAction(m_moveUp);
    menu.addAction(m_moveDown);
    menu.addSeparator();
    menu.addAction(m_deleteStay);
    menu.addAction(m_deleteAll);
    menu.exec(m_stayList->viewport()->mapToGlobal(position));
}

void TDKalk::addStay()
{
    TDrzavaBoravak dialog(m_rates, this);
    dialog.prepareAdd();
    if (dialog.exec() != QDialog::Accepted)
        return;
    QVector<Stay> stays = m_stays;
    stays.append(dialog.stay());
    setStays(stays, int(stays.size()) - 1);
}

void TDKalk::changeStay()
{
    const int current = currentStay();
    if (current < 0)
        return;
    TDrzavaBoravak dialog(m_rates, this);
    dialog.prepareChange(m_stays.at(current));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QVector<Stay> stays = m_stays;
    stays[current] = dialog.stay();
    setStays(stays, current);
}

void TDKalk::deleteStay()
{
    const int current = currentStay();
    if (current < 0)
        return;
    QVector<Stay> stays = m_stays;
    stays.removeAt(current);
    setStays(stays, qMin(current, int(stays.size()) - 1));
}

void TDKalk::moveStay(int step)
{
    const int current = currentStay();
    const int other = current + step;
    if (current < 0 || other < 0 || other >= m_stays.size())
        return;
    QVector<Stay> stays = m_stays;
    stays.swapItemsAt(current, other);
    setStays(stays, other);
}

void TDKalk::deleteAllStays()
{
    if (!Prompter::current().question(QStringLiteral("Jeste li sigurni da želite obrisati sve stavke putovanja?")))
        return;
    setStays({});
}

void TDKalk::calculate()
{
    if (m_stays.isEmpty()) {
        Prompter::current().message(QStringLiteral("Niste unijeli nijednu stavku putovanja!"),
                                    Prompter::Kind::Warning);
        return;
    }
    StayCalculationOptions options;
    options.grouping = m_grouping->isChecked();
    options.absoluteDurations = false;
    options.correct = m_settings.flag(QStringLiteral("DnevCorrect"));
    options.journeyAllowances = m_journeyAllowances;
    const StayCalculation calculation = CalculateStays(m_stays, options);

    clearResult();
    for (int i = 0; i < calculation.lines.size(); ++i) {
        const CalculationLine &line = calculation.lines.at(i);
        auto *item = new QTreeWidgetItem(m_result, CalculationLineCells(i + 1, line));
        for (int s = 0; s < line.stays.size(); ++s)
            new QTreeWidgetItem(item, CalculationStayCells(i + 1, s + 1, line.stays.at(s)));
    }
    m_result->expandAll();
    m_lineCount->setText(QString::number(calculation.lines.size()));
    m_stayCount->setText(QString::number(m_stays.size()));
    m_totalDuration->setText(FormatDurationMinutes(calculation.totalMinutes, true, false));
    m_allowanceCount->setText(FormatGeneralNumber(calculation.allowances));
    const MainCurrencyTotals totals = SumMainCurrencies(calculation, m_settings.text(QStringLiteral("SlovaValuta")));
    m_totalKn->setText(FormatAmountZero(totals.kn));
    m_totalEur->setText(FormatAmountZero(totals.eur));
    m_totalUsd->setText(FormatAmountZero(totals.usd));
}

void TDKalk::save()
{
    if (m_stays.isEmpty()) {
        Prompter::current().message(QStringLiteral("Snimanje nije moguće - nisu definirane stavke putovanja!"),
                                    Prompter::Kind::Warning);
        return;
    }
    QString name = Prompter::current().saveFileName(QStringLiteral("Odredite lokaciju i naziv datoteke za snimanje"),
                                                     QCoreApplication::applicationDirPath(), kFileFilter);
    if (name.isEmpty())
        return;
    if (QFileInfo(name).suffix().isEmpty())
        name += kFileExtension;
    QByteArray bytes;
    if (!guarded([&] { bytes = StayTextToBytes(WriteStayText(m_stays)); }))
        return;
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        Prompter::current().message(file.errorString(), Prompter::Kind::Error);
}

void TDKalk::load()
{
    const QString name = Prompter::current().openFileName(QStringLiteral("Odredite datoteku s podacima o putovanju"),
                                                          QCoreApplication::applicationDirPath(), kFileFilter);
    if (name.isEmpty() || !QFileInfo::exists(name))
        return;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        Prompter::current().message(file.errorString(), Prompter::Kind::Error);
        return;
    }
    setStays(ReadStayText(StayTextFromBytes(file.readAll())));
}

void TDKalk::record()
{
    m_stayText = WriteStayText(m_stays);
    accept();
}

} // namespace kalvor
