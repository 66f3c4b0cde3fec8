#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

namespace kalvor {

// Date-times of a journey are day numbers: whole days since 30 December 1899,
// 00:00, plus the fraction of the day. Durations are differences of them.
double DayNumber(const QDateTime &moment);
QDateTime FromDayNumber(double dayNumber);

// A day number or duration in whole minutes (rounded to the nearest minute),
// and back.
qint64 DaysToMinutes(double days);
double MinutesToDays(qint64 minutes);

// A number in the general format of the stay text: at most 15 significant
// digits, a comma as decimal separator, no thousands separator, no trailing
// zeros ("30", "39094,3333333333", "-0,5").
QString FormatGeneralNumber(double value);

// One country's daily allowance rate as the stay dialog offers it.
struct StayRate
{
    QString country;
    double amount = 0;
    QString currency;
};

// The rates the calculator can offer: rows without a currency or with an
// amount of 0 are left out; the rest is in country name order.
QVector<StayRate> UsableStayRates(const QVector<StayRate> &rates);

// One stay in a country. A stay entered by entry and exit has
// duration = exit - entry; a stay entered as a length of stay has entry 0 and
// exit = duration = the length.
struct Stay
{
    QString country;
    QString currency;
    double amount = 0; // allowance per full day
    double entry = 0;  // day number; 0 for a length of stay
    double exit = 0;   // day number, or the length of stay
    double duration = 0; // days

    bool hasEntry() const { return entry != 0; }

    static Stay fromEntryExit(const StayRate &rate, const QDateTime &entry, const QDateTime &exit);
    static Stay ofLength(const StayRate &rate, double days);
};

// Reads a stay text. Every "<PDNSTAVKA>" ... "</PDNSTAVKA>" block is one stay,
// the last one too whatever follows it; an empty block is skipped. Inside a
// block each field is the trimmed text between its first opening and first
// closing tag, in any order; a missing tag gives an empty field. Numbers are
// read with ParseAmount; day numbers are rounded to the nearest minute.
QVector<Stay> ReadStayText(const QString &text);

// Writes the stays, one line per stay ending in CR LF (the last one too).
// No stays give an empty text.
QString WriteStayText(const QVector<Stay> &stays);

// The stay text as saved in a file (Windows-1250) and back.
QByteArray StayTextToBytes(const QString &text);
QString StayTextFromBytes(const QByteArray &bytes);

} // namespace kalvor
