#include "reference/ui/CountriesPage.h"

#include "core/Prompter.h"
#include "core/db/DbError.h"
#include "reference/ui/RowTableModel.h"
#include "reference/ui/TPromijeniDrzavu.h"
#include "reference/ui/ViewSetup.h"

#include <QAction>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace kalvor {

CountriesPage::CountriesPage(TDataModule1 &dm, QWidget *parent)
    : QWidget(parent)
    , m_countries(dm)
    , m_code(new QLineEdit(this))
    , m_name(new QLineEdit(this))
    , m_add(new QPushButton(QStringLiteral("Dodaj"), this))
    , m_list(new QTableView(this))
    , m_model(new RowTableModel({QStringLiteral("Oznaka"), QStringLiteral("Naziv države"), QStringLiteral("ID")}, this))
    , m_deleteAction(new QAction(QStringLiteral("Obriši državu"), this))
    , m_changeAction(new QAction(QStringLiteral("Promijeni podatke"), this))
    , m_dialog(new TPromijeniDrzavu(this))
{
    m_code->setObjectName(QStringLiteral("countryCode"));
    m_code->setMaxLength(Countries::kCodeLength);
    m_name->setObjectName(QStringLiteral("countryName"));
    m_name->setMaxLength(Countries::kNameLength);
    m_add->setObjectName(QStringLiteral("addCountry"));
    m_list->setObjectName(QStringLiteral("countryList"));
    m_list->setModel(m_model);
    setUpRowList(m_list);
    m_model->setAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    m_deleteAction->setObjectName(QStringLiteral("deleteCountry"));
    m_changeAction->setObjectName(QStringLiteral("changeCountry"));
    m_dialog->setObjectName(QStringLiteral("changeCountryDialog"));

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Oznaka države:"), m_code);
    fields->addRow(QStringLiteral("Država:"), m_name);
    auto *entry = new QHBoxLayout;
    entry->addLayout(fields);
    entry->addWidget(m_add, 0, Qt::AlignBottom);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addWidget(m_list);

    connect(m_add, &QPushButton::clicked, this, [this] { guarded([this] { addCountry(); }); });
    connect(m_deleteAction, &QAction::triggered, this, [this] { guarded([this] { deleteCountry(); }); });
    connect(m_changeAction, &QAction::triggered, this, [this] { guarded([this] { changeCountry(); }); });
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu menu(this);
        menu.addAction(m_deleteAction);
        menu.addSeparator();
        menu.addAction(m_changeAction);
        menu.exec(m_list->viewport()->mapToGlobal(at));
    });
}

void CountriesPage::refresh()
{
    m_rows = m_countries.all();
    QVector<RowTableModel::Row> rows;
    for (const Country &c : std::as_const(m_rows))
        rows.push_back({{c.code, c.name, QString::number(c.id)}, QString::number(c.id)});
    m_model->setRows(rows, m_list);
}

int CountriesPage::selectedRow() const
{
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void CountriesPage::addCountry()
{
    // A refused insert is a failure like an existing name or code.
    if (!m_countries.add(m_code->text(), m_name->text())) {
        Prompter::current().message(QStringLiteral("Pogreška prilikom unosa u bazu!"), Prompter::Kind::Warning);
        return;
    }
    m_code->clear();
    m_name->clear();
    refresh();
}

void CountriesPage::deleteCountry()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    if (!Prompter::current().question(QStringLiteral("Jeste li sigurni da želite obrisati označenu državu?!")))
        return;
    if (!m_countries.remove(m_rows.at(row).id))
        Prompter::current().message(QStringLiteral("Pogreška prilikom brisanja države!"), Prompter::Kind::Warning);
    refresh();
}

void CountriesPage::changeCountry()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const Country old = m_rows.at(row);
    m_dialog->setCountry(old.code, old.name);
    if (m_dialog->exec() != QDialog::Accepted)
        return;
    try {
        m_countries.change(old.id, m_dialog->newCode(), m_dialog->newName());
    } catch (const db::DbError &e) {
        Prompter::current().message(e.message(), Prompter::Kind::Error);
    }
    refresh();
    emit countryChanged();
}

} // namespace kalvor
