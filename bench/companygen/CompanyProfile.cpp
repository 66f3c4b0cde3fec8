#include "companygen/CompanyProfile.h"

namespace kalvor::companygen {

CompanyProfile CompanyProfile::of(Size size, const QDate &today)
{
    CompanyProfile p;
    p.size = size;
    p.today = today.isValid() ? today : fixedToday();
    switch (size) {
    case Size::L:
        // Twelve calendar years up to today.
        p.firstDay = QDate(p.today.year() - 11, 1, 2);
        p.tractors = 51;
        p.trailers = 27;
        p.cars = 2;
        p.employees = 200;
        p.drivers = 120;
        p.currencies = 12;
        p.partners = 30;
        p.orders = 40000;
        p.cashEntries = 20000;
        p.vehicleRecords = 8000;
        p.equipment = 900;
        p.lubricants = 4000;
        p.ownFuel = 1500;
        break;
    case Size::M:
        // A quarter of L: the same company over its last three years, with
        // a quarter of its orders, cash entries and records.
        p.firstDay = QDate(p.today.year() - 2, 1, 2);
        p.tractors = 51;
        p.trailers = 27;
        p.cars = 2;
        p.employees = 200;
        p.drivers = 120;
        p.currencies = 12;
        p.partners = 30;
        p.orders = 10000;
        p.cashEntries = 5000;
        p.vehicleRecords = 2000;
        p.equipment = 225;
        p.lubricants = 1000;
        p.ownFuel = 375;
        break;
    case Size::S:
        // The demo: a small firm and its last month.
        p.firstDay = p.today.addDays(-30);
        p.tractors = 6;
        p.trailers = 4;
        p.cars = 1;
        p.employees = 14;
        p.drivers = 9;
        p.currencies = 6;
        p.partners = 10;
        p.orders = 30;
        p.cashEntries = 30;
        p.vehicleRecords = 30;
        p.equipment = 16;
        p.lubricants = 14;
        p.ownFuel = 4;
        break;
    }
    return p;
}

bool CompanyProfile::parseSize(const QString &text, Size *size)
{
    const QString t = text.trimmed().toUpper();
    if (t == u"S")
        *size = Size::S;
    else if (t == u"M")
        *size = Size::M;
    else if (t == u"L")
        *size = Size::L;
    else
        return false;
    return true;
}

QString CompanyProfile::sizeName(Size size)
{
    switch (size) {
    case Size::S:
        return QStringLiteral("S");
    case Size::M:
        return QStringLiteral("M");
    case Size::L:
        return QStringLiteral("L");
    }
    return {};
}

} // namespace kalvor::companygen
