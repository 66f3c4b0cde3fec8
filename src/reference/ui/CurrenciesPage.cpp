#include "reference/ui/CurrenciesPage.h"

#include "core/Prompter.h"
#include "core/Settings.h"
#include "core/TDataModule1.h"
#include "core/db/DbError.h"
#include "reference/ui/RowTableModel.h"
#include "reference/ui/TPromijeniValutu.h"
#include "reference/ui/ViewSetup.h"

#include <QAction>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace kalvor {

CurrenciesPage::CurrenciesPage(TDataModule1 &dm, QWidget *parent)
    : QWidget(parent)
    , m_dm(dm)
    , m_currencies(dm)
    , m_code(new QLineEdit(this))
    , m_name(new QLineEdit(this))
    , m_add(new QPushButton(QStringLiteral("Dodaj"), this))
    , m_list(new QTableView(this))
    , m_model(new RowTableModel({QStringLiteral("Oznaka valute"), QStringLiteral("Naziv valute")}, this))
    , m_accounting(new QLineEdit(this))
    , m_deleteAction(new QAction(QStringLiteral("Obriši valutu"), this))
    , m_accountingAction(new QAction(QStringLiteral("Postavi za obračunsku valutu"), this))
    , m_changeAction(new QAction(QStringLiteral("Promijeni podatke"), this))
    , m_dialog(new TPromijeniValutu(this))
{
    m_code->setObjectName(QStringLiteral("currencyCode"));
    m_code->setMaxLength(5);
    m_name->setObjectName(QStringLiteral("currencyName"));
    m_name->setMaxLength(20);
    m_add->setObjectName(QStringLiteral("addCurrency"));
    m_list->setObjectName(QStringLiteral("currencyList"));
    m_list->setModel(m_model);
    setUpRowList(m_list);
    m_accounting->setObjectName(QStringLiteral("accountingCurrency"));
    m_accounting->setReadOnly(true);
    m_deleteAction->setObjectName(QStringLiteral("deleteCurrency"));
    m_accountingAction->setObjectName(QStringLiteral("setAccountingCurrency"));
    m_changeAction->setObjectName(QStringLiteral("changeCurrency"));
    m_dialog->setObjectName(QStringLiteral("changeCurrencyDialog"));

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Oznaka valute:"), m_code);
    fields->addRow(QStringLiteral("Naziv valute:"), m_name);
    auto *entry = new QHBoxLayout;
    entry->addLayout(fields);
    entry->addWidget(m_add, 0, Qt::AlignBottom);
    auto *accounting = new QFormLayout;
    accounting->addRow(QStringLiteral("Obračunska valuta:"), m_accounting);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addWidget(m_list);
    layout->addLayout(accounting);

    connect(m_add, &QPushButton::clicked, this, [this] { guarded([this] { addCurrency(); }); });
    connect(m_deleteAction, &QAction::triggered, this, [this] { guarded([this] { deleteCurrency(); }); });
    connect(m_accountingAction, &QAction::triggered, this, &CurrenciesPage::setAsAccountingCurrency);
    connect(m_changeAction, &QAction::triggered, this, [this] { guarded([this] { changeCurrency(); }); });
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu menu(this);
        menu.addAction(m_deleteAction);
        menu.addAction(m_accountingAction);
        menu.addSeparator();
        menu.addAction(m_changeAction);
        menu.exec(m_list->viewport()->mapToGlobal(at));
    });
}

void CurrenciesPage::setAccountingCurrency(const QString &code)
{
    m_accounting->setText(code);
}

void CurrenciesPage::refresh()
{
    m_rows = m_currencies.all();
    QVector<RowTableModel::Row> rows;
    for (const Currency &c : std::as_const(m_rows))
        rows.push_back({{c.code, c.name}, c.code});
    m_model->setRows(rows, m_list);
}

int CurrenciesPage::selectedRow() const
{
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void CurrenciesPage::addCurrency()
{
    const QString failed = QStringLiteral("Pogreška prilikom dodavanja valute!");
    switch (m_currencies.add(m_code->text(), m_name->text())) {
    case CurrencyRepository::AddResult::Exists:
        Prompter::current().message(QStringLiteral("Valuta s tom oznakom već postoji u bazi!"), Prompter::Kind::Warning);
        Prompter::current().message(failed, Prompter::Kind::Warning);
        return;
    case CurrencyRepository::AddResult::Refused:
        Prompter::current().message(failed, Prompter::Kind::Warning);
        return;
    case CurrencyRepository::AddResult::Added:
        m_code->clear();
        m_name->clear();
        refresh();
        return;
    }
}

void CurrenciesPage::deleteCurrency()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    if (!Prompter::current().question(QStringLiteral("Jeste li sigurni da želite obrisati označenu valutu?!")))
        return;
    if (!m_currencies.remove(m_rows.at(row).code))
        Prompter::current().message(QStringLiteral("Pogreška prilikom brisanja valute!"), Prompter::Kind::Warning);
    refresh();
}

void CurrenciesPage::setAsAccountingCurrency()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const QString code = m_rows.at(row).code;
    m_accounting->setText(code);
    // Held as the current setting; the store takes it with the next
    // "Snimi promjene" of the settings screen.
    Settings::current().set(QStringLiteral("DefValuta"), code);
    emit accountingCurrencyChosen(code);
}

void CurrenciesPage::changeCurrency()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const Currency old = m_rows.at(row);
    m_dialog->setCurrency(old.code, old.name);
    if (m_dialog->exec() != QDialog::Accepted)
        return;
    try {
        m_currencies.change(old.code, old.name, m_dialog->newCode(), m_dialog->newName());
    } catch (const db::DbError &e) {
        Prompter::current().message(e.message(), Prompter::Kind::Error);
    }
    refresh();
}

} // namespace kalvor
