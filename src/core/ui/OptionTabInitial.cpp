#include "core/ui/OptionTabInitial.h"

#include "core/ui/OptionWidgets.h"
#include "core/ui/SettingBindings.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvor {

using namespace optionwidgets;

namespace {
// The VAT share of travel tickets that "?" puts back into its field.
const QString ticketVatDefault = QStringLiteral("18,03279");
} // namespace

OptionTabInitial::OptionTabInitial(SettingBindings &bindings, QWidget *parent) : QWidget(parent)
{
    auto *tasks = new QPlainTextEdit(this);
    auto *descriptions = new QPlainTextEdit(this);
    auto *beneficiaries = new QPlainTextEdit(this);
    auto *fillKm = checkBox(QStringLiteral("Novi nalog - popuni polje za unos stanja km prema zadnjem"), this);
    auto *noReturn = checkBox(QStringLiteral("Novi nalog - inicijalno nije definiran povratak"), this);
    auto *duration = lineEdit(this);
    auto *activeOnly = checkBox(QStringLiteral("Novi nalog - samo aktivni djelatnici i vozila"), this);
    auto *orderDate = checkBox(QStringLiteral("Novi nalog - datum naloga = datum izrade"), this);
    auto *departure = checkBox(QStringLiteral("Novi nalog - datum odlaska na put = datum naloga +"), this);
    auto *departureDays = lineEdit(this);
    auto *daysLabel = new QLabel(QStringLiteral("dana"), this);
    auto *noSection = checkBox(QStringLiteral("Omogući izradu naloga bez ijedne definirane dionice"), this);
    // Kept and saved, never shown.
    auto *tickets = checkBox(QStringLiteral("NoviNalogZaduziKarte"), this);
    auto *initialSection = checkBox(QStringLiteral("InicijalnaDionica"), this);
    auto *initialSectionText = lineEdit(this);
    auto *ticketVat = lineEdit(this);
    auto *ticketVatReset = new QPushButton(QStringLiteral("?"), this);

    bindings.lines(QStringLiteral("ZadaceDefault"), tasks);
    bindings.lines(QStringLiteral("OpisRacunaDefault"), descriptions);
    bindings.lines(QStringLiteral("UKoristDefault"), beneficiaries);
    bindings.flag(QStringLiteral("PopuniKm"), fillKm);
    bindings.flag(QStringLiteral("PovratakOff"), noReturn);
    bindings.integer(QStringLiteral("TrajanjePuta"), duration);
    bindings.flag(QStringLiteral("NovoAktivni"), activeOnly);
    bindings.flag(QStringLiteral("DatumNalogaIzrada"), orderDate);
    bindings.flag(QStringLiteral("AutoDatumOdlazak"), departure);
    bindings.integer(QStringLiteral("AutoDeltaOdlazak"), departureDays);
    bindings.flag(QStringLiteral("DozvoliBezDionice"), noSection);
    bindings.flag(QStringLiteral("NoviNalogZaduziKarte"), tickets);
    bindings.flag(QStringLiteral("InicijalnaDionica"), initialSection);
    bindings.text(QStringLiteral("OpisInicijalna"), initialSectionText);
    bindings.plainNumber(QStringLiteral("PDVKarte"), ticketVat);
    ticketVatReset->setObjectName(QStringLiteral("pdvKarteInicijalno"));
    for (QWidget *w : std::initializer_list<QWidget *>{tickets, initialSection, initialSectionText, ticketVat,
                                                      ticketVatReset})
        w->setVisible(false);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Novi nalog - zadaća:"), tasks);
    form->addRow(QStringLiteral("Opis računa - izbor (po recima):"), descriptions);
    form->addRow(QStringLiteral("Račun - u korist (po recima):"), beneficiaries);
    form->addRow(QStringLiteral("Inicijalno trajanje puta (dana):"), duration);
    auto *departureRow = new QHBoxLayout;
    departureRow->addWidget(departure);
    departureRow->addWidget(departureDays);
    departureRow->addWidget(daysLabel);
    departureRow->addStretch();
    auto *ticketRow = new QHBoxLayout;
    ticketRow->addWidget(ticketVat);
    ticketRow->addWidget(ticketVatReset);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    for (QWidget *w : std::initializer_list<QWidget *>{fillKm, noReturn, activeOnly, orderDate})
        layout->addWidget(w);
    layout->addLayout(departureRow);
    for (QWidget *w : std::initializer_list<QWidget *>{noSection, tickets, initialSection, initialSectionText})
        layout->addWidget(w);
    layout->addLayout(ticketRow);
    layout->addStretch();

    rewriteAsWholeNumberOnLeave(duration, 1);
    connect(ticketVatReset, &QPushButton::clicked, this, [ticketVat] { ticketVat->setText(ticketVatDefault); });
}

} // namespace kalvor
