#include "vehicles/LastOdometer.h"

#include "core/db/Query.h"
#include "core/db/Transaction.h"

namespace kalvor {

OdometerReading LastOdometerReading(db::Transaction &transaction, int vehicleId)
{
    db::TransactionGuard guard(transaction);
    OdometerReading reading;
    {
        db::Query q(transaction, QStringLiteral("SELECT FIRST 1 STANJEKM,IDNALOG FROM DIONICE WHERE IDNALOG IN "
                                                "(SELECT IDNALOG FROM NALOZI WHERE VOZILOID=:IDV) "
                                                "ORDER BY STANJEKM DESC"));
        q.bind(QStringLiteral("IDV"), vehicleId);
        q.open();
        if (q.next()) {
            reading.km = q.value(0).toDouble();
            reading.orderId = q.value(1).toInt();
        }
    }
    guard.commit();
    return reading;
}

} // namespace kalvor
