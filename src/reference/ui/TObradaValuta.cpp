#include "reference/ui/TObradaValuta.h"

#include "core/Settings.h"
#include "reference/ui/CurrenciesPage.h"
#include "reference/ui/RatesPage.h"
#include "reference/ui/ViewSetup.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kalvor {

TObradaValuta::TObradaValuta(TDataModule1 &dm, QWidget *parent)
    : QDialog(parent)
    , m_dm(dm)
    , m_tabs(new QTabWidget(this))
    , m_currencies(new CurrenciesPage(dm, m_tabs))
    , m_rates(new RatesPage(dm, m_tabs))
    , m_close(new QPushButton(QStringLiteral("Povratak"), this))
{
    setWindowTitle(QStringLiteral("Definiranje valuta i tečaja"));
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_currencies->setObjectName(QStringLiteral("currenciesPage"));
    m_rates->setObjectName(QStringLiteral("ratesPage"));
    m_close->setObjectName(QStringLiteral("close"));
    m_close->setAutoDefault(false);

    m_tabs->addTab(m_currencies, QStringLiteral("Valute"));
    m_tabs->addTab(m_rates, QStringLiteral("Tečaj"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_currencies, &CurrenciesPage::accountingCurrencyChosen, this, &TObradaValuta::accountingCurrencyChosen);
}

void TObradaValuta::prepareRatesTab(const QDate &date)
{
    m_tabs->setCurrentWidget(m_rates);
    m_rates->setValidFrom(date);
    m_rates->setViewDate(date);
}

int TObradaValuta::showOnRatesTab(const QDate &date)
{
    prepareRatesTab(date);
    return exec();
}

void TObradaValuta::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded([this] { prepareShowing(); });
}

void TObradaValuta::prepareShowing()
{
    m_currencies->setAccountingCurrency(Settings::current().text(QStringLiteral("DefValuta")));
    if (m_tabs->currentWidget() == m_currencies)
        m_rates->setValidFrom(QDate::currentDate());
    m_rates->setViewDate(m_rates->validFrom());
    m_currencies->refresh();
    m_rates->fillCurrencyLists();
}

} // namespace kalvor
