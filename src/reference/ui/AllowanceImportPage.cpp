#include "reference/ui/AllowanceImportPage.h"

#include "core/Formats.h"
#include "core/Prompter.h"
#include "reference/AllowanceRateFile.h"
#include "reference/AllowanceRateImport.h"
#include "reference/AllowanceRates.h"
#include "reference/ui/ViewSetup.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvor {

AllowanceImportPage::AllowanceImportPage(TDataModule1 &dm, QWidget *parent)
    : QWidget(parent)
    , m_dm(dm)
    , m_importDate(new QDateEdit(this))
    , m_import(new QPushButton(QStringLiteral("Učitaj datoteku"), this))
    , m_deleteDate(new QDateEdit(this))
    , m_delete(new QPushButton(QStringLiteral("Obriši sve unose"), this))
{
    auto *text = new QLabel(
        QStringLiteral("Ova funkcija učitava vrijednosti dnevnica za države iz tekstualne datoteke "
                       "(primjer: dnevnice2024.kvr; u svakom retku država, TAB, iznos, TAB, valuta). "
                       "Takve datoteke objavljuju se na adresi https://dnevnice.kalvor.example. "
                       "Sve vrijednosti dodaju se kao važeće od datuma upisanog u polje ispod."),
        this);
    text->setObjectName(QStringLiteral("importExplanation"));
    text->setWordWrap(true);
    m_importDate->setObjectName(QStringLiteral("importDate"));
    setUpDateEdit(m_importDate);
    m_import->setObjectName(QStringLiteral("importFile"));
    m_deleteDate->setObjectName(QStringLiteral("deleteDate"));
    setUpDateEdit(m_deleteDate);
    m_delete->setObjectName(QStringLiteral("deleteDay"));
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);

    auto *importRow = new QHBoxLayout;
    importRow->addWidget(new QLabel(QStringLiteral("Vrijedi od:"), this));
    importRow->addWidget(m_importDate);
    importRow->addWidget(m_import);
    importRow->addStretch();
    auto *deleteRow = new QHBoxLayout;
    deleteRow->addWidget(new QLabel(QStringLiteral("Vrijedi od:"), this));
    deleteRow->addWidget(m_deleteDate);
    deleteRow->addWidget(m_delete);
    deleteRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(importRow);
    layout->addWidget(line);
    layout->addLayout(deleteRow);
    layout->addStretch();

    connect(m_import, &QPushButton::clicked, this, [this] { guarded([this] { importFile(); }); });
    connect(m_delete, &QPushButton::clicked, this, [this] { guarded([this] { deleteDay(); }); });
}

void AllowanceImportPage::setDates(const QDate &date)
{
    m_importDate->setDate(date);
    m_deleteDate->setDate(date);
}

void AllowanceImportPage::importFile()
{
    const QString path = Prompter::current().openFileName(
        QStringLiteral("Odredite datoteku s podacima o dnevnicama"), QString(),
        QStringLiteral("Sve datoteke (*.*);;Tekstualne datoteke (*.txt);;Kalvor dnevnice (*dnevnice*.kvr)"),
        QStringLiteral("Kalvor dnevnice (*dnevnice*.kvr)"));
    if (path.isEmpty()) {
        emit refreshRequested();
        return;
    }
    AllowanceRateFile file;
    const AllowanceRateFile::Status status = file.read(path);
    if (status != AllowanceRateFile::Status::Read) {
        // Nothing is imported from a file that does not read as text.
        Prompter::current().message(AllowanceRateFile::failureMessage(status, path), Prompter::Kind::Warning);
        emit refreshRequested();
        return;
    }
    AllowanceRateImport(m_dm).run(file, m_importDate->date());
    emit imported();
}

void AllowanceImportPage::deleteDay()
{
    const QDate date = m_deleteDate->date();
    if (!Prompter::current().question(
            QStringLiteral("Jeste li sigurni da želite obrisati sve unose u evidenciju dnevnica za datum ")
            + formatShortDate(date) + QStringLiteral("?")))
        return;
    guarded([&] { AllowanceRates(m_dm).removeDay(date); });
    emit refreshRequested();
}

} // namespace kalvor
