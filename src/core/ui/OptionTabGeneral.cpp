#include "core/ui/OptionTabGeneral.h"

#include "core/AmountWords.h"
#include "core/Amounts.h"
#include "core/Prompter.h"
#include "core/ui/ColorSwatch.h"
#include "core/ui/OptionWidgets.h"
#include "core/ui/SettingBindings.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvor {

using namespace optionwidgets;

OptionTabGeneral::OptionTabGeneral(SettingBindings &bindings, QWidget *parent) : QWidget(parent)
{
    m_title = lineEdit(this);
    m_back = new ColorSwatch(this);
    m_font = new ColorSwatch(this);
    m_company = lineEdit(this);
    m_address = lineEdit(this);
    m_seat = lineEdit(this);
    m_mbr = lineEdit(this);
    m_head = lineEdit(this);
    m_place = lineEdit(this);
    m_logo = lineEdit(this);
    m_chooseLogo = new QPushButton(QStringLiteral("..."), this);
    auto *words = group(QStringLiteral("Prikaz iznosa slovima:"), this);
    m_currencyWord = lineEdit(words);
    m_hundredthsWord = lineEdit(words);
    m_joiningWord = lineEdit(words);
    m_trialAmount = lineEdit(words);
    m_try = new QPushButton(QStringLiteral("Isprobaj prikaz"), words);
    m_trialWords = new QLabel(words);

    bindings.text(QStringLiteral("Naslov"), m_title);
    bindings.color(QStringLiteral("BackTitleColor"), m_back);
    bindings.color(QStringLiteral("FontTitleColor"), m_font);
    bindings.text(QStringLiteral("Tvrtka"), m_company);
    bindings.text(QStringLiteral("TAdresa"), m_address);
    bindings.text(QStringLiteral("TSjediste"), m_seat);
    bindings.text(QStringLiteral("TMBR"), m_mbr);
    bindings.text(QStringLiteral("THead"), m_head);
    bindings.text(QStringLiteral("MjObracun"), m_place);
    bindings.text(QStringLiteral("LogoPrint"), m_logo);
    bindings.text(QStringLiteral("SlovaValuta"), m_currencyWord);
    bindings.text(QStringLiteral("SlovaStoti"), m_hundredthsWord);
    bindings.text(QStringLiteral("SlovaVeznik"), m_joiningWord);
    m_chooseLogo->setObjectName(QStringLiteral("odaberiLogotip"));
    m_trialAmount->setObjectName(QStringLiteral("probniIznos"));
    m_try->setObjectName(QStringLiteral("isprobajPrikaz"));
    m_trialWords->setObjectName(QStringLiteral("iznosSlovima"));
    m_trialWords->setWordWrap(true);

    auto *logoRow = new QHBoxLayout;
    logoRow->addWidget(m_logo);
    logoRow->addWidget(m_chooseLogo);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Naslov (gl.prozor):"), m_title);
    form->addRow(QStringLiteral("Boja pozadine naslova"), m_back);
    form->addRow(QStringLiteral("Boja teksta naslova"), m_font);
    form->addRow(QStringLiteral("Naziv tvrtke:"), m_company);
    form->addRow(QStringLiteral("Adresa:"), m_address);
    form->addRow(QStringLiteral("Sjedište:"), m_seat);
    form->addRow(QStringLiteral("MBR:"), m_mbr);
    form->addRow(QStringLiteral("Zaglavlje:"), m_head);
    form->addRow(QStringLiteral("Mjesto obračuna:"), m_place);
    form->addRow(QStringLiteral("Logotip:"), logoRow);
    auto *trialRow = new QHBoxLayout;
    trialRow->addWidget(m_trialAmount);
    trialRow->addWidget(m_try);
    auto *wordsForm = new QFormLayout(words);
    wordsForm->addRow(QStringLiteral("Valuta:"), m_currencyWord);
    wordsForm->addRow(QStringLiteral("Stoti dio:"), m_hundredthsWord);
    wordsForm->addRow(QStringLiteral("Veznik:"), m_joiningWord);
    wordsForm->addRow(trialRow);
    wordsForm->addRow(m_trialWords);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(words);
    layout->addStretch();

    connect(m_chooseLogo, &QPushButton::clicked, this, &OptionTabGeneral::chooseLogo);
    reformatAmountOnLeave(m_trialAmount);
    connect(m_try, &QPushButton::clicked, this, &OptionTabGeneral::tryAmountInWords);
}

void OptionTabGeneral::chooseLogo()
{
    const QString file = Prompter::current().openFileName(
        QStringLiteral("Logotip"), QFileInfo(m_logo->text()).path(),
        QStringLiteral("Slike (*.bmp *.png *.jpg *.jpeg)"));
    if (!file.isEmpty())
        m_logo->setText(file);
}

void OptionTabGeneral::tryAmountInWords()
{
    m_trialWords->setText(AmountInWords(ParseAmount(m_trialAmount->text()), m_currencyWord->text(),
                                        m_hundredthsWord->text(), m_joiningWord->text()));
}

} // namespace kalvor
