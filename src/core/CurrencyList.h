#pragma once

#include "core/db/Transaction.h"

#include <QString>
#include <QStringList>

namespace kalvor {

// The currency choice list of every screen with a currency field. An item is
// the currency code, "||" and the currency name ("EUR||euro"), one per row of
// `VALUTE` in code order.

// Clears the list and fills it from "SELECT * FROM VALUTE ORDER BY OZNAKA" in
// the given (read) transaction, which is started when it is not active and
// then committed. Throws db::DbError.
void FillCurrencyList(QStringList &items, db::Transaction &read);
QStringList FillCurrencyList(db::Transaction &read);

// The text before the first "||"; an item without "||" gives an empty text.
QString ItemCode(const QString &item);
// The text after the first "||".
QString ItemName(const QString &item);
// The index of the first item whose code equals `code`, ignoring letter case;
// -1 when there is none.
int FindCurrencyIndex(const QStringList &items, const QString &code);

} // namespace kalvor
