#pragma once

#include "companygen/CompanyProfile.h"
#include "companygen/CompanyRandom.h"
#include "companygen/Fleet.h"
#include "companygen/OrderFactory.h"

namespace kalvor {
namespace db {
class Transaction;
}
namespace companygen {

// What the company records about its vehicles besides the orders: services,
// insurances and registrations (`VEVID`), equipment issued with them
// (`VZADUZENJA`), lubricants put into them (`VPOTROSNJA`) and fuel bought at
// its own pump (`RACUNI` rows of no order). Odometer readings come from the
// vehicles' journeys, so that a record agrees with the orders of its day.
class VehicleRecords
{
public:
    struct Counts
    {
        int records = 0, equipment = 0, lubricants = 0, ownFuel = 0;
    };

    VehicleRecords(const CompanyProfile &profile, const Fleet &fleet, const OrderFactory &orders,
                   CompanyRandom random);

    // Inserts everything in the write transaction.
    Counts write(db::Transaction &write);

private:
    void writeRecords(db::Transaction &write, Counts &counts);
    void writeEquipment(db::Transaction &write, Counts &counts);
    void writeLubricants(db::Transaction &write, Counts &counts);
    void writeOwnFuel(db::Transaction &write, Counts &counts);

    const CompanyProfile &m_profile;
    const Fleet &m_fleet;
    const OrderFactory &m_orders;
    CompanyRandom m_random;
    QVector<QDate> m_services; // per vehicle: the dates of its services (lubricants follow them)
    QVector<int> m_serviceVehicle;
};

} // namespace companygen
} // namespace kalvor
