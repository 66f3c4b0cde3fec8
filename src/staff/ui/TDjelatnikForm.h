#pragma once

#include "staff/EmployeeRecord.h"
#include "staff/EmployeeRepository.h"

#include <QDialog>
#include <QSet>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kalvor {

class TDataModule1;

// "Podaci o djelatniku": one employee, new (mode -1, button "Dodaj") or the
// employee whose IDDJ the mode is (button "Promijeni"). Leaving "Radno
// mjesto:" with a driver's job ticks "Vozač"; leaving "Matični broj:" puts
// its integer value there. A write the database refuses shows the database's
// message and keeps what was typed; Escape and "Otkaži" cancel.
class TDjelatnikForm : public QDialog
{
    Q_OBJECT
public:
    explicit TDjelatnikForm(TDataModule1 &data, QWidget *parent = nullptr);

    void setMode(int mode) { m_mode = mode; }
    int mode() const { return m_mode; }

    // Fills the fields for the mode. An employee that is not there shows
    // "Pogreška prilikom pristupa podacima!", rejects the dialog and returns
    // false.
    bool prepare();
    // setMode(), prepare() and, when it succeeded, exec().
    int run(int mode);

    bool hasChanges() const { return !m_changed.isEmpty(); }
    // IDDJ of the employee the last confirmation inserted or changed.
    int savedId() const { return m_savedId; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void layOut();
    void connectSignals();
    void markChanged(QObject *field) { m_changed.insert(field); }
    void leaveJob();
    void leaveStaffNumber();
    void confirm();
    EmployeeRecord recordFromFields() const;

    EmployeeRepository m_repository;
    int m_mode = -1;
    int m_savedId = -1;
    QSet<QObject *> m_changed;

    QLineEdit *m_imePrezime = nullptr;
    QLineEdit *m_zvanje = nullptr;
    QLineEdit *m_radnoMjesto = nullptr;
    QCheckBox *m_vozac = nullptr;
    QCheckBox *m_aktivan = nullptr;
    QPlainTextEdit *m_napomena = nullptr;
    QLineEdit *m_osobna = nullptr;
    QLineEdit *m_adresa = nullptr;
    QLineEdit *m_kontakt = nullptr;
    QLineEdit *m_mbr = nullptr;
    QComboBox *m_tip = nullptr;
    QLineEdit *m_tips = nullptr;
    QComboBox *m_zap = nullptr;
    QPushButton *m_confirm = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace kalvor
