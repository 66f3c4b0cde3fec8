#pragma once

#include <QDate>
#include <QString>

namespace kalvor::companygen {

// How big a generated company is and the period it has worked in. The
// company is the same kind of business at every size: a road haulier with
// tractor units, trailers and a few cars, its drivers and office staff, and
// its orders, cash desk and vehicle records over the period.
struct CompanyProfile
{
    enum class Size { S, M, L };

    Size size = Size::S;
    QDate firstDay; // the first day of business in the data
    QDate today;    // the last day of the data; nothing is dated later

    int tractors = 0;  // tractor units and lorries
    int trailers = 0;
    int cars = 0;
    int employees = 0; // drivers included
    int drivers = 0;
    int currencies = 0; // the accounting currency first, up to 12
    int partners = 0;
    int orders = 0;
    int cashEntries = 0;    // independent entries of the cash desk
    int vehicleRecords = 0; // services, insurances, registrations
    int equipment = 0;      // equipment issued with vehicles
    int lubricants = 0;     // lubricant fillings
    int ownFuel = 0;        // fuel bought outside the orders

    // The profile of a size. Without a date the company's last day is fixed
    // (19.12.2025), so that a seed always gives the same company; the demo
    // passes the real date so that its month of orders ends today.
    static CompanyProfile of(Size size, const QDate &today = {});

    // "S", "M" or "L" (any case); false for anything else.
    static bool parseSize(const QString &text, Size *size);
    static QString sizeName(Size size);

    static QDate fixedToday() { return QDate(2025, 12, 19); }
};

} // namespace kalvor::companygen
