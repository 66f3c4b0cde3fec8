#pragma once

#include "orders/Blagajna.h"
#include "orders/RouteSections.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVector>

namespace kalvor {

// An employee on an order: a driver or co-driver slot, a loader, the
// employee of an advance. `listed` tells whether the reference is an entry of
// the editor's employee list; a stored employee that is no longer offered
// (inactive, renamed) keeps the stored id and name, which are written back
// unchanged.
struct EmployeeRef
{
    int id = -1;
    QString name;
    bool listed = false;

    bool isEmpty() const { return id < 0 && name.isEmpty(); }
    bool operator==(const EmployeeRef &o) const { return id == o.id && name == o.name; }
};

// An entry of an employee choice list of the editor.
struct EmployeeEntry
{
    int id = -1;
    QString name;
};

// The employee lists an order is matched against when it is loaded: the
// drivers (driver slots) and all employees (co-drivers and loaders).
struct OrderEmployeeLists
{
    QVector<EmployeeEntry> drivers;
    QVector<EmployeeEntry> employees;
};

// An advance paid to an employee of the order (`AKONTACIJA`).
struct Advance
{
    int id = -1; // `IDAKONTACIJA`; -1 while not stored
    int employeeId = -1;
    QString employeeName;
    QDate date;  // an invalid date is written as today
    double amount = 0;
    QString currency;
};

// A receipt paid on the way (`RACUNI`).
struct Receipt
{
    enum Payment { Cash = 0, Company = 1 };
    enum Fuel { NoFuel = 0, Tank = 1, Refrigeration = 2, Lubricant = 3 };

    int id = -1; // `IDRAC`; -1 while not stored
    QDate date;  // an invalid date is written as today
    QString number;
    double amount = 0;
    QString currency;
    int payment = Cash;
    int fuel = NoFuel;
    QString inFavourOf; // "U korist"
    QString description;
    QString place;
    int partnerId = -1;
    double odometer = 0; // at refuelling
    double litres = 0;
    QString fuelType;    // "Vrsta" of fuel

    bool isFuel() const { return fuel != NoFuel; }
};

// One fixed exchange rate of the order (`NALOGVALUTA`): the rate as its text
// in the rate table; an empty text fixes no rate.
struct OrderRate
{
    QString currency;
    QString rateText;
};

// A tachograph duration: a count of days (as typed; a non-number counts as 0)
// and the time of day.
struct TachoDuration
{
    QString daysText;
    QTime time{0, 0};
};

// Settlement methods (`NACINOBRACUNA`).
enum SettlementMethod {
    ByKilometres = 0,   // "Prema kilometrima"
    ByPercentage = 1,   // "Prema postotku"
    FixedFee = 2,       // "Fiksni iznos naknade"
    ByAllowances = 3,   // "Prema dnevnicama"
    MultiCountry = 4,   // "Dnevnice - više država"
};

// The settlement inputs of an order (`OBRACUN`). Amounts are the texts of the
// editor's fields; an empty text reads as 0 but is also what a proposal fills.
struct SettlementInputs
{
    int method = ByAllowances;
    QString kmCurrency;         // `VALUTAKM`
    QString pricePerKm;         // `CIJENAKM`
    QString totalCurrency;      // `VALUTAALL`
    QString totalPrice;         // `CIJENAALL`
    QString percentage;         // `POSTOTAK`
    QString fixedFeeCurrency;   // `FIXVALUTA`
    QString fixedFee;           // `FIXVAL`
    QString fixedTotalCurrency; // `FIXALLVALUTA`
    QString fixedTotal;         // `FIKSALL`
    bool onlyFirstEarns = false;  // `SAMOVOZAC`
    bool allowanceFirst = false;  // `DNEVNICAVOZAC`
    bool allowanceOthers = false; // `DNEVNICAOSTALI`
};

// A travel order with everything that hangs on it, as the editor works on it
// between opening and saving. Only inputs are held; allowances and the
// settlement are computed from them.
struct TravelOrder
{
    // Header (`NALOZI`).
    int id = -1; // -1 until the first successful save
    QString label;
    QString place;
    QDate orderDate;
    QDate accountingDate;
    QDateTime entryTime;   // `DATVRIUNOSA`: the server's time at the first save
    QDateTime changeTime;  // `DATVRIPROMJENE`
    int vehicleId = -1;
    int trailerId = -1;    // -1: no trailer
    QString vehicleMass, vehiclePayload, vehicleTotal;
    QString trailerMass, trailerPayload, trailerTotal;
    QString relation;
    QString task;
    QDate departureDate;
    QString departureTime = QStringLiteral("00:00");
    QDate returnDate;
    QString returnTime = QStringLiteral("00:00");
    bool returnDefined = true;         // "Povratak definiran"
    bool durationFromSections = false; // "Odredi prema dionicama"
    QString country;                   // `DRZAVADNEVNICE`: the country's name
    QString allowanceAmount;           // `DNEV1IZNOS` as typed
    QString allowanceCurrency;         // `DNEV1VAL`, empty when none is chosen
    // Tachograph kilometres and tonne-kilometres: tractor loaded, empty,
    // tonne-km, then trailer loaded, empty, tonne-km.
    QString tachoKm[6];
    // Tachograph times: driving, waiting, loading, breakdowns, rests, stops.
    TachoDuration tachoTimes[6];
    QString refrigerationStart, refrigerationEnd;
    bool twoCurrencies = false; // `MULTIVAL`
    QString baseCurrency;       // `VAL1`
    QString altCurrency;        // `VAL2`, empty when none is chosen

    // Crew: driver 1 and 2, co-driver 1 and 2, and the loaders.
    EmployeeRef drivers[2];
    EmployeeRef coDrivers[2];
    QVector<EmployeeRef> loaders;

    QVector<Advance> advances;
    QVector<Receipt> receipts;
    QVector<SectionRow> sections;
    QVector<OrderRate> rates;
    SettlementInputs settlement;
    QString multiCountryText; // `OMD.DATA`
    QVector<Blagajna> cash;

    // Ids of stored rows the user removed; -1 entries are skipped on saving.
    QVector<int> deletedAdvances;
    QVector<int> deletedReceipts;
    QVector<int> deletedSections;
    QVector<int> deletedCash;

    bool isNew() const { return id < 0; }

    // Removing rows: a stored row's id goes into its deleted-row list.
    void removeAdvance(int index);
    void removeReceipt(int index);
    void removeSection(int index);
    void removeCashEntry(int index);
    // The cash list takes an id into its deleted-row list only once; returns
    // false when it was there already.
    bool addDeletedCash(int id);
    void clearDeletedLists();

    // The employees of the order without repetition, in the fixed order
    // driver 1, driver 2, co-driver 1, co-driver 2, then the loaders.
    QVector<EmployeeRef> employees() const;

    // Departure and return moments: the dates with the time texts read as
    // time entries; the return is invalid when it is not defined.
    QDateTime departure() const;
    QDateTime returnMoment() const;

    // The rate text fixed for a currency, empty when none is.
    QString rateText(const QString &currency) const;
    // The currencies used by the order without repetition: every advance's,
    // every receipt's and the allowance currency; empty codes are skipped.
    QStringList usedCurrencies() const;
    // The used currencies without a rate in the rate table.
    QStringList currenciesWithoutRate() const;

    // Turns a loaded order into the start of a new one based on it: no id,
    // no label, its advances, receipts and sections as new rows, no cash
    // entries (the source's money movements stay the source's), empty
    // deleted-row lists.
    void makeCopy();
};

} // namespace kalvor
