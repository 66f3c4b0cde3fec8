#include "core/CurrencyList.h"

#include "core/db/Query.h"

namespace kalvor {

namespace {
const QString separator = QStringLiteral("||");
}

void FillCurrencyList(QStringList &items, db::Transaction &read)
{
    items.clear();
    db::TransactionGuard guard(read);
    db::Query q(read, QStringLiteral("SELECT * FROM VALUTE ORDER BY OZNAKA"));
    q.open();
    const int code = q.columnIndex(QStringLiteral("OZNAKA"));
    const int name = q.columnIndex(QStringLiteral("NAZIV"));
    while (q.next())
        items << q.value(code).toString() + separator + q.value(name).toString();
    q.close();
    guard.commit();
}

QStringList FillCurrencyList(db::Transaction &read)
{
    QStringList items;
    FillCurrencyList(items, read);
    return items;
}

QString ItemCode(const QString &item)
{
    const qsizetype at = item.indexOf(separator);
    return at < 0 ? QString() : item.left(at);
}

QString ItemName(const QString &item)
{
    const qsizetype at = item.indexOf(separator);
    return at < 0 ? QString() : item.mid(at + separator.size());
}

int FindCurrencyIndex(const QStringList &items, const QString &code)
{
    for (qsizetype i = 0; i < items.size(); ++i)
        if (ItemCode(items.at(i)).compare(code, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

} // namespace kalvor
