#include "core/Formats.h"

#include <QLocale>

namespace kalvor {

void applyNumberAndDateConventions()
{
    QLocale locale(QLocale::Croatian, QLocale::Croatia);
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    QLocale::setDefault(locale);
}

QString formatShortDate(const QDate &date)
{
    return date.isValid() ? date.toString(kShortDateFormat) : QString();
}

QString formatLongDate(const QDate &date)
{
    return date.isValid() ? QLocale().toString(date, kLongDateFormat) : QString();
}

QString formatTime(const QTime &time)
{
    return time.isValid() ? time.toString(kTimeFormat) : QString();
}

} // namespace kalvor
