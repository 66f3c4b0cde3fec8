#include "reference/CountryList.h"

#include "core/db/Query.h"

namespace kalvor {

namespace {
const QString kSeparator = QStringLiteral("||");
}

void FillCountryList(QStringList &items, db::Transaction &read)
{
    items.clear();
    db::TransactionGuard guard(read);
    db::Query q(read, QStringLiteral("SELECT * FROM DRZAVE ORDER BY DRZAVA"));
    q.open();
    const int name = q.columnIndex(QStringLiteral("DRZAVA"));
    const int code = q.columnIndex(QStringLiteral("OZNAKA"));
    const int id = q.columnIndex(QStringLiteral("ID"));
    while (q.next())
        items << CountryItem(q.value(name).toString(), q.value(code).toString(), q.value(id).toInt());
    q.close();
    guard.commit();
}

QStringList FillCountryList(db::Transaction &read)
{
    QStringList items;
    FillCountryList(items, read);
    return items;
}

QString CountryItem(const QString &name, const QString &code, int id)
{
    return name + kSeparator + code + kSeparator + QString::number(id);
}

QString ItemCountryName(const QString &item)
{
    const qsizetype at = item.indexOf(kSeparator);
    return at < 0 ? item : item.left(at);
}

int ItemCountryId(const QString &item)
{
    const qsizetype first = item.indexOf(kSeparator);
    if (first < 0)
        return -1;
    const qsizetype second = item.indexOf(kSeparator, first + kSeparator.size());
    if (second < 0)
        return -1;
    bool ok = false;
    const int id = item.mid(second + kSeparator.size()).toInt(&ok);
    return ok ? id : -1;
}

int FindCountryIndex(const QStringList &items, const QString &name)
{
    for (int i = 0; i < items.size(); ++i)
        if (ItemCountryName(items.at(i)).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace kalvor
