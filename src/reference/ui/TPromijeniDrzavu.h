#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kalvor {

// "Promijeni podatke o državi": the current code and name of a country in
// bold, and the new ones, filled in advance with the current values.
class TPromijeniDrzavu : public QDialog
{
    Q_OBJECT

public:
    explicit TPromijeniDrzavu(QWidget *parent = nullptr);

    void setCountry(const QString &code, const QString &name);
    QString newCode() const;
    QString newName() const;

private:
    QLabel *m_oldCode;
    QLabel *m_oldName;
    QLineEdit *m_code;
    QLineEdit *m_name;
    QPushButton *m_confirm;
    QPushButton *m_cancel;
};

} // namespace kalvor
