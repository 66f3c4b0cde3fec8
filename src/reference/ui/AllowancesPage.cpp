#include "reference/ui/AllowancesPage.h"

#include "core/Amounts.h"
#include "core/Formats.h"
#include "core/Prompter.h"
#include "core/TDataModule1.h"
#include "core/ui/CurrencyComboBox.h"
#include "reference/ui/AllowanceImportPage.h"
#include "reference/ui/CountryComboBox.h"
#include "reference/ui/RowTableModel.h"
#include "reference/ui/ViewSetup.h"

#include <QAction>
#include <QDateEdit>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace kalvor {

AllowancesPage::AllowancesPage(TDataModule1 &dm, QWidget *parent)
    : QWidget(parent)
    , m_dm(dm)
    , m_rates(dm)
    , m_validFrom(new QDateEdit(this))
    , m_country(new CountryComboBox(this))
    , m_amount(new QLineEdit(this))
    , m_currency(new CurrencyComboBox(this))
    , m_add(new QPushButton(QStringLiteral("Unesi"), this))
    , m_views(new QTabWidget(this))
    , m_dayDate(new QDateEdit(this))
    , m_dayView(new QTableView(this))
    , m_dayModel(new RowTableModel({QStringLiteral("Država"), QStringLiteral("Iznos"), QStringLiteral("Valuta")}, this))
    , m_historyCountry(new CountryComboBox(this))
    , m_historyView(new QTableView(this))
    , m_historyModel(new RowTableModel({QStringLiteral("Vrijedi od"), QStringLiteral("Iznos"), QStringLiteral("Valuta")},
                                       this))
    , m_deleteAction(new QAction(QStringLiteral("Obriši podatak o dnevnici"), this))
    , m_import(new AllowanceImportPage(dm, m_views))
{
    m_validFrom->setObjectName(QStringLiteral("validFrom"));
    setUpDateEdit(m_validFrom);
    m_country->setObjectName(QStringLiteral("country"));
    m_amount->setObjectName(QStringLiteral("amount"));
    m_currency->setObjectName(QStringLiteral("currency"));
    m_add->setObjectName(QStringLiteral("addRate"));
    m_views->setObjectName(QStringLiteral("rateViews"));
    m_views->setTabPosition(QTabWidget::South);
    m_dayDate->setObjectName(QStringLiteral("dayDate"));
    setUpDateEdit(m_dayDate);
    m_dayView->setObjectName(QStringLiteral("dayView"));
    m_dayView->setModel(m_dayModel);
    setUpRowList(m_dayView);
    m_dayModel->setAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    m_historyCountry->setObjectName(QStringLiteral("historyCountry"));
    m_historyView->setObjectName(QStringLiteral("historyView"));
    m_historyView->setModel(m_historyModel);
    setUpRowList(m_historyView);
    m_historyModel->setAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    m_deleteAction->setObjectName(QStringLiteral("deleteRate"));
    m_import->setObjectName(QStringLiteral("importPage"));

    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto *entry = new QFormLayout;
    entry->addRow(QStringLiteral("Vrijedi od:"), m_validFrom);
    entry->addRow(QStringLiteral("Država:"), m_country);
    entry->addRow(QStringLiteral("Iznos:"), m_amount);
    entry->addRow(QStringLiteral("Valuta:"), m_currency);
    auto *panelLayout = new QHBoxLayout(panel);
    panelLayout->addLayout(entry);
    panelLayout->addWidget(m_add, 0, Qt::AlignBottom);

    auto *dayPage = new QWidget(m_views);
    auto *dayFields = new QFormLayout;
    dayFields->addRow(QStringLiteral("Za datum:"), m_dayDate);
    auto *dayLayout = new QVBoxLayout(dayPage);
    dayLayout->addLayout(dayFields);
    dayLayout->addWidget(m_dayView);
    auto *historyPage = new QWidget(m_views);
    auto *historyFields = new QFormLayout;
    historyFields->addRow(QStringLiteral("Za državu:"), m_historyCountry);
    auto *historyLayout = new QVBoxLayout(historyPage);
    historyLayout->addLayout(historyFields);
    historyLayout->addWidget(m_historyView);
    m_views->addTab(dayPage, QStringLiteral("Sve države - pregled"));
    m_views->addTab(historyPage, QStringLiteral("Prema državi"));
    m_views->addTab(m_import, QStringLiteral("Učitaj iz datoteke"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(m_views);

    connect(m_amount, &QLineEdit::editingFinished, this, [this] { m_amount->setText(FormatAmount(m_amount->text())); });
    connect(m_add, &QPushButton::clicked, this, [this] { guarded([this] { addRate(); }); });
    connect(m_dayDate, &QDateEdit::dateChanged, this, [this] { guarded([this] { refreshViews(); }); });
    connect(m_historyCountry, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            guarded([this] { refreshViews(); });
    });
    connect(m_deleteAction, &QAction::triggered, this, [this] { guarded([this] { deleteRate(); }); });
    connect(m_historyView, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu menu(this);
        menu.addAction(m_deleteAction);
        menu.exec(m_historyView->viewport()->mapToGlobal(at));
    });
    connect(m_import, &AllowanceImportPage::imported, this, [this] {
        guarded([this] {
            fillCurrencyList();
            fillCountryLists();
        });
        emit refreshRequested();
    });
    connect(m_import, &AllowanceImportPage::refreshRequested, this, &AllowancesPage::refreshRequested);
}

void AllowancesPage::fillCountryLists()
{
    m_filling = true;
    m_country->fill(m_dm.Read);
    m_historyCountry->fill(m_dm.Read);
    m_filling = false;
}

void AllowancesPage::fillCurrencyList()
{
    m_currency->fill(m_dm.Read);
}

void AllowancesPage::prepareShowing(const QDate &today)
{
    fillCountryLists();
    m_filling = true;
    if (m_historyCountry->count() > 0)
        m_historyCountry->setCurrentIndex(0);
    m_dayDate->setDate(today);
    m_filling = false;
    m_validFrom->setDate(today);
    m_import->setDates(today);
    fillCurrencyList();
    refreshViews();
}

void AllowancesPage::refreshViews()
{
    QVector<RowTableModel::Row> rows;
    for (const AllowanceRate &r : m_rates.ratesAt(m_dayDate->date()))
        rows.push_back({{r.country, FormatAmount(r.amount), r.currency}, QString::number(r.countryId)});
    m_dayModel->setRows(rows, m_dayView);

    const int countryId = m_historyCountry->currentCountryId();
    m_history = countryId < 0 ? QVector<AllowanceRate>{} : m_rates.history(countryId);
    rows.clear();
    for (const AllowanceRate &r : std::as_const(m_history))
        rows.push_back({{formatShortDate(r.validFrom), FormatAmount(r.amount), r.currency},
                        r.validFrom.toString(Qt::ISODate) + QLatin1Char('|') + r.currency + QLatin1Char('|')
                            + QString::number(r.amount, 'g', 17)});
    m_historyModel->setRows(rows, m_historyView);
}

void AllowancesPage::addRate()
{
    const double amount = ParseAmount(m_amount->text());
    if (amount == 0 || m_amount->text().trimmed().isEmpty()) {
        Prompter::current().message(QStringLiteral("Niste unijeli iznos tečaja!"), Prompter::Kind::Warning);
        m_amount->setFocus();
        return;
    }
    if (m_currency->currentIndex() < 0 || m_country->currentIndex() < 0) {
        Prompter::current().message(QStringLiteral("Niste definirali državu i/ili valutu!"), Prompter::Kind::Warning);
        m_country->setFocus();
        return;
    }
    if (!m_rates.add(m_country->currentCountryId(), m_validFrom->date(), m_currency->currentCode(), amount))
        return;
    m_validFrom->setDate(QDate::currentDate());
    m_country->setCurrentIndex(0);
    m_currency->setCurrentIndex(0);
    m_amount->setText(QStringLiteral("0,00"));
    refreshViews();
}

void AllowancesPage::deleteRate()
{
    const QModelIndexList selected = m_historyView->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    if (!Prompter::current().question(QStringLiteral("Jeste li sigurni da želite obrisati označeni podatak o dnevnici!?")))
        return;
    const AllowanceRate r = m_history.at(selected.first().row());
    m_rates.remove(r.countryId, r.validFrom, r.currency, r.amount);
    refreshViews();
}

} // namespace kalvor
