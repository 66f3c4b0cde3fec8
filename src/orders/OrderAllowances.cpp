#include "orders/OrderAllowances.h"

#include "core/Amounts.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"
#include "orders/TravelOrderStore.h"
#include "reference/StayText.h"

namespace kalvor {

AllowanceCount OrderAllowanceCount(const TravelOrder &order, const AllowanceRules &rules)
{
    return CountAllowances(order.departure(), order.returnMoment(), rules);
}

QString AllowanceInfoLine(const TravelOrder &order, const AllowanceRules &rules)
{
    if (!order.returnDefined)
        return QStringLiteral("NIJE DEFINIRAN POVRATAK!");
    const AllowanceCount count = OrderAllowanceCount(order, rules);
    QString hours = FormatAmount(count.hours);
    if (hours.isEmpty())
        hours = QStringLiteral("0,00");
    return QStringLiteral("Ukupno sati: ") + hours + QStringLiteral(" - Broj dnevnica: ")
        + FormatGeneralNumber(count.count);
}

std::optional<ReferenceRate> ReferenceAllowanceRate(db::Transaction &write, const QDate &accountingDate,
                                                    const QString &country)
{
    db::TransactionGuard guard(write);
    db::Query q(write, QStringLiteral("SELECT * FROM SVEDNEVNICE(:DAT) WHERE DRZAVA=:DRZ"));
    q.bind(QStringLiteral("DAT"), accountingDate);
    q.bind(QStringLiteral("DRZ"), country);
    q.open();
    std::optional<ReferenceRate> rate;
    if (q.next()) {
        const QString currency = q.value(QStringLiteral("VALUTA")).toString();
        if (!currency.isEmpty())
            rate = ReferenceRate{q.value(QStringLiteral("IZNOS")).toDouble(), currency};
    }
    q.close();
    guard.commit();
    return rate;
}

bool DefaultAllowanceRate(TravelOrder &order, const std::optional<ReferenceRate> &rate,
                          const QString &accountingCurrency)
{
    if (!order.allowanceAmount.trimmed().isEmpty())
        return false;
    if (rate) {
        order.allowanceAmount = DecimalFieldText(rate->amount, 2, 3);
        order.allowanceCurrency = rate->currency;
    } else {
        order.allowanceAmount = QStringLiteral("25,00");
        order.allowanceCurrency = accountingCurrency;
    }
    return true;
}

bool ReceivesAllowance(int method, bool firstEmployee, const SettlementInputs &settlement)
{
    switch (method) {
    case ByKilometres:
    case ByPercentage:
    case FixedFee:
        return firstEmployee ? settlement.allowanceFirst : settlement.allowanceOthers;
    default:
        return true;
    }
}

bool TakeJourneyFromSections(TravelOrder &order, const SectionTotals &totals)
{
    if (!order.durationFromSections || order.sections.size() < 2 || !totals.defined())
        return false;
    order.departureDate = totals.start.date();
    order.departureTime = totals.start.time().toString(QStringLiteral("HH:mm"));
    order.returnDate = totals.end.date();
    order.returnTime = totals.end.time().toString(QStringLiteral("HH:mm"));
    return true;
}

qint64 MinutesBetween(const QDateTime &from, const QDateTime &to)
{
    if (!from.isValid() || !to.isValid())
        return 0;
    const qint64 days = from.date().daysTo(to.date());
    const qint64 ms = qint64(to.time().msecsSinceStartOfDay()) - from.time().msecsSinceStartOfDay();
    return days * 24 * 60 + ms / 60000;
}

JourneyDurationCheck CheckJourneyDuration(const TravelOrder &order, const SectionTotals &totals,
                                          qint64 staysMinutes)
{
    JourneyDurationCheck check;
    check.staysMinutes = staysMinutes;
    if (order.durationFromSections)
        check.journeyMinutes = qint64(totals.days) * 24 * 60;
    else
        check.journeyMinutes = MinutesBetween(order.departure(), order.returnMoment());
    return check;
}

void CorrectReturnToStays(TravelOrder &order, qint64 staysMinutes)
{
    const QDateTime departure = order.departure();
    const qint64 minutes = departure.time().msecsSinceStartOfDay() / 60000 + staysMinutes;
    const qint64 dayMinutes = 24 * 60;
    qint64 days = minutes / dayMinutes;
    qint64 rest = minutes % dayMinutes;
    if (rest < 0) {
        rest += dayMinutes;
        --days;
    }
    order.returnDate = departure.date().addDays(days);
    order.returnTime = QTime(0, 0).addSecs(int(rest * 60)).toString(QStringLiteral("HH:mm"));
    order.returnDefined = true;
    order.durationFromSections = false;
}

} // namespace kalvor
