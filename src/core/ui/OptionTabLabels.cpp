#include "core/ui/OptionTabLabels.h"

#include "core/ui/OptionWidgets.h"
#include "core/ui/SettingBindings.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalvor {

using namespace optionwidgets;

OptionTabLabels::OptionTabLabels(SettingBindings &bindings, QWidget *parent) : QWidget(parent)
{
    auto *automatic = checkBox(QStringLiteral("automatski dodijeli oznaku nalogu vozila (putnom radnom listu)"), this);
    auto *pattern = group(QString(), this);
    auto *yearly = radio(QStringLiteral("Redni br./GODINA"), pattern);
    auto *monthly = radio(QStringLiteral("Redni br./MJESEC/GODINA"), pattern);
    auto *separator = lineEdit(this);
    auto *prefix = lineEdit(this);
    auto *suffix = lineEdit(this);
    auto *dating = group(QString(), this);
    auto *byAccounting = radio(QStringLiteral("Prema datumu obračuna"), dating);
    auto *byOrder = radio(QStringLiteral("Prema datumu naloga"), dating);
    auto *byEntry = radio(QStringLiteral("Prema vremenu unosa"), dating);
    auto *offset = lineEdit(this);
    auto *generate = checkBox(
        QStringLiteral("U slučaju ponavljanja oznake generiraj automatski sljedeću nepostojeću"), this);
    // Kept and saved, never shown.
    auto *automaticStaff = checkBox(QStringLiteral("automatski dodijeli oznaku nalogu djelatnika"), this);
    auto *staffPattern = group(QString(), this);
    auto *staffYearly = radio(QStringLiteral("Redni br./GODINA"), staffPattern);
    auto *staffWorkSheet = radio(QStringLiteral("RADNI LIST-Redni br."), staffPattern);
    auto *receipts = checkBox(QStringLiteral("Popis računa i podaci o računima na nalogu vozača"), this);
    auto *recap = checkBox(
        QStringLiteral("Dnevnice za više država - ispis rekapitulacije dnevnica uz nalog djelatnika"), this);
    auto *noAllowanceMark = lineEdit(this);
    auto *hoursDays = checkBox(
        QStringLiteral("ispiši sate i dane trajanja putovanja i kad se ne obračunavaju dnevnice"), this);

    bindings.flag(QStringLiteral("AutomatskaOznaka"), automatic);
    bindings.choice(QStringLiteral("Oznaka_tip"), {yearly, monthly});
    bindings.text(QStringLiteral("Oznaka_separator"), separator);
    bindings.text(QStringLiteral("Oznaka_prefiks"), prefix);
    bindings.text(QStringLiteral("Oznaka_sufiks"), suffix);
    bindings.choice(QStringLiteral("OznakaDatum"), {byAccounting, byOrder, byEntry});
    bindings.integer(QStringLiteral("OznakaPomak"), offset);
    bindings.flag(QStringLiteral("AutoGenerator"), generate);
    bindings.flag(QStringLiteral("AutomatskaDjelatnik"), automaticStaff);
    bindings.choice(QStringLiteral("Oznaka_Djtip"), {staffYearly, staffWorkSheet});
    bindings.flag(QStringLiteral("VozacRacuni"), receipts);
    bindings.flag(QStringLiteral("PrintOMD"), recap);
    bindings.text(QStringLiteral("NemaDnevnicaOznaka"), noAllowanceMark);
    bindings.flag(QStringLiteral("IspisiSateDane"), hoursDays);
    automaticStaff->setVisible(false);
    staffPattern->setVisible(false);

    auto *patternLayout = new QVBoxLayout(pattern);
    patternLayout->addWidget(yearly);
    patternLayout->addWidget(monthly);
    auto *datingLayout = new QVBoxLayout(dating);
    datingLayout->addWidget(byAccounting);
    datingLayout->addWidget(byOrder);
    datingLayout->addWidget(byEntry);
    auto *staffLayout = new QVBoxLayout(staffPattern);
    staffLayout->addWidget(staffYearly);
    staffLayout->addWidget(staffWorkSheet);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Separator ('/' u oznaci):"), separator);
    form->addRow(QStringLiteral("Prefiks:"), prefix);
    form->addRow(QStringLiteral("Sufiks:"), suffix);
    form->addRow(QStringLiteral("Pomak rednog broja putnog radnog lista:"), offset);
    form->addRow(QStringLiteral("Oznaka iznosa dnevnica kad se ne obračunavaju (inicijalno /):"), noAllowanceMark);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(automatic);
    layout->addWidget(pattern);
    layout->addLayout(form);
    layout->addWidget(dating);
    layout->addWidget(generate);
    layout->addWidget(automaticStaff);
    layout->addWidget(staffPattern);
    layout->addWidget(receipts);
    layout->addWidget(recap);
    layout->addWidget(hoursDays);
    layout->addStretch();
}

} // namespace kalvor
