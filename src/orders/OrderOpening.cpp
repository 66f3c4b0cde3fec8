#include "orders/OrderOpening.h"

#include "core/Amounts.h"
#include "core/Settings.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"
#include "orders/OrderAllowances.h"

#include <cmath>

namespace kalvor {

namespace {

QVector<EmployeeEntry> employees(db::Transaction &read, const QString &sql)
{
    QVector<EmployeeEntry> list;
    db::TransactionGuard guard(read);
    db::Query q(read, sql);
    q.open();
    while (q.next())
        list.append({q.value(QStringLiteral("IDDJ")).toInt(), q.value(QStringLiteral("IMEPREZIME")).toString()});
    q.close();
    guard.commit();
    return list;
}

} // namespace

OrderEmployeeLists LoadEmployeeLists(db::Transaction &read, bool activeOnly)
{
    OrderEmployeeLists lists;
    lists.drivers = employees(read, QStringLiteral("SELECT * FROM DJELATNICI WHERE VOZAC=1 ")
                                        + (activeOnly ? QStringLiteral(" AND ((AKTIVNOALL IS NULL) OR (AKTIVNOALL=1))")
                                                      : QString())
                                        + QStringLiteral("ORDER BY IMEPREZIME"));
    lists.employees = employees(read, QStringLiteral("SELECT * FROM DJELATNICI ")
                                          + (activeOnly ? QStringLiteral(" WHERE ((AKTIVNOALL IS NULL) OR (AKTIVNOALL=1))")
                                                        : QString())
                                          + QStringLiteral("ORDER BY IMEPREZIME"));
    return lists;
}

QString CountryOfList(db::Transaction &write, const QString &name)
{
    db::TransactionGuard guard(write);
    db::Query q(write, QStringLiteral("SELECT DRZAVA FROM DRZAVE ORDER BY DRZAVA"));
    q.open();
    QString found = name;
    while (q.next()) {
        const QString listed = q.value(0).toString();
        if (listed.compare(name, Qt::CaseInsensitive) == 0) {
            found = listed;
            break;
        }
    }
    q.close();
    guard.commit();
    return found;
}

SettlementResult SettleOnOpening(TravelOrder &order, db::Transaction &write, const Settings &settings)
{
    const QString accounting = settings.text(QStringLiteral("DefValuta"));
    order.country = CountryOfList(write, order.country);
    if (order.allowanceAmount.trimmed().isEmpty())
        DefaultAllowanceRate(order, ReferenceAllowanceRate(write, order.accountingDate, order.country), accounting);
    OrderRateLookup rates(write, order, accounting);
    return ComputeSettlement(order, rates, settings);
}

QStringList SettlementReportLines(const TravelOrder &order, const SettlementResult &settlement)
{
    const MethodSettlement &method = settlement.chosen(order.settlement.method);
    const double count =
        order.settlement.method == MultiCountry ? settlement.allowances.multiCount : settlement.allowances.count;
    QStringList lines{
        QStringLiteral("Način obračuna:\t") + QString::number(order.settlement.method),
        QStringLiteral("Pređeno km:\t") + FormatAmountZero(settlement.kilometres),
        QStringLiteral("Broj dnevnica:\t") + FormatAmountZero(count),
        QStringLiteral("Ukupno sati:\t") + FormatAmountZero(settlement.allowances.tripHours),
    };
    for (const EmployeeSettlement &e : method.employees) {
        const QStringList fields{e.employee.name,
                                 QStringLiteral("Akontacija"),
                                 FormatAmountZero(e.advances),
                                 QStringLiteral("Zarada"),
                                 FormatAmountZero(e.earning),
                                 QStringLiteral("Got.računi"),
                                 FormatAmountZero(e.cashReceipts),
                                 QStringLiteral("Dnevnice"),
                                 FormatAmountZero(e.allowance),
                                 e.balanceKind(),
                                 FormatAmountZero(std::fabs(e.balance()))};
        lines << fields.join(QLatin1Char('\t'));
    }
    return lines;
}

} // namespace kalvor
