#include "vehicles/ui/TVoziloForm.h"

#include "core/Amounts.h"
#include "core/Prompter.h"
#include "core/db/DbError.h"
#include "vehicles/VehicleKinds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvor {

namespace {

QLineEdit *lineEdit(QWidget *parent, const char *name, int maxLength = 0)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

// A mass edit box with its unit label "(t)".
QWidget *withUnit(QLineEdit *edit)
{
    auto *box = new QWidget(edit->parentWidget());
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(edit);
    row->addWidget(new QLabel(QStringLiteral("(t)"), box));
    row->addStretch();
    return box;
}

// An integer field as the dialog shows it; NULL shows as an empty field.
QString numberText(const std::optional<int> &value)
{
    return value ? QString::number(*value) : QString();
}

} // namespace

TVoziloForm::TVoziloForm(TDataModule1 &data, QWidget *parent)
    : QDialog(parent)
    , m_repository(data)
{
    createControls();
    layOut();
    connectSignals();
}

void TVoziloForm::createControls()
{
    setObjectName(QStringLiteral("TVoziloForm"));
    setWindowTitle(QStringLiteral("Podaci o vozilu"));
    m_markaITip = lineEdit(this, "markaITip", 40);
    m_oznaka = lineEdit(this, "oznaka", 20);
    m_masa = lineEdit(this, "masa", 12);
    m_nosivost = lineEdit(this, "nosivost", 12);
    m_ukupnaMasa = lineEdit(this, "ukupnaMasa", 12);
    m_vrsta = new QComboBox(this);
    m_vrsta->setObjectName(QStringLiteral("vrsta"));
    m_vrsta->addItems(vehicleKindItems());
    m_napomena = new QPlainTextEdit(this);
    m_napomena->setObjectName(QStringLiteral("napomena"));
    m_garBr = lineEdit(this, "garBr", 10);
    m_brSasije = lineEdit(this, "brSasije", 30);
    m_brSjed = lineEdit(this, "brSjed");
    m_godPro = lineEdit(this, "godPro");
    m_godPreg = lineEdit(this, "godPreg");
    m_aktivan = new QCheckBox(QStringLiteral("Aktivan"), this);
    m_aktivan->setObjectName(QStringLiteral("aktivan"));
    m_confirm = new QPushButton(QStringLiteral("Dodaj"), this);
    m_confirm->setObjectName(QStringLiteral("confirm"));
    m_confirm->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Otkaži"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
}

void TVoziloForm::layOut()
{
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Marka i tip:"), m_markaITip);
    form->addRow(QStringLiteral("Oznaka:"), m_oznaka);
    form->addRow(QStringLiteral("Masa:"), withUnit(m_masa));
    form->addRow(QStringLiteral("Nosivost:"), withUnit(m_nosivost));
    form->addRow(QStringLiteral("Ukupna masa:"), withUnit(m_ukupnaMasa));
    form->addRow(QStringLiteral("Vrsta:"), m_vrsta);
    form->addRow(QStringLiteral("Garažni broj:"), m_garBr);
    form->addRow(QStringLiteral("Broj šasije:"), m_brSasije);
    form->addRow(QStringLiteral("Broj sjedala:"), m_brSjed);
    form->addRow(QStringLiteral("Godina proizvodnje:"), m_godPro);
    form->addRow(QStringLiteral("Godina prve registracije:"), m_godPreg);
    form->addRow(QString(), m_aktivan);
    form->addRow(QStringLiteral("Napomena:"), m_napomena);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_confirm);
    buttons->addWidget(m_cancel);

    auto *main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addLayout(buttons);
}

void TVoziloForm::connectSignals()
{
    for (QLineEdit *edit : {m_markaITip, m_oznaka, m_masa, m_nosivost, m_ukupnaMasa, m_garBr, m_brSasije, m_brSjed,
                            m_godPro, m_godPreg})
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { markChanged(edit); });
    connect(m_napomena, &QPlainTextEdit::textChanged, this, [this] { markChanged(m_napomena); });
    connect(m_vrsta, &QComboBox::activated, this, [this] { markChanged(m_vrsta); });
    connect(m_aktivan, &QCheckBox::clicked, this, [this] { markChanged(m_aktivan); });
    connect(m_confirm, &QPushButton::clicked, this, &TVoziloForm::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TVoziloForm::prepare()
{
    setResult(QDialog::Rejected);
    m_savedId = -1;
    if (m_mode == -1) {
        m_loaded = VehicleRecord();
        for (QLineEdit *edit : {m_markaITip, m_oznaka, m_masa, m_nosivost, m_ukupnaMasa, m_garBr, m_brSasije})
            edit->clear();
        m_napomena->clear();
        m_vrsta->setCurrentIndex(VehicleKind::Lorry);
        m_aktivan->setChecked(true);
        m_brSjed->setText(QStringLiteral("2"));
        m_godPro->setText(QStringLiteral("2007"));
        m_godPreg->setText(QStringLiteral("2007"));
        m_confirm->setText(QStringLiteral("Dodaj"));
    } else {
        std::optional<VehicleRecord> vehicle;
        try {
            vehicle = m_repository.load(m_mode);
        } catch (const db::DbError &e) {
            Prompter::current().message(e.message(), Prompter::Kind::Error);
            reject();
            return false;
        }
        if (!vehicle) {
            Prompter::current().message(QStringLiteral("Pogreška prilikom pristupa podacima!"),
                                        Prompter::Kind::Error);
            reject();
            return false;
        }
        m_loaded = *vehicle;
        m_markaITip->setText(m_loaded.markaITip);
        m_oznaka->setText(m_loaded.oznaka);
        m_masa->setText(FormatAmount(m_loaded.masa));
        m_nosivost->setText(FormatAmount(m_loaded.nosivost));
        m_ukupnaMasa->setText(FormatAmount(m_loaded.ukupnaMasa));
        const int kind = m_loaded.vrsta.value_or(-1);
        m_vrsta->setCurrentIndex(kind >= 0 && kind < m_vrsta->count() ? kind : -1);
        m_napomena->setPlainText(m_loaded.napomena);
        m_garBr->setText(m_loaded.garBr);
        m_brSasije->setText(m_loaded.brSasije);
        m_brSjed->setText(numberText(m_loaded.brSjed));
        m_godPro->setText(numberText(m_loaded.godPro));
        m_godPreg->setText(numberText(m_loaded.godPreg));
        // A vehicle without a stored flag counts as active everywhere, so the
        // box shows it ticked and saving keeps it active.
        m_aktivan->setChecked(m_loaded.isActive());
        m_confirm->setText(QStringLiteral("Promijeni"));
    }
    m_changed.clear();
    m_markaITip->setFocus();
    return true;
}

int TVoziloForm::run(int mode)
{
    setMode(mode);
    if (!prepare())
        return QDialog::Rejected;
    return exec();
}

VehicleRecord TVoziloForm::recordFromFields() const
{
    VehicleRecord v;
    v.id = m_mode;
    v.markaITip = m_markaITip->text();
    v.oznaka = m_oznaka->text();
    v.masa = ParseAmount(m_masa->text());
    v.nosivost = ParseAmount(m_nosivost->text());
    v.ukupnaMasa = ParseAmount(m_ukupnaMasa->text());
    // A stored kind the drop-down has no item for stays as it is until the
    // user chooses one.
    v.vrsta = m_vrsta->currentIndex() >= 0 ? std::optional<int>(m_vrsta->currentIndex()) : m_loaded.vrsta;
    v.napomena = m_napomena->toPlainText();
    v.garBr = m_garBr->text();
    v.brSasije = m_brSasije->text();
    v.brSjed = VehicleRecord::seatsFromText(m_brSjed->text());
    v.godPro = VehicleRecord::yearFromText(m_godPro->text());
    v.godPreg = VehicleRecord::yearFromText(m_godPreg->text());
    v.aktivno = m_aktivan->isChecked() ? 1 : 0;
    return v;
}

void TVoziloForm::confirm()
{
    if (m_markaITip->text().trimmed().isEmpty()) {
        Prompter::current().message(QStringLiteral("Niste unijeli marku i tip vozila!"), Prompter::Kind::Warning);
        m_markaITip->setFocus();
        return;
    }
    if (m_oznaka->text().trimmed().isEmpty()) {
        Prompter::current().message(QStringLiteral("Niste unijeli oznaku vozila!"), Prompter::Kind::Warning);
        m_oznaka->setFocus();
        return;
    }
    try {
        if (m_mode == -1) {
            m_savedId = m_repository.insert(recordFromFields());
        } else if (hasChanges()) {
            m_repository.update(recordFromFields());
            m_savedId = m_mode;
        }
    } catch (const db::DbError &e) {
        // Nothing was written; the user keeps what was typed.
        Prompter::current().message(e.message(), Prompter::Kind::Error);
        return;
    }
    accept();
}

} // namespace kalvor
