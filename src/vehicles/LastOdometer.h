#pragma once

namespace kalvor {

namespace db {
class Transaction;
}

// The last recorded odometer reading of a vehicle: the highest section
// reading (`DIONICE.STANJEKM`) of the orders that have the vehicle as their
// vehicle (not as their trailer), with that section's order.
struct OdometerReading
{
    double km = 0;
    int orderId = -1;   // -1: no reading
    bool found() const { return orderId != -1; }
};

// Runs in `transaction`; starts and commits it when it is not active.
OdometerReading LastOdometerReading(db::Transaction &transaction, int vehicleId);

} // namespace kalvor
