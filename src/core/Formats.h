#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace kalvor {

// The number and date conventions every screen relies on: decimal comma,
// thousands full stop, dates day.month.year with a trailing full stop.
inline constexpr QChar kDecimalSeparator = QLatin1Char(',');
inline constexpr QChar kThousandsSeparator = QLatin1Char('.');
inline const QString kShortDateFormat = QStringLiteral("dd.MM.yyyy.");
inline const QString kLongDateFormat = QStringLiteral("dd.MMMM yyyy.");
inline const QString kTimeFormat = QStringLiteral("HH:mm:ss");

// Sets the program-wide locale (Croatian month and day names) once at start.
void applyNumberAndDateConventions();

QString formatShortDate(const QDate &date);
QString formatLongDate(const QDate &date);
QString formatTime(const QTime &time);

} // namespace kalvor
