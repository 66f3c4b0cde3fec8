#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kalvor {

// A change dialog of a record known by a code and a name: the current code
// and name in bold, and the new ones, filled in advance with the current
// values.
class CodeNameDialog : public QDialog
{
    Q_OBJECT

public:
    struct Captions
    {
        QString title;
        QString currentCode; // caption of the current code
        int codeLength;
        int nameLength;
    };

    CodeNameDialog(const Captions &captions, QWidget *parent);

    QString newCode() const;
    QString newName() const;

protected:
    void setValues(const QString &code, const QString &name);

private:
    QLabel *m_oldCode;
    QLabel *m_oldName;
    QLineEdit *m_code;
    QLineEdit *m_name;
    QPushButton *m_confirm;
    QPushButton *m_cancel;
};

} // namespace kalvor
