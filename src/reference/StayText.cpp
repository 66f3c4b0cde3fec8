#include "reference/StayText.h"

#include "core/Amounts.h"
#include "core/db/Win1250.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace kalvor {

namespace {

const QDate kDayZero(1899, 12, 30);
constexpr qint64 kMinutesPerDay = 24 * 60;
constexpr double kMsecsPerDay = 86400000.0;

const QString kStayOpen = QStringLiteral("<PDNSTAVKA>");
const QString kStayClose = QStringLiteral("</PDNSTAVKA>");

// The trimmed text between the first "<name>" and the first "</name>";
// empty when either is missing or the closing tag comes first.
QString field(const QString &block, const QString &name)
{
    const QString open = QLatin1Char('<') + name + QLatin1Char('>');
    const QString close = QStringLiteral("</") + name + QLatin1Char('>');
    const qsizetype from = block.indexOf(open);
    const qsizetype to = block.indexOf(close);
    if (from < 0 || to < 0)
        return {};
    const qsizetype start = from + open.size();
    if (to < start)
        return {};
    return block.mid(start, to - start).trimmed();
}

double roundedDayNumber(const QString &text)
{
    return MinutesToDays(DaysToMinutes(ParseAmount(text)));
}

QString tagged(const QString &name, const QString &value)
{
    return QLatin1Char('<') + name + QLatin1Char('>') + value + QStringLiteral("</") + name
           + QLatin1Char('>');
}

} // namespace

double DayNumber(const QDateTime &moment)
{
    const qint64 days = kDayZero.daysTo(moment.date());
    return double(days) + moment.time().msecsSinceStartOfDay() / kMsecsPerDay;
}

QDateTime FromDayNumber(double dayNumber)
{
    const qint64 minutes = DaysToMinutes(dayNumber);
    qint64 days = minutes / kMinutesPerDay;
    qint64 rest = minutes % kMinutesPerDay;
    if (rest < 0) {
        rest += kMinutesPerDay;
        --days;
    }
    return QDateTime(kDayZero.addDays(days), QTime(0, 0).addSecs(int(rest) * 60));
}

qint64 DaysToMinutes(double days)
{
    return qRound64(days * double(kMinutesPerDay));
}

double MinutesToDays(qint64 minutes)
{
    return double(minutes) / double(kMinutesPerDay);
}

QString FormatGeneralNumber(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QVector<StayRate> UsableStayRates(const QVector<StayRate> &rates)
{
    QVector<StayRate> usable;
    for (const StayRate &rate : rates) {
        if (rate.currency.isNull() || rate.amount == 0)
            continue;
        usable.append(rate);
    }
    std::stable_sort(usable.begin(), usable.end(),
                     [](const StayRate &a, const StayRate &b) { return a.country < b.country; });
    return usable;
}

Stay Stay::fromEntryExit(const StayRate &rate, const QDateTime &entry, const QDateTime &exit)
{
    Stay stay;
    stay.country = rate.country;
    stay.currency = rate.currency;
    stay.amount = rate.amount;
    stay.entry = DayNumber(entry);
    stay.exit = DayNumber(exit);
    stay.duration = MinutesToDays(DaysToMinutes(stay.exit) - DaysToMinutes(stay.entry));
    return stay;
}

Stay Stay::ofLength(const StayRate &rate, double days)
{
    Stay stay;
    stay.country = rate.country;
    stay.currency = rate.currency;
    stay.amount = rate.amount;
    stay.entry = 0;
    stay.exit = days;
    stay.duration = days;
    return stay;
}

QVector<Stay> ReadStayText(const QString &text)
{
    QVector<Stay> stays;
    QString rest = text;
    for (;;) {
        const qsizetype open = rest.indexOf(kStayOpen);
        if (open < 0)
            break;
        const qsizetype start = open + kStayOpen.size();
        const qsizetype close = rest.indexOf(kStayClose, start);
        if (close < 0)
            break;
        const QString block = rest.mid(start, close - start).trimmed();
        rest = rest.left(open) + rest.mid(close + kStayClose.size());
        if (block.isEmpty())
            continue;
        Stay stay;
        stay.country = field(block, QStringLiteral("DRZAVA"));
        stay.amount = ParseAmount(field(block, QStringLiteral("DNEVNICA")));
        stay.currency = field(block, QStringLiteral("VALUTA"));
        stay.entry = roundedDayNumber(field(block, QStringLiteral("OD")));
        stay.exit = roundedDayNumber(field(block, QStringLiteral("DO")));
        stay.duration = roundedDayNumber(field(block, QStringLiteral("TRAJANJE")));
        stays.append(stay);
    }
    return stays;
}

QString WriteStayText(const QVector<Stay> &stays)
{
    QString text;
    for (const Stay &stay : stays) {
        text += kStayOpen;
        text += tagged(QStringLiteral("DRZAVA"), stay.country);
        text += tagged(QStringLiteral("DNEVNICA"), FormatGeneralNumber(stay.amount));
        text += tagged(QStringLiteral("VALUTA"), stay.currency);
        text += tagged(QStringLiteral("OD"), FormatGeneralNumber(stay.entry));
        text += tagged(QStringLiteral("DO"), FormatGeneralNumber(stay.exit));
        text += tagged(QStringLiteral("TRAJANJE"), FormatGeneralNumber(stay.duration));
        text += kStayClose;
        text += QStringLiteral("\r\n");
    }
    return text;
}

QByteArray StayTextToBytes(const QString &text)
{
    return db::toWin1250(text);
}

QString StayTextFromBytes(const QByteArray &bytes)
{
    return db::fromWin1250(bytes);
}

} // namespace kalvor
