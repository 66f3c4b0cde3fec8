#include "reference/ui/TDrzaveDnevnice.h"

#include "reference/ui/AllowancesPage.h"
#include "reference/ui/CountriesPage.h"
#include "reference/ui/ViewSetup.h"

#include <QDate>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kalvor {

TDrzaveDnevnice::TDrzaveDnevnice(TDataModule1 &dm, QWidget *parent)
    : QDialog(parent)
    , m_tabs(new QTabWidget(this))
    , m_countries(new CountriesPage(dm, m_tabs))
    , m_allowances(new AllowancesPage(dm, m_tabs))
    , m_close(new QPushButton(QStringLiteral("Povratak"), this))
{
    setWindowTitle(QStringLiteral("Države i dnevnice"));
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_countries->setObjectName(QStringLiteral("countriesPage"));
    m_allowances->setObjectName(QStringLiteral("allowancesPage"));
    m_close->setObjectName(QStringLiteral("close"));
    m_close->setAutoDefault(false);

    m_tabs->addTab(m_countries, QStringLiteral("Države"));
    m_tabs->addTab(m_allowances, QStringLiteral("Dnevnice"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        if (m_tabs->currentWidget() == m_allowances)
            guarded([this] {
                m_allowances->fillCountryLists();
                m_allowances->refreshViews();
            });
    });
    connect(m_countries, &CountriesPage::countryChanged, this, [this] { guarded([this] { m_allowances->refreshViews(); }); });
    connect(m_allowances, &AllowancesPage::refreshRequested, this, [this] { guarded([this] { refreshAll(); }); });
}

void TDrzaveDnevnice::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded([this] { prepareShowing(); });
}

void TDrzaveDnevnice::prepareShowing()
{
    m_allowances->prepareShowing(QDate::currentDate());
    m_countries->refresh();
}

void TDrzaveDnevnice::refreshAll()
{
    m_countries->refresh();
    m_allowances->refreshViews();
}

} // namespace kalvor
