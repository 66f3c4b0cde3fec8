#include "reference/ui/ViewSetup.h"

#include "core/Prompter.h"
#include "core/db/DbError.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QTableView>

namespace kalvor {

void setUpRowList(QTableView *view)
{
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->horizontalHeader()->setStretchLastSection(true);
    view->verticalHeader()->hide();
}

void setUpDateEdit(QDateEdit *edit)
{
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy."));
    edit->setCalendarPopup(true);
    edit->setDate(QDate::currentDate());
}

bool guarded(const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const db::DbError &e) {
        Prompter::current().message(e.message(), Prompter::Kind::Error);
        return false;
    }
}

} // namespace kalvor
