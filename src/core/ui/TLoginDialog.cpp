#include "core/ui/TLoginDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kalvor {

TLoginDialog::TLoginDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TLoginDialog"));
    setWindowTitle(QStringLiteral("Database Login"));

    m_database = new QLabel(this);
    m_database->setObjectName(QStringLiteral("databaseName"));
    m_user = new QLineEdit(this);
    m_user->setObjectName(QStringLiteral("userName"));
    m_user->setMaxLength(31);
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("password"));
    m_password->setMaxLength(31);
    m_password->setEchoMode(QLineEdit::Password);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("User Name:"), m_user);
    form->addRow(QStringLiteral("Password:"), m_password);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_database);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TLoginDialog::setDatabaseName(const QString &name)
{
    m_database->setText(name);
}

void TLoginDialog::setUserName(const QString &user)
{
    m_user->setText(user);
    m_password->clear();
    (user.isEmpty() ? m_user : m_password)->setFocus();
}

QString TLoginDialog::userName() const
{
    return m_user->text();
}

QString TLoginDialog::password() const
{
    return m_password->text();
}

} // namespace kalvor
