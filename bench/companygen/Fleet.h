#pragma once

#include "companygen/CompanyProfile.h"
#include "companygen/CompanyRandom.h"

#include <QChar>
#include <QDate>
#include <QString>
#include <QVector>

namespace kalvor {
namespace db {
class Transaction;
}
namespace companygen {

// The company's vehicles, employees and partners. Vehicles and employees
// come and go: each has the period in which it served, and only those in
// service at a date drive the orders of that date. Ids are drawn from the
// tables' generators when the fleet is written.
class Fleet
{
public:
    struct Vehicle
    {
        int id = -1;
        int kind = 0; // `VRSTA`: 0 tractor or lorry, 1 trailer, 2 car
        QString make, plate, garageNumber, chassis;
        double mass = 0, payload = 0, total = 0;
        bool refrigerated = false;
        int built = 0, registered = 0;
        QDate from, to; // in service
        double odometer = 0; // at the start of its service
    };
    struct Employee
    {
        int id = -1;
        QString name;
        bool driver = false;
        QString role;
        QString town, address, phone, idCard;
        int staffNumber = 0;
        QDate from, to;
    };
    struct Partner
    {
        int id = -1;
        QString name, place;
        QChar kind; // F fuel, S service, O insurance, R registration, T roads, P parts
        QString code;
    };

    Fleet(const CompanyProfile &profile, CompanyRandom random);

    // Inserts vehicles, employees and partners; the ids are kept here.
    void write(db::Transaction &write);

    const QVector<Vehicle> &vehicles() const { return m_vehicles; }
    const QVector<Employee> &employees() const { return m_employees; }
    const QVector<Partner> &partners() const { return m_partners; }

    static bool inService(const QDate &from, const QDate &to, const QDate &day) { return from <= day && day <= to; }
    // The partners of one kind.
    QVector<int> partnersOf(QChar kind) const;

private:
    QDate m_today;
    QVector<Vehicle> m_vehicles;
    QVector<Employee> m_employees;
    QVector<Partner> m_partners;
};

} // namespace companygen
} // namespace kalvor
