#include "staff/ui/TDjelatnikForm.h"

#include "core/Prompter.h"
#include "core/db/DbError.h"
#include "staff/EmployeeRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
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

// The item of a drop-down at a stored position; -1 (none) outside the items.
int itemAt(const QComboBox *box, int position)
{
    return position >= 0 && position < box->count() ? position : -1;
}

} // namespace

TDjelatnikForm::TDjelatnikForm(TDataModule1 &data, QWidget *parent)
    : QDialog(parent)
    , m_repository(data)
{
    createControls();
    layOut();
    connectSignals();
}

void TDjelatnikForm::createControls()
{
    setObjectName(QStringLiteral("TDjelatnikForm"));
    setWindowTitle(QStringLiteral("Podaci o djelatniku"));
    m_imePrezime = lineEdit(this, "imePrezime", 70);
    m_zvanje = lineEdit(this, "zvanje", 70);
    m_radnoMjesto = lineEdit(this, "radnoMjesto", 70);
    m_vozac = new QCheckBox(QStringLiteral("Vozač"), this);
    m_vozac->setObjectName(QStringLiteral("vozac"));
    m_aktivan = new QCheckBox(QStringLiteral("Aktivan"), this);
    m_aktivan->setObjectName(QStringLiteral("aktivan"));
    m_napomena = new QPlainTextEdit(this);
    m_napomena->setObjectName(QStringLiteral("napomena"));
    m_osobna = lineEdit(this, "osobna", 20);
    m_adresa = lineEdit(this, "adresa", 100);
    m_kontakt = lineEdit(this, "kontakt", 100);
    m_mbr = lineEdit(this, "mbr");
    m_tip = new QComboBox(this);
    m_tip->setObjectName(QStringLiteral("tip"));
    m_tip->addItems(employeeTypeItems());
    m_tips = lineEdit(this, "tips", 30);
    m_zap = new QComboBox(this);
    m_zap->setObjectName(QStringLiteral("zap"));
    m_zap->addItems(employmentItems());
    m_zap->setCurrentIndex(-1);
    m_confirm = new QPushButton(QStringLiteral("Dodaj"), this);
    m_confirm->setObjectName(QStringLiteral("confirm"));
    m_confirm->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Otkaži"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
}

void TDjelatnikForm::layOut()
{
    auto *type = new QHBoxLayout;
    type->addWidget(m_tip);
    type->addWidget(m_tips, 1);

    auto *flags = new QHBoxLayout;
    flags->addWidget(m_vozac);
    flags->addWidget(m_aktivan);
    flags->addStretch();

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Prezime i ime:"), m_imePrezime);
    form->addRow(QStringLiteral("Matični broj:"), m_mbr);
    form->addRow(QStringLiteral("Zvanje:"), m_zvanje);
    form->addRow(QStringLiteral("Radno mjesto:"), m_radnoMjesto);
    form->addRow(QString(), flags);
    form->addRow(QStringLiteral("Broj osobne iskaznice:"), m_osobna);
    form->addRow(QStringLiteral("Adresa:"), m_adresa);
    form->addRow(QStringLiteral("Kontakt:"), m_kontakt);
    form->addRow(QStringLiteral("Tip:"), type);
    form->addRow(QStringLiteral("Zaposlenje:"), m_zap);
    form->addRow(QStringLiteral("Napomena:"), m_napomena);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_confirm);
    buttons->addWidget(m_cancel);

    auto *main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addLayout(buttons);
}

void TDjelatnikForm::connectSignals()
{
    for (QLineEdit *edit : {m_imePrezime, m_zvanje, m_radnoMjesto, m_osobna, m_adresa, m_kontakt, m_mbr, m_tips})
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { markChanged(edit); });
    connect(m_napomena, &QPlainTextEdit::textChanged, this, [this] { markChanged(m_napomena); });
    for (QComboBox *box : {m_tip, m_zap})
        connect(box, &QComboBox::activated, this, [this, box] { markChanged(box); });
    for (QCheckBox *box : {m_vozac, m_aktivan})
        connect(box, &QCheckBox::clicked, this, [this, box] { markChanged(box); });
    m_radnoMjesto->installEventFilter(this);
    m_mbr->installEventFilter(this);
    connect(m_confirm, &QPushButton::clicked, this, &TDjelatnikForm::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TDjelatnikForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_radnoMjesto)
            leaveJob();
        else if (watched == m_mbr)
            leaveStaffNumber();
    }
    return QDialog::eventFilter(watched, event);
}

void TDjelatnikForm::leaveJob()
{
    if (IsDriverJob(m_radnoMjesto->text()) && !m_vozac->isChecked()) {
        m_vozac->setChecked(true);
        markChanged(m_vozac);
    }
}

void TDjelatnikForm::leaveStaffNumber()
{
    m_mbr->setText(StaffNumberText(StaffNumberFromText(m_mbr->text())));
}

bool TDjelatnikForm::prepare()
{
    setResult(QDialog::Rejected);
    m_savedId = -1;
    if (m_mode == -1) {
        for (QLineEdit *edit : {m_imePrezime, m_zvanje, m_radnoMjesto, m_osobna, m_adresa, m_kontakt, m_mbr, m_tips})
            edit->clear();
        m_napomena->clear();
        m_tip->setCurrentIndex(0);
        // A new employee starts without an employment rather than with the
        // one of the employee entered before.
        m_zap->setCurrentIndex(-1);
        m_vozac->setChecked(true);
        m_aktivan->setChecked(true);
        m_confirm->setText(QStringLiteral("Dodaj"));
    } else {
        std::optional<EmployeeRecord> employee;
        try {
            employee = m_repository.load(m_mode);
        } catch (const db::DbError &e) {
            Prompter::current().message(e.message(), Prompter::Kind::Error);
            reject();
            return false;
        }
        if (!employee) {
            Prompter::current().message(QStringLiteral("Pogreška prilikom pristupa podacima!"),
                                        Prompter::Kind::Error);
            reject();
            return false;
        }
        m_imePrezime->setText(employee->imePrezime);
        m_zvanje->setText(employee->zvanje);
        m_radnoMjesto->setText(employee->radnoMjesto);
        m_vozac->setChecked(employee->isDriver());
        m_aktivan->setChecked(employee->isActive());
        m_napomena->setPlainText(employee->napomena);
        m_osobna->setText(employee->osobna);
        m_adresa->setText(employee->adresa);
        m_kontakt->setText(employee->kontakt);
        m_mbr->setText(StaffNumberText(employee->mbr));
        m_tip->setCurrentIndex(itemAt(m_tip, employee->tip.value_or(0)));
        m_tips->setText(employee->tips);
        m_zap->setCurrentIndex(itemAt(m_zap, employee->zap.value_or(-1)));
        m_confirm->setText(QStringLiteral("Promijeni"));
    }
    m_changed.clear();
    m_imePrezime->setFocus();
    return true;
}

int TDjelatnikForm::run(int mode)
{
    setMode(mode);
    if (!prepare())
        return QDialog::Rejected;
    return exec();
}

EmployeeRecord TDjelatnikForm::recordFromFields() const
{
    EmployeeRecord e;
    e.id = m_mode;
    e.imePrezime = m_imePrezime->text();
    e.zvanje = m_zvanje->text();
    e.radnoMjesto = m_radnoMjesto->text();
    e.vozac = m_vozac->isChecked() ? 1 : 0;
    e.aktivno = m_aktivan->isChecked() ? 1 : 0;
    e.napomena = m_napomena->toPlainText();
    e.osobna = m_osobna->text();
    e.adresa = m_adresa->text();
    e.kontakt = m_kontakt->text();
    e.mbr = StaffNumberFromText(m_mbr->text());
    e.tip = m_tip->currentIndex();
    e.tips = m_tips->text();
    e.zap = m_zap->currentIndex();
    return e;
}

void TDjelatnikForm::confirm()
{
    if (m_imePrezime->text().trimmed().isEmpty()) {
        Prompter::current().message(QStringLiteral("Niste unijeli ime i prezime djelatnika!"),
                                    Prompter::Kind::Warning);
        m_imePrezime->setFocus();
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
