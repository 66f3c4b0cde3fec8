#include "core/ui/OptionTabPrinting.h"

#include "core/Settings.h"
#include "core/ui/ColorSwatch.h"
#include "core/ui/OptionWidgets.h"
#include "core/ui/SettingBindings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvor {

using namespace optionwidgets;

OptionTabPrinting::OptionTabPrinting(SettingBindings &bindings, QWidget *parent)
    : QWidget(parent)
    , m_setup([this](QPrinter &printer) { QPageSetupDialog(&printer, this).exec(); })
{
    auto *margins = group(QStringLiteral("Margine naloga:"), this);
    QLineEdit *marginEdits[4] = {lineEdit(margins), lineEdit(margins), lineEdit(margins), lineEdit(margins)};
    auto *printNew = checkBox(QStringLiteral("Ispiši kompletni nalog kod registriranja novog"), this);
    auto *noExtraSheet = checkBox(
        QStringLiteral("Ne ispisuj dodatni list s podacima o računima kod naloga vozila"), this);
    auto *reduced = checkBox(QStringLiteral("Reducirani nalog djelatnika"), this);
    auto *vehicleKind = checkBox(
        QStringLiteral("Na nalogu djelatnika ispiši samo vrstu vozila, a ne podatke o vozilu"), this);
    auto *currencyMark = checkBox(
        QStringLiteral("Ispiši oznaku obračunske valuta uvijek (ne samo kad je prisutna i druga)"), this);
    auto *staffTitle = lineEdit(this);
    // Kept and saved, never shown.
    QCheckBox *hidden[4] = {checkBox(QStringLiteral("NeVremenaNalog"), this), checkBox(QStringLiteral("v2Vremena"), this),
                            checkBox(QStringLiteral("v2Parcijalni"), this),
                            checkBox(QStringLiteral("PrintAllDjelatnici"), this)};
    auto *printerGroup = group(QStringLiteral("Ispis na pisač: "), this);
    m_printer = new QComboBox(printerGroup);
    m_printerSetup = new QPushButton(QStringLiteral("Postavke pisača"), printerGroup);
    auto *reg = group(QStringLiteral("Evidencija naloga - knjiga naloga - ispis:"), this);
    auto *logo = checkBox(QStringLiteral("Ispiši logotip tvrtke"), reg);
    QLineEdit *regMargins[4] = {lineEdit(reg), lineEdit(reg), lineEdit(reg), lineEdit(reg)};
    m_registerPrinter = new QComboBox(reg);
    auto *showBefore = checkBox(QStringLiteral("Prikaži prije ispisa"), reg);
    auto *rowLines = checkBox(QStringLiteral("Ispiši linije redaka"), reg);
    auto *columnLines = checkBox(QStringLiteral("Ispiši linije stupaca"), reg);
    auto *titleEachPage = checkBox(QStringLiteral("Naslov na svakoj stranici"), reg);
    auto *multiColor = checkBox(QStringLiteral("Različite boje redaka"), reg);
    auto *even = new ColorSwatch(reg);
    auto *odd = new ColorSwatch(reg);
    auto *logoEachPage = checkBox(QStringLiteral("Logotip na svakoj stranici"), reg);
    auto *dateTime = checkBox(QStringLiteral("Ispiši datum i vrijeme ispisa"), reg);
    auto *pageNumbers = checkBox(QStringLiteral("Ispiši oznake stranica"), reg);

    const QStringList marginKeys{QStringLiteral("LMargina"), QStringLiteral("RMargina"), QStringLiteral("UMargina"),
                                 QStringLiteral("BMargina")};
    const QStringList regMarginKeys{QStringLiteral("EVPrintL"), QStringLiteral("EVPrintR"),
                                    QStringLiteral("EVPrintT"), QStringLiteral("EVPrintB")};
    for (int i = 0; i < 4; ++i) {
        bindings.text(marginKeys[i], marginEdits[i]);
        bindings.integer(regMarginKeys[i], regMargins[i]);
        bindings.flag(hidden[i]->text(), hidden[i]);
        hidden[i]->setVisible(false);
    }
    bindings.flag(QStringLiteral("PrintNewNalog"), printNew);
    bindings.flag(QStringLiteral("NalogVozilaDodatak"), noExtraSheet);
    bindings.flag(QStringLiteral("ReduciraniNalogDjelatnika"), reduced);
    bindings.flag(QStringLiteral("DjNalogVrstaVozila"), vehicleKind);
    bindings.flag(QStringLiteral("KnIspis"), currencyMark);
    bindings.text(QStringLiteral("DjNalogNaziv"), staffTitle);
    bindings.flag(QStringLiteral("EPNLogoPrint"), logo);
    bindings.flag(QStringLiteral("EVShowBefore"), showBefore);
    bindings.flag(QStringLiteral("EVERLinije"), rowLines);
    bindings.flag(QStringLiteral("EVECLinije"), columnLines);
    bindings.flag(QStringLiteral("EVENaslov"), titleEachPage);
    bindings.flag(QStringLiteral("EVEMultiColor"), multiColor);
    bindings.color(QStringLiteral("EVE0Boja"), even);
    bindings.color(QStringLiteral("EVE1Boja"), odd);
    bindings.flag(QStringLiteral("EVLogoSvaka"), logoEachPage);
    bindings.flag(QStringLiteral("EVDatumVrijeme"), dateTime);
    bindings.flag(QStringLiteral("EVPageNum"), pageNumbers);
    m_registerPrinter->setObjectName(QStringLiteral("EVPisac"));
    bindings.custom(
        [this](const Settings &s) {
            m_registerPrinterName = s.text(QStringLiteral("EVPisac"));
            selectRegisterPrinter();
        },
        [this](Settings &s) {
            // No printer chosen (the list not filled, or the printer gone):
            // the stored name stays.
            if (m_registerPrinter->currentIndex() >= 0)
                s.set(QStringLiteral("EVPisac"), m_registerPrinter->currentText());
        });
    m_printer->setObjectName(QStringLiteral("osnovniPisac"));
    m_printerSetup->setObjectName(QStringLiteral("postavkePisaca"));

    auto *marginForm = new QFormLayout(margins);
    const QStringList marginCaptions{QStringLiteral("Lijeva:"), QStringLiteral("Desna:"), QStringLiteral("Gornja:"),
                                     QStringLiteral("Donja:")};
    for (int i = 0; i < 4; ++i)
        marginForm->addRow(marginCaptions[i], marginEdits[i]);
    auto *printerForm = new QFormLayout(printerGroup);
    printerForm->addRow(QStringLiteral("Osnovni pisač:"), m_printer);
    printerForm->addRow(m_printerSetup);
    auto *regLayout = new QGridLayout(reg);
    const QStringList regCaptions{QStringLiteral("Lijevo :"), QStringLiteral("Desno :"), QStringLiteral("Gore :"),
                                  QStringLiteral("Dolje :")};
    regLayout->addWidget(logo, 0, 0, 1, 2);
    auto *regForm = new QFormLayout;
    for (int i = 0; i < 4; ++i)
        regForm->addRow(regCaptions[i], regMargins[i]);
    regForm->addRow(QStringLiteral("Ispisuj na:"), m_registerPrinter);
    regForm->addRow(QStringLiteral("Parni:"), even);
    regForm->addRow(QStringLiteral("Neparni:"), odd);
    regLayout->addLayout(regForm, 1, 0);
    auto *regBoxes = new QVBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{showBefore, rowLines, columnLines, titleEachPage, multiColor,
                                                      logoEachPage, dateTime, pageNumbers})
        regBoxes->addWidget(w);
    regLayout->addLayout(regBoxes, 1, 1);
    auto *staffForm = new QFormLayout;
    staffForm->addRow(QStringLiteral("Naslov naloga djelatnika:"), staffTitle);
    auto *left = new QVBoxLayout;
    left->addWidget(margins);
    for (QWidget *w : std::initializer_list<QWidget *>{printNew, noExtraSheet, reduced, vehicleKind, currencyMark})
        left->addWidget(w);
    left->addLayout(staffForm);
    for (QCheckBox *h : hidden)
        left->addWidget(h);
    left->addWidget(printerGroup);
    left->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(reg, 0, Qt::AlignTop);

    for (int i = 0; i < 4; ++i)
        rewriteAsWholeNumberOnLeave(marginEdits[i], 0);
    connect(m_printerSetup, &QPushButton::clicked, this, &OptionTabPrinting::openPrinterSetup);
}

void OptionTabPrinting::fillPrinters()
{
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    m_printer->clear();
    m_printer->addItems(printers);
    m_printer->setCurrentIndex(printers.indexOf(QPrinterInfo::defaultPrinterName()));
    m_registerPrinter->clear();
    m_registerPrinter->addItems(printers);
    m_printersFilled = true;
    selectRegisterPrinter();
}

void OptionTabPrinting::selectRegisterPrinter()
{
    if (!m_printersFilled)
        return;
    const int index = m_registerPrinterName.isEmpty() ? (m_registerPrinter->count() > 0 ? 0 : -1)
                                                      : m_registerPrinter->findText(m_registerPrinterName);
    m_registerPrinter->setCurrentIndex(index);
}

void OptionTabPrinting::openPrinterSetup()
{
    QPrinter printer;
    if (m_printer->currentIndex() >= 0)
        printer.setPrinterName(m_printer->currentText());
    m_setup(printer);
}

} // namespace kalvor
