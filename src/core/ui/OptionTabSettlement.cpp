#include "core/ui/OptionTabSettlement.h"

#include "core/ui/CurrencyComboBox.h"
#include "core/ui/OptionWidgets.h"
#include "core/ui/SettingBindings.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalvor {

using namespace optionwidgets;

OptionTabSettlement::OptionTabSettlement(SettingBindings &bindings, QWidget *parent) : QWidget(parent)
{
    m_accounting = new CurrencyComboBox(this);
    m_alternative = new CurrencyComboBox(this);
    auto *pricePerKm = lineEdit(this);
    auto *percentage = lineEdit(this);
    auto *pricePerKm2 = lineEdit(this);
    auto *methods = group(QString(), this);
    m_methods = {radio(QStringLiteral("prema kilometrima"), methods),
                 radio(QStringLiteral("prema postotku"), methods),
                 radio(QStringLiteral("fiksna zarada"), methods),
                 radio(QStringLiteral("samo dnevnice"), methods),
                 radio(QStringLiteral("dnevnice za više država"), methods)};
    auto *driverOnly = checkBox(QStringLiteral("zarada od prijevoza obračunava se samo vozaču"), this);
    auto *hideAlternative = checkBox(QStringLiteral("ne prikazuj alternativne modele obračuna"), this);
    auto *bothCurrencies = checkBox(QStringLiteral("Koristi i obračunsku i alternativnu valutu"), this);
    m_driverAllowances = checkBox(QStringLiteral("obračunaj dnevnice na nalogu za vozača"), this);
    m_staffAllowances = checkBox(QStringLiteral("obračunaj dnevnice na nalogu ostalih djelatnika"), this);
    m_multiCurrency = checkBox(
        QStringLiteral("obračun i obrada nalog prema valutama (kad je isključeno - konverzija!)"), this);
    auto *thirdToAlternative = checkBox(QStringLiteral("Treće u alternativnu!"), this);
    auto *over12 = group(QStringLiteral("12 sati"), this);
    auto *over12Half = radio(QStringLiteral("0.5 dnevnice"), over12);
    auto *over12Whole = radio(QStringLiteral("1 dnevnica"), over12);
    auto *over8 = group(QStringLiteral("8 sati"), this);
    auto *over8None = radio(QStringLiteral("0 dnevnica"), over8);
    auto *over8Half = radio(QStringLiteral("0.5 dnevnice"), over8);
    m_byRule = checkBox(
        QStringLiteral("prema pravilu - 0-8 sati=0 dnevnica, 8-12=0.5 dnevnica, 12- =1 dnevnica"), this);
    m_favourable = checkBox(
        QStringLiteral("'povoljniji' obračun za djelatnike (svaki sat više od 24 = nova dnevnica!)"), this);
    auto *remainder0 = checkBox(
        QStringLiteral("U slučaju jedne dnevnice - sve iznad 12 sati - preostalo 0 sati"), this);
    auto *details = checkBox(
        QStringLiteral("Detaljni obračun dnevnica - prelasci kroz države, dnevnice za različite države"), this);
    auto *correct = checkBox(
        QStringLiteral("Korigiraj ukupni broj dnevnica - npr. 24 + 16 + 9 = 2 dn (49sati) a ne 2,5"), this);

    bindings.currency(QStringLiteral("DefValuta"), m_accounting, true);
    bindings.currency(QStringLiteral("AltValuta"), m_alternative, false);
    bindings.amount(QStringLiteral("CijenaKm"), pricePerKm);
    bindings.amount(QStringLiteral("Postotak"), percentage);
    bindings.amount(QStringLiteral("CijenaKm2"), pricePerKm2);
    bindings.exclusiveFlags({QStringLiteral("ObracunKm"), QStringLiteral("ObracunPostotak"),
                             QStringLiteral("ObracunFiksno"), QStringLiteral("ObracunDnevnice"),
                             QStringLiteral("ObracunOMD")},
                            {m_methods.begin(), m_methods.end()});
    bindings.flag(QStringLiteral("ZaradaSamoVozacu"), driverOnly);
    bindings.flag(QStringLiteral("HideAlternativni"), hideAlternative);
    bindings.flag(QStringLiteral("AltValuta2"), bothCurrencies);
    bindings.flag(QStringLiteral("VozacDnevnice"), m_driverAllowances);
    bindings.flag(QStringLiteral("OstaliDnevnice"), m_staffAllowances);
    bindings.flag(QStringLiteral("MultiValuta"), m_multiCurrency);
    bindings.flag(QStringLiteral("DoubleAlternativno"), thirdToAlternative);
    bindings.choice(QStringLiteral("12Dnevnica"), {over12Half, over12Whole});
    bindings.choice(QStringLiteral("8Dnevnica"), {over8None, over8Half});
    bindings.flag(QStringLiteral("DnevniceKALVOR"), m_byRule);
    bindings.flag(QStringLiteral("DnevniceOld"), m_favourable);
    bindings.flag(QStringLiteral("Preostalo0"), remainder0);
    bindings.flag(QStringLiteral("DnevniceDetails"), details);
    bindings.flag(QStringLiteral("DnevCorrect"), correct);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Obračunska valuta:"), m_accounting);
    form->addRow(QStringLiteral("Alternativna valuta:"), m_alternative);
    form->addRow(QStringLiteral("Zarada po km:"), pricePerKm);
    form->addRow(QStringLiteral("% za vozače:"), percentage);
    form->addRow(QStringLiteral("Cijena po km:"), pricePerKm2);
    auto *methodsLayout = new QVBoxLayout(methods);
    for (QRadioButton *method : m_methods)
        methodsLayout->addWidget(method);
    auto *over12Layout = new QVBoxLayout(over12);
    over12Layout->addWidget(over12Half);
    over12Layout->addWidget(over12Whole);
    auto *over8Layout = new QVBoxLayout(over8);
    over8Layout->addWidget(over8None);
    over8Layout->addWidget(over8Half);
    auto *allowanceRow = new QHBoxLayout;
    allowanceRow->addWidget(over12);
    allowanceRow->addWidget(over8);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(methods);
    for (QWidget *w : std::initializer_list<QWidget *>{driverOnly, hideAlternative, bothCurrencies, m_driverAllowances,
                                                      m_staffAllowances, m_multiCurrency, thirdToAlternative})
        layout->addWidget(w);
    layout->addLayout(allowanceRow);
    for (QWidget *w : std::initializer_list<QWidget *>{m_byRule, m_favourable, remainder0, details, correct})
        layout->addWidget(w);
    layout->addStretch();

    reformatAmountOnLeave(pricePerKm);
    reformatAmountOnLeave(percentage);
    reformatAmountOnLeave(pricePerKm2);
    for (QRadioButton *method : m_methods)
        connect(method, &QRadioButton::toggled, this, &OptionTabSettlement::updateEnabling);
    connect(m_byRule, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_favourable->setChecked(false);
    });
    connect(m_favourable, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_byRule->setChecked(false);
    });
}

void OptionTabSettlement::updateEnabling()
{
    const bool allowancesOnly = m_methods[3]->isChecked() || m_methods[4]->isChecked();
    m_driverAllowances->setEnabled(!allowancesOnly);
    m_staffAllowances->setEnabled(!allowancesOnly);
}

} // namespace kalvor
