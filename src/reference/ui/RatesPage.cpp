#include "reference/ui/RatesPage.h"

#include "core/Amounts.h"
#include "core/Formats.h"
#include "core/Prompter.h"
#include "core/TDataModule1.h"
#include "core/ui/CurrencyComboBox.h"
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

RatesPage::RatesPage(TDataModule1 &dm, QWidget *parent)
    : QWidget(parent)
    , m_dm(dm)
    , m_rates(dm)
    , m_validFrom(new QDateEdit(this))
    , m_currency(new CurrencyComboBox(this))
    , m_amount(new QLineEdit(this))
    , m_add(new QPushButton(QStringLiteral("Unesi"), this))
    , m_views(new QTabWidget(this))
    , m_dayDate(new QDateEdit(this))
    , m_dayView(new QTableView(this))
    , m_dayModel(new RowTableModel({QStringLiteral("Valuta"), QStringLiteral("Tečaj/kurs")}, this))
    , m_historyCurrency(new CurrencyComboBox(this))
    , m_historyView(new QTableView(this))
    , m_historyModel(new RowTableModel({QStringLiteral("Vrijedi od"), QStringLiteral("Iznos")}, this))
    , m_deleteAction(new QAction(QStringLiteral("Obriši označeni tečaj"), this))
{
    m_validFrom->setObjectName(QStringLiteral("validFrom"));
    setUpDateEdit(m_validFrom);
    m_currency->setObjectName(QStringLiteral("currency"));
    m_amount->setObjectName(QStringLiteral("amount"));
    m_add->setObjectName(QStringLiteral("addRate"));
    m_views->setObjectName(QStringLiteral("rateViews"));
    m_views->setTabPosition(QTabWidget::South);
    m_dayDate->setObjectName(QStringLiteral("dayDate"));
    setUpDateEdit(m_dayDate);
    m_dayView->setObjectName(QStringLiteral("dayView"));
    m_dayView->setModel(m_dayModel);
    setUpRowList(m_dayView);
    m_dayModel->setAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    m_historyCurrency->setObjectName(QStringLiteral("historyCurrency"));
    m_historyView->setObjectName(QStringLiteral("historyView"));
    m_historyView->setModel(m_historyModel);
    setUpRowList(m_historyView);
    m_historyModel->setAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    m_deleteAction->setObjectName(QStringLiteral("deleteRate"));

    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto *entry = new QFormLayout;
    entry->addRow(QStringLiteral("Vrijedi od:"), m_validFrom);
    entry->addRow(QStringLiteral("Valuta:"), m_currency);
    entry->addRow(QStringLiteral("Iznos:"), m_amount);
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
    historyFields->addRow(QStringLiteral("Za valutu:"), m_historyCurrency);
    auto *historyLayout = new QVBoxLayout(historyPage);
    historyLayout->addLayout(historyFields);
    historyLayout->addWidget(m_historyView);
    m_views->addTab(dayPage, QStringLiteral("Sve valute - pregled na dan"));
    m_views->addTab(historyPage, QStringLiteral("Kretanje tečaja valute"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(m_views);

    connect(m_amount, &QLineEdit::editingFinished, this, &RatesPage::formatAmount);
    connect(m_add, &QPushButton::clicked, this, [this] { guarded([this] { addRate(); }); });
    connect(m_dayDate, &QDateEdit::dateChanged, this, [this] { guarded([this] { refreshViews(); }); });
    connect(m_historyCurrency, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            guarded([this] { refreshViews(); });
    });
    connect(m_deleteAction, &QAction::triggered, this, [this] { guarded([this] { deleteRate(); }); });
    connect(m_historyView, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu menu(this);
        menu.addAction(m_deleteAction);
        menu.exec(m_historyView->viewport()->mapToGlobal(at));
    });
}

QDate RatesPage::validFrom() const
{
    return m_validFrom->date();
}

void RatesPage::setValidFrom(const QDate &date)
{
    m_validFrom->setDate(date);
}

void RatesPage::setViewDate(const QDate &date)
{
    m_dayDate->setDate(date);
}

void RatesPage::fillCurrencyLists()
{
    m_filling = true;
    m_currency->fill(m_dm.Read);
    m_historyCurrency->fill(m_dm.Read);
    if (m_currency->count() > 0) {
        m_currency->setCurrentIndex(0);
        m_historyCurrency->setCurrentIndex(m_currency->currentIndex());
    }
    m_filling = false;
    refreshViews();
}

void RatesPage::refreshViews()
{
    QVector<RowTableModel::Row> rows;
    for (const ExchangeRate &r : m_rates.ratesAt(m_dayDate->date()))
        rows.push_back({{r.currency, FormatRate(r.rate)}, r.currency});
    m_dayModel->setRows(rows, m_dayView);

    m_history = m_historyCurrency->currentIndex() < 0 ? QVector<ExchangeRate>{}
                                                      : m_rates.history(m_historyCurrency->currentCode());
    rows.clear();
    for (const ExchangeRate &r : std::as_const(m_history))
        rows.push_back({{formatShortDate(r.date), FormatRate(r.rate)},
                        r.date.toString(Qt::ISODate) + QLatin1Char('|') + QString::number(r.rate, 'g', 17)});
    m_historyModel->setRows(rows, m_historyView);
}

void RatesPage::formatAmount()
{
    m_amount->setText(FormatRate(m_amount->text()));
}

void RatesPage::addRate()
{
    if (m_amount->text().trimmed().isEmpty()) {
        Prompter::current().message(QStringLiteral("Niste unijel ispravnu vrijednost tečaja!"), Prompter::Kind::Warning);
        m_amount->setFocus();
        return;
    }
    if (m_currency->currentIndex() < 0) {
        Prompter::current().message(QStringLiteral("Niste odabrali valutu!"), Prompter::Kind::Warning);
        m_currency->setFocus();
        return;
    }
    if (!m_rates.add(m_validFrom->date(), m_currency->currentCode(), ParseAmount(m_amount->text())))
        return;
    m_currency->setCurrentIndex(0);
    m_amount->setText(QStringLiteral("0,00"));
    refreshViews();
}

void RatesPage::deleteRate()
{
    const QModelIndex current = m_historyView->currentIndex();
    if (m_history.isEmpty() || !current.isValid())
        return;
    if (!Prompter::current().question(QStringLiteral("Jeste li sigurni da želite obrisati označeni tečaj?")))
        return;
    const ExchangeRate r = m_history.at(current.row());
    m_rates.remove(r.date, r.currency, r.rate);
    refreshViews();
}

} // namespace kalvor
