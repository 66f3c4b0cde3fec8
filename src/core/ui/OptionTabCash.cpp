#include "core/ui/OptionTabCash.h"

#include "core/Settings.h"
#include "core/ui/OptionWidgets.h"
#include "core/ui/SettingBindings.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kalvor {

using namespace optionwidgets;

OptionTabCash::OptionTabCash(SettingBindings &bindings, QWidget *parent) : QWidget(parent)
{
    auto *autoPostings = checkBox(QStringLiteral("Automatsko popunjavanje stavki blagajne kod starih naloga"), this);
    m_separateRegisters = checkBox(
        QStringLiteral("Odvojene blagajne za različite valute (ne obavlja se konverzija)"), this);
    auto *advanceByDate = checkBox(QStringLiteral("Konverzija akontacije u valutu prema datumu obračuna"), this);
    auto *advanceCheck = checkBox(QStringLiteral("Provjera stanja blagajne za isplate akontacije"), this);
    auto *keepRegister = checkBox(QStringLiteral("Vođenje evidencije uplata i isplata u blagajnu"), this);
    QLineEdit *texts[6] = {lineEdit(this), lineEdit(this), lineEdit(this),
                           lineEdit(this), lineEdit(this), lineEdit(this)};
    auto *totalSum = checkBox(QStringLiteral("Ukupna suma uplata i isplata uvijek prikazana na dnu stranice"), this);
    auto *pageSum = checkBox(
        QStringLiteral("Uvijek sumiraj na dnu stranice, bez obzira dal se prenosi dalje..."), this);
    auto *journalGroup = group(QStringLiteral("Blagajnički dnevnik"), this);
    m_journal = new QTableWidget(int(Settings::journalTable().size()), 2, journalGroup);

    bindings.flag(QStringLiteral("AutoBlagajna"), autoPostings);
    bindings.flag(QStringLiteral("BlagajnePoValuti"), m_separateRegisters);
    bindings.flag(QStringLiteral("AkontacijaDatumObracuna"), advanceByDate);
    bindings.flag(QStringLiteral("AkontacijaProvjera"), advanceCheck);
    bindings.flag(QStringLiteral("VodiBlagajnu"), keepRegister);
    const QStringList textKeys{QStringLiteral("IsplataAk"), QStringLiteral("UplataAk"),
                               QStringLiteral("TrosakRacuni"), QStringLiteral("IsplataDn"),
                               QStringLiteral("UplOznaka"), QStringLiteral("IspOznaka")};
    for (int i = 0; i < 6; ++i)
        bindings.text(textKeys[i], texts[i]);
    bindings.flag(QStringLiteral("BDUkupnaSuma"), totalSum);
    bindings.flag(QStringLiteral("BDStranicaSuma"), pageSum);
    m_journal->setObjectName(QStringLiteral("blagajnickiDnevnik"));
    m_journal->setHorizontalHeaderLabels({QStringLiteral("Naziv"), QStringLiteral("Tekst za ispis")});
    m_journal->verticalHeader()->setVisible(false);
    m_journal->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < Settings::journalTable().size(); ++row) {
        auto *name = new QTableWidgetItem(Settings::journalTable().at(row).name);
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        m_journal->setItem(row, 0, name);
        m_journal->setItem(row, 1, new QTableWidgetItem);
    }
    bindings.custom(
        [this](const Settings &s) {
            for (int row = 0; row < m_journal->rowCount(); ++row)
                m_journal->item(row, 1)->setText(s.journalText(m_journal->item(row, 0)->text()));
        },
        [this](Settings &s) {
            for (int row = 0; row < m_journal->rowCount(); ++row)
                s.setJournalText(m_journal->item(row, 0)->text(), m_journal->item(row, 1)->text());
        });

    auto *form = new QFormLayout;
    const QStringList captions{QStringLiteral("Isplata akontacije:"), QStringLiteral("Uplata akontacije:"),
                               QStringLiteral("Troškovi po računima:"), QStringLiteral("Isplata dnevnica:"),
                               QStringLiteral("Oznaka uplatnog naloga:"), QStringLiteral("Oznaka isplatnog naloga:")};
    for (int i = 0; i < 6; ++i)
        form->addRow(captions[i], texts[i]);
    auto *journalLayout = new QVBoxLayout(journalGroup);
    journalLayout->addWidget(totalSum);
    journalLayout->addWidget(pageSum);
    journalLayout->addWidget(m_journal);
    auto *layout = new QVBoxLayout(this);
    for (QWidget *w : std::initializer_list<QWidget *>{autoPostings, m_separateRegisters, advanceByDate, advanceCheck,
                                                      keepRegister})
        layout->addWidget(w);
    layout->addLayout(form);
    layout->addWidget(journalGroup);
}

void OptionTabCash::followMultiCurrency(bool multiCurrency)
{
    if (multiCurrency)
        m_separateRegisters->setChecked(true);
    m_separateRegisters->setEnabled(!multiCurrency);
}

} // namespace kalvor
