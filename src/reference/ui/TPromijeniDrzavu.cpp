#include "reference/ui/TPromijeniDrzavu.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvor {

TPromijeniDrzavu::TPromijeniDrzavu(QWidget *parent)
    : QDialog(parent)
    , m_oldCode(new QLabel(this))
    , m_oldName(new QLabel(this))
    , m_code(new QLineEdit(this))
    , m_name(new QLineEdit(this))
    , m_confirm(new QPushButton(QStringLiteral("Promijeni"), this))
    , m_cancel(new QPushButton(QStringLiteral("Otkaži"), this))
{
    setWindowTitle(QStringLiteral("Promijeni podatke o državi"));
    QFont bold = font();
    bold.setBold(true);
    m_oldCode->setObjectName(QStringLiteral("oldCode"));
    m_oldCode->setFont(bold);
    m_oldName->setObjectName(QStringLiteral("oldName"));
    m_oldName->setFont(bold);
    m_code->setObjectName(QStringLiteral("code"));
    m_code->setMaxLength(3);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMaxLength(40);
    m_confirm->setObjectName(QStringLiteral("confirm"));
    m_confirm->setDefault(true);
    m_cancel->setObjectName(QStringLiteral("cancel"));

    auto *current = new QFormLayout;
    current->addRow(QStringLiteral("Oznaka:"), m_oldCode);
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

void TPromijeniDrzavu::setCountry(const QString &code, const QString &name)
{
    m_oldCode->setText(code);
    m_oldName->setText(name);
    m_code->setText(code);
    m_name->setText(name);
}

QString TPromijeniDrzavu::newCode() const
{
    return m_code->text();
}

QString TPromijeniDrzavu::newName() const
{
    return m_name->text();
}

} // namespace kalvor
