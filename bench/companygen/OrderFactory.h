#pragma once

#include "companygen/CompanyProfile.h"
#include "companygen/CompanyRandom.h"
#include "companygen/Fleet.h"
#include "companygen/JourneyPlanner.h"
#include "companygen/ReferenceData.h"
#include "orders/TravelOrder.h"

#include <QDate>
#include <QHash>
#include <QPair>
#include <QVector>

namespace kalvor::companygen {

// Builds the company's travel orders one after another, in the order of
// their departures, as the clerks would have entered them: a free tractor
// and trailer with free drivers, the journey's sections, fuel and other
// receipts, advances, the rates of the accounting date copied into the
// order, a settlement method with its inputs and, for a part of the
// journeys abroad, the stays per country. The orders come with a label of
// their own (numbering per year of the accounting date) and no id.
class OrderFactory
{
public:
    // Fuel bought at the company's own pump between two journeys.
    struct OwnFuel
    {
        int vehicle = 0; // index into Fleet::vehicles()
        QDate date;
        double odometer = 0, litres = 0, amount = 0;
        QString currency, fuelType;
        int partner = -1; // index into Fleet::partners(), -1 for none
    };

    OrderFactory(const CompanyProfile &profile, const ReferenceData &reference, const Fleet &fleet,
                 CompanyRandom random);

    int count() const { return m_profile.orders; }
    // The k-th order, k from 0 to count() - 1, called in that order.
    TravelOrder build(int k);

    const QVector<OwnFuel> &ownFuel() const { return m_ownFuel; }
    // The odometer readings of a vehicle by date, ascending.
    double odometerAt(int vehicle, const QDate &date) const;

private:
    struct Resource
    {
        QDate free; // the first day it is free again
    };
    int pickFree(const QVector<int> &candidates, QVector<Resource> &state, const QDate &day);
    QVector<int> inService(int kind, const QDate &day) const;
    QVector<int> driversInService(const QDate &day) const;
    void addReceipts(TravelOrder &order, const Journey &journey, int vehicle, int trailer);
    void addAdvances(TravelOrder &order, const Journey &journey);
    void addSettlement(TravelOrder &order, const Journey &journey, bool multiCountry);
    void addStays(TravelOrder &order, const Journey &journey);
    EmployeeRef ref(int employee) const;

    const CompanyProfile &m_profile;
    const ReferenceData &m_reference;
    const Fleet &m_fleet;
    CompanyRandom m_random;
    JourneyPlanner m_planner;
    QVector<QDate> m_days; // the working days orders depart on
    QVector<Resource> m_vehicleState, m_employeeState;
    QVector<double> m_odometer, m_lastFuel, m_meter;
    QVector<QVector<QPair<QDate, double>>> m_history;
    QHash<int, int> m_labels; // last number per year
    QVector<OwnFuel> m_ownFuel;
};

} // namespace kalvor::companygen
