#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace kalvor {

// "Database Login": asked at every connect in the prompt mode.
class TLoginDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TLoginDialog(QWidget *parent = nullptr);

    void setDatabaseName(const QString &name);
    void setUserName(const QString &user);
    QString userName() const;
    QString password() const;

private:
    QLabel *m_database;
    QLineEdit *m_user;
    QLineEdit *m_password;
};

} // namespace kalvor
