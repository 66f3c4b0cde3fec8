#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace kalvor::companygen {

// The fixed material a generated company is made of: Croatian names and
// places, the countries its lorries drive through, the currencies it pays in,
// the partners it buys from, the makes of its vehicles and the wording of its
// orders and records. Chance decides which of them a company uses and how.

struct CurrencyEntry
{
    QString code;
    QString name;     // at most 20 characters
    double rate = 1;  // value of one unit in kuna at the start of the data
    double drift = 0; // the daily relative change at most
};

struct CountryEntry
{
    QString name; // at most 40 characters
    QString code; // at most 3 characters
    QString currency;   // of its daily allowance
    double allowance = 0; // daily allowance at the start of the data
    int weight = 0;       // how often a journey ends there (0: only by way of others)
    QString local;        // the currency of receipts paid there
    QStringList cities;
    QStringList via;      // the countries a journey from Croatia passes, in order
};

struct VehicleMake
{
    QString name; // make and model, at most 40 characters
    double mass = 0, payload = 0, total = 0; // kg
};

struct CompanyCatalogue
{
    // The accounting currency (kuna) first.
    static const QVector<CurrencyEntry> &currencies();
    // Croatia first.
    static const QVector<CountryEntry> &countries();
    static const QStringList &maleNames();
    static const QStringList &femaleNames();
    static const QStringList &surnames();
    static const QStringList &streets();
    static const QStringList &homeTowns();
    static const QStringList &plateAreas();
    static const QVector<VehicleMake> &tractorMakes();
    static const QVector<VehicleMake> &trailerMakes();
    static const QVector<VehicleMake> &carMakes();
    // Partners as "name|place|kind"; the kind says what they sell: F fuel,
    // S service, O insurance, R registration, T tolls and roads, P tyres and parts.
    static const QStringList &partners();
    static const QStringList &tasks();
    // Receipts other than fuel: description and the range of the amount in euro.
    struct Expense
    {
        QString description;
        double low = 0, high = 0;
    };
    static const QVector<Expense> &expenses();
    static const QStringList &fuelKinds();
    static const QStringList &officeRoles();
    static const QStringList &serviceWorks();
    static const QStringList &equipmentItems();
    static const QString &companyName();
    static const QString &companyTown();
    static const QString &companyAddress();
};

} // namespace kalvor::companygen
