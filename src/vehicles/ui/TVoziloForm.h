#pragma once

#include "vehicles/VehicleRecord.h"
#include "vehicles/VehicleRepository.h"

#include <QDialog>
#include <QSet>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kalvor {

class TDataModule1;

// "Podaci o vozilu": one vehicle, new (mode -1, button "Dodaj") or the
// vehicle whose IDVOZ the mode is (button "Promijeni"). The dialog closes
// confirmed when it saved, or found nothing to change; a write the database
// refuses shows the database's message and keeps what was typed.
class TVoziloForm : public QDialog
{
    Q_OBJECT
public:
    explicit TVoziloForm(TDataModule1 &data, QWidget *parent = nullptr);

    void setMode(int mode) { m_mode = mode; }
    int mode() const { return m_mode; }

    // Fills the fields for the mode. A vehicle that is not there shows
    // "Pogreška prilikom pristupa podacima!", rejects the dialog and
    // returns false.
    bool prepare();
    // setMode(), prepare() and, when it succeeded, exec().
    int run(int mode);

    // Whether the user edited a field since prepare().
    bool hasChanges() const { return !m_changed.isEmpty(); }
    // IDVOZ of the vehicle the last confirmation inserted or changed.
    int savedId() const { return m_savedId; }

private:
    void createControls();
    void layOut();
    void connectSignals();
    void markChanged(QObject *field) { m_changed.insert(field); }
    void confirm();
    VehicleRecord recordFromFields() const;

    VehicleRepository m_repository;
    int m_mode = -1;
    int m_savedId = -1;
    VehicleRecord m_loaded;
    QSet<QObject *> m_changed;

    QLineEdit *m_markaITip = nullptr;
    QLineEdit *m_oznaka = nullptr;
    QLineEdit *m_masa = nullptr;
    QLineEdit *m_nosivost = nullptr;
    QLineEdit *m_ukupnaMasa = nullptr;
    QComboBox *m_vrsta = nullptr;
    QPlainTextEdit *m_napomena = nullptr;
    QLineEdit *m_garBr = nullptr;
    QLineEdit *m_brSasije = nullptr;
    QLineEdit *m_brSjed = nullptr;
    QLineEdit *m_godPro = nullptr;
    QLineEdit *m_godPreg = nullptr;
    QCheckBox *m_aktivan = nullptr;
    QPushButton *m_confirm = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace kalvor
