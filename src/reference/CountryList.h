#pragma once

#include "core/db/Transaction.h"

#include <QString>
#include <QStringList>

namespace kalvor {

// The country choice list: one item per country, in name order, each the text
// name + "||" + code + "||" + id. Only the name is shown.

// Clears the list and fills it from "SELECT * FROM DRZAVE ORDER BY DRZAVA" in
// the given (read) transaction, which is started when it is not active and
// then committed. Throws db::DbError.
void FillCountryList(QStringList &items, db::Transaction &read);
QStringList FillCountryList(db::Transaction &read);
// The item text of one country.
QString CountryItem(const QString &name, const QString &code, int id);

// The text before the first "||", or the whole text when it holds none.
QString ItemCountryName(const QString &item);
// The text after the second "||" read as an integer; -1 when it is not one.
int ItemCountryId(const QString &item);
// Index of the first item whose ItemCountryName equals `name`, ignoring
// letter case; -1 when none does.
int FindCountryIndex(const QStringList &items, const QString &name);

} // namespace kalvor
