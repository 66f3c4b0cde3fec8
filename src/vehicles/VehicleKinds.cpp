#include "vehicles/VehicleKinds.h"

namespace kalvor {

const QStringList &vehicleKindItems()
{
    static const QStringList items{QStringLiteral("Kamion"), QStringLiteral("Priključno vozilo"),
                                   QStringLiteral("Osobno vozilo"), QStringLiteral("Autobus")};
    return items;
}

const QStringList &vehicleFilterItems()
{
    static const QStringList items{QStringLiteral("Kamioni"),       QStringLiteral("Priključna vozila"),
                                   QStringLiteral("Osobna vozila"), QStringLiteral("Autobusi"),
                                   QStringLiteral("Ostao"),         QStringLiteral("Sva vozila")};
    return items;
}

QString vehicleKindFilterText(int code)
{
    if (code < 0 || code >= VehicleKind::AllKinds)
        return {};
    return vehicleFilterItems().at(code);
}

} // namespace kalvor
