#include "reference/ui/CodeNameDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvor {

CodeNameDialog::CodeNameDialog(const Captions &captions, QWidget *parent)
    : QDialog(parent)
    , m_oldCode(new QLabel(this))
    , m_oldName(new QLabel(this))
    , m_code(new QLineEdit(this))
    , m_name(new QLineEdit(this))
    , m_confirm(new QPushButton(QStringLiteral("Promijeni"), this))
    , m_cancel(new QPushButton(QStringLiteral("Otkaži"), this))
{
    setWindowTitle(captions.title);
    QFont bold = font();
    bold.setBold(true);
    m_oldCode->setObjectName(QStringLiteral("oldCode"));
    m_oldCode->setFont(bold);
    m_oldName->setObjectName(QStringLiteral("oldName"));
    m_oldName->setFont(bold);
    m_code->setObjectName(QStringLiteral("code"));
    m_code->setMaxLength(captions.codeLength);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMaxLength(captions.nameLength);
    m_confirm->setObjectName(QStringLiteral("confirm"));
    m_confirm->setDefault(true);
    m_cancel->setObjectName(QStringLiteral("cancel"));

    auto *current = new QFormLayout;
    current->addRow(captions.currentCode, m_oldCode);
    current->addRow(QStringLiteral("Naziv:"), m_oldName);
    auto *group = new QGroupBox(QStringLiteral("Novi podaci: "), this);
    auto *fields = new QFormLayout(group);
    fields->addRow(QStringLiteral("Oznaka:"), m_code);
    fields->addRow(QStringLiteral("Naziv:"), m_name);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_confirm);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(current);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(m_confirm, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CodeNameDialog::setValues(const QString &code, const QString &name)
{
    m_oldCode->setText(code);
    m_oldName->setText(name);
    m_code->setText(code);
    m_name->setText(name);
}

QString CodeNameDialog::newCode() const
{
    return m_code->text();
}

QString CodeNameDialog::newName() const
{
    return m_name->text();
}

} // namespace kalvor
