#include "core/ui/TOptionForm.h"

#include "core/ui/CurrencyComboBox.h"
#include "core/ui/FocusHighlighter.h"
#include "core/ui/OptionTabCash.h"
#include "core/ui/OptionTabConnection.h"
#include "core/ui/OptionTabGeneral.h"
#include "core/ui/OptionTabInitial.h"
#include "core/ui/OptionTabLabels.h"
#include "core/ui/OptionTabSettlement.h"
#include "core/ui/OptionTabStatus.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kalvor {

TOptionForm::TOptionForm(QWidget *parent, Settings &settings)
    : QDialog(parent)
    , m_settings(settings)
{
    m_tabs = new QTabWidget(this);
    auto *general = new OptionTabGeneral(m_bindings, m_tabs);
    auto *labels = new OptionTabLabels(m_bindings, m_tabs);
    m_settlement = new OptionTabSettlement(m_bindings, m_tabs);
    m_printing = new OptionTabPrinting(m_bindings, m_tabs);
    m_cash = new OptionTabCash(m_bindings, m_tabs);
    auto *status = new OptionTabStatus(m_bindings, m_tabs);
    m_connection = new OptionTabConnection(m_bindings, m_settings, m_maintenance, m_tabs);
    auto *initial = new OptionTabInitial(m_bindings, m_tabs);
    m_save = new QPushButton(QStringLiteral("Snimi promjene"), this);
    m_cancel = new QPushButton(QStringLiteral("Otkaži"), this);
    m_highlighter = new FocusHighlighter(this);

    setObjectName(QStringLiteral("TOptionForm"));
    setWindowTitle(QStringLiteral("Postavke sustava"));
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_save->setObjectName(QStringLiteral("snimiPromjene"));
    m_cancel->setObjectName(QStringLiteral("otkazi"));
    // Return in a field finishes the field; it presses no button.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
    m_tabs->addTab(general, QStringLiteral("Postavke"));
    m_tabs->addTab(labels, QStringLiteral("Oznake, sadržaj"));
    m_tabs->addTab(m_settlement, QStringLiteral("Obračun troškova"));
    m_tabs->addTab(m_printing, QStringLiteral("Postavke ispisa"));
    m_tabs->addTab(m_cash, QStringLiteral("Blagajna"));
    m_tabs->addTab(status, QStringLiteral("Provjera statusa"));
    m_tabs->addTab(m_connection, QStringLiteral("Pristup bazi"));
    m_tabs->addTab(initial, QStringLiteral("Inicijalne vrijednosti"));
    // The text fields of the first tabs light up while they have the focus.
    for (QWidget *tab : std::initializer_list<QWidget *>{general, labels, m_settlement})
        m_highlighter->watch(tab);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    connect(m_save, &QPushButton::clicked, this, &TOptionForm::saveAndClose);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_settlement->multiCurrency(), &QCheckBox::toggled, m_cash, &OptionTabCash::followMultiCurrency);

    loadFromSettings();
}

TOptionForm::~TOptionForm() = default;

void TOptionForm::fillCurrencyLists(db::Transaction &read)
{
    m_settlement->accountingCurrency()->fill(read);
    const QStringList items = [this] {
        QStringList list;
        for (int i = 0; i < m_settlement->accountingCurrency()->count(); ++i)
            list << m_settlement->accountingCurrency()->itemText(i);
        return list;
    }();
    m_settlement->alternativeCurrency()->setItems(items);
}

void TOptionForm::selectAccountingCurrency(const QString &code)
{
    m_settlement->accountingCurrency()->setCurrentCode(code);
}

void TOptionForm::setCurrencyItems(const QStringList &items)
{
    m_settlement->accountingCurrency()->setItems(items);
    m_settlement->alternativeCurrency()->setItems(items);
}

void TOptionForm::loadFromSettings()
{
    m_bindings.load(m_settings);
    updateEnabling();
}

void TOptionForm::saveToSettings()
{
    m_bindings.save(m_settings);
}

void TOptionForm::updateEnabling()
{
    m_settlement->updateEnabling();
    m_cash->followMultiCurrency(m_settlement->multiCurrency()->isChecked());
    m_connection->updateEnabling();
}

int TOptionForm::exec()
{
    m_tabs->setCurrentIndex(0);
    return QDialog::exec();
}

void TOptionForm::setPrinterSetup(OptionTabPrinting::PrinterSetup setup)
{
    m_printing->setPrinterSetup(std::move(setup));
}

void TOptionForm::showEvent(QShowEvent *event)
{
    m_tabs->setCurrentIndex(0);
    m_printing->fillPrinters();
    QDialog::showEvent(event);
}

void TOptionForm::saveAndClose()
{
    saveToSettings();
    m_settings.save();
    accept();
}

} // namespace kalvor
