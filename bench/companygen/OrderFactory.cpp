#include "companygen/OrderFactory.h"

#include "companygen/CompanyCatalogue.h"
#include "core/Amounts.h"
#include "reference/StayText.h"

#include <algorithm>
#include <cmath>

namespace kalvor::companygen {

namespace {

double cents(double v)
{
    return std::round(v * 100.0) / 100.0;
}

// A number as the editor's fields hold it: a comma, no grouping.
QString fieldText(double v, int decimals = 2)
{
    return QString::number(v, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(','));
}

TachoDuration duration(qint64 minutes)
{
    TachoDuration d;
    d.daysText = QString::number(minutes / (24 * 60));
    d.time = QTime(0, 0).addSecs((minutes % (24 * 60)) * 60);
    return d;
}

qint64 minutesOf(const QTime &t)
{
    return t.msecsSinceStartOfDay() / 60000;
}

} // namespace

OrderFactory::OrderFactory(const CompanyProfile &profile, const ReferenceData &reference, const Fleet &fleet,
                           CompanyRandom random)
    : m_profile(profile)
    , m_reference(reference)
    , m_fleet(fleet)
    , m_random(random)
    , m_planner(reference, CompanyCatalogue::companyTown())
{
    for (QDate d = profile.firstDay; d < profile.today; d = d.addDays(1)) {
        if (d.dayOfWeek() <= 5)
            m_days << d;
    }
    const QVector<Fleet::Vehicle> &vehicles = fleet.vehicles();
    m_vehicleState.resize(vehicles.size());
    m_employeeState.resize(fleet.employees().size());
    m_history.resize(vehicles.size());
    for (const Fleet::Vehicle &v : vehicles) {
        m_odometer << v.odometer;
        m_lastFuel << 0.0;
        m_meter << (v.refrigerated ? std::round(m_random.real(500, 9000)) : 0.0);
    }
}

QVector<int> OrderFactory::inService(int kind, const QDate &day) const
{
    QVector<int> list;
    const QVector<Fleet::Vehicle> &vehicles = m_fleet.vehicles();
    for (qsizetype i = 0; i < vehicles.size(); ++i) {
        const Fleet::Vehicle &v = vehicles.at(i);
        if (v.kind == kind && Fleet::inService(v.from, v.to, day))
            list << int(i);
    }
    return list;
}

QVector<int> OrderFactory::driversInService(const QDate &day) const
{
    QVector<int> list;
    const QVector<Fleet::Employee> &employees = m_fleet.employees();
    for (qsizetype i = 0; i < employees.size(); ++i) {
        const Fleet::Employee &e = employees.at(i);
        if (e.driver && Fleet::inService(e.from, e.to, day))
            list << int(i);
    }
    return list;
}

// One of the candidates that is free on the day, by chance; when all are
// away, the one that comes back first.
int OrderFactory::pickFree(const QVector<int> &candidates, QVector<Resource> &state, const QDate &day)
{
    QVector<int> free;
    int soonest = candidates.isEmpty() ? -1 : candidates.first();
    for (int c : candidates) {
        if (!state.at(c).free.isValid() || state.at(c).free <= day)
            free << c;
        else if (state.at(c).free < state.at(soonest).free)
            soonest = c;
    }
    return free.isEmpty() ? soonest : m_random.pick(free);
}

EmployeeRef OrderFactory::ref(int employee) const
{
    const Fleet::Employee &e = m_fleet.employees().at(employee);
    return {e.id, e.name, true};
}

double OrderFactory::odometerAt(int vehicle, const QDate &date) const
{
    const QVector<QPair<QDate, double>> &h = m_history.at(vehicle);
    const auto it = std::upper_bound(h.begin(), h.end(), date,
                                     [](const QDate &d, const QPair<QDate, double> &p) { return d < p.first; });
    if (it == h.begin())
        return m_fleet.vehicles().at(vehicle).odometer;
    return std::prev(it)->second;
}

TravelOrder OrderFactory::build(int k)
{
    const QDate day = m_days.at(int(qint64(k) * m_days.size() / m_profile.orders));
    TravelOrder o;

    // Vehicle and trailer: a car now and then for a short job at home.
    const int home = m_reference.countryIndex(QStringLiteral("Hrvatska"));
    int destination = m_planner.pickDestination(m_random);
    QVector<int> cars = inService(2, day);
    const bool byCar = destination == home && !cars.isEmpty() && m_random.chance(0.1);
    const int vehicle = pickFree(byCar ? cars : inService(0, day), m_vehicleState, day);
    const QVector<int> trailers = inService(1, day);
    const int trailer = !byCar && !trailers.isEmpty() && m_random.chance(0.85)
        ? pickFree(trailers, m_vehicleState, day) : -1;
    const Fleet::Vehicle &v = m_fleet.vehicles().at(vehicle);

    // Now and then the lorry was driven without an order before (the order
    // register shows the gap), or filled up at the company's pump.
    double start = m_odometer.at(vehicle);
    if (m_random.chance(0.04))
        start += std::round(m_random.real(20, 400));
    if (m_random.chance(double(m_profile.ownFuel) / m_profile.orders) && m_lastFuel.at(vehicle) > 0) {
        OwnFuel f;
        f.vehicle = vehicle;
        f.date = day.addDays(-1);
        f.odometer = start;
        f.litres = cents(std::max(20.0, (start - m_lastFuel.at(vehicle)) * m_random.real(0.28, 0.34)));
        f.currency = m_reference.accountingCurrency();
        f.amount = cents(m_reference.fromEuro(f.litres * m_random.real(1.15, 1.45), f.currency, f.date));
        f.fuelType = m_random.pick(CompanyCatalogue::fuelKinds());
        const QVector<int> fuel = m_fleet.partnersOf(QLatin1Char('F'));
        f.partner = fuel.isEmpty() ? -1 : fuel.first();
        m_lastFuel[vehicle] = start;
        m_ownFuel << f;
    }

    const Journey j = m_planner.plan(m_random, destination, day, start, trailer >= 0);
    const bool returned = j.ret.date() < m_profile.today;

    o.place = CompanyCatalogue::companyTown();
    o.orderDate = day.addDays(-m_random.between(0, 3));
    o.accountingDate = returned ? std::min(m_profile.today, j.ret.date().addDays(m_random.between(1, 8))) : day;
    o.vehicleId = v.id;
    o.trailerId = trailer >= 0 ? m_fleet.vehicles().at(trailer).id : -1;
    o.vehicleMass = QString::number(v.mass, 'f', 0);
    o.vehiclePayload = QString::number(v.payload, 'f', 0);
    o.vehicleTotal = QString::number(v.total, 'f', 0);
    if (trailer >= 0) {
        const Fleet::Vehicle &t = m_fleet.vehicles().at(trailer);
        o.trailerMass = QString::number(t.mass, 'f', 0);
        o.trailerPayload = QString::number(t.payload, 'f', 0);
        o.trailerTotal = QString::number(t.total, 'f', 0);
    }
    o.relation = j.relation;
    o.task = m_random.pick(CompanyCatalogue::tasks());
    o.departureDate = j.departure.date();
    o.departureTime = j.departure.time().toString(QStringLiteral("HH:mm"));
    o.returnDefined = returned;
    o.returnDate = returned ? j.ret.date() : o.departureDate;
    o.returnTime = returned ? j.ret.time().toString(QStringLiteral("HH:mm")) : QStringLiteral("00:00");

    const ReferenceData::Country &country = m_reference.countries().at(destination);
    o.country = country.entry->name;
    const ReferenceData::Allowance allowance = m_reference.allowanceAt(destination, o.accountingDate);
    o.allowanceAmount = fieldText(allowance.amount);
    o.allowanceCurrency = allowance.currency;

    // The tachograph's totals are the sections' totals.
    qint64 times[6] = {0, 0, 0, 0, 0, 0};
    double km[6] = {0, 0, 0, 0, 0, 0};
    for (const SectionRow &s : j.sections) {
        km[0] += s.tractorLoaded;
        km[1] += s.tractorEmpty;
        km[2] += s.tractorTkm;
        km[3] += s.trailerLoaded;
        km[4] += s.trailerEmpty;
        km[5] += s.trailerTkm;
        const QTime *t[6] = {&s.driving, &s.waiting, &s.loading, &s.breakdowns, &s.rests, &s.stops};
        for (int i = 0; i < 6; ++i)
            times[i] += minutesOf(*t[i]);
    }
    for (int i = 0; i < 6; ++i) {
        o.tachoKm[i] = km[i] == 0 ? QString() : QString::number(km[i], 'f', 0);
        o.tachoTimes[i] = duration(times[i]);
    }
    if (trailer >= 0 && m_fleet.vehicles().at(trailer).refrigerated) {
        o.refrigerationStart = fieldText(m_meter.at(trailer), 1);
        m_meter[trailer] += std::round(10.0 * m_random.real(10, 20) * (j.departure.daysTo(j.ret) + 1)) / 10.0;
        o.refrigerationEnd = fieldText(m_meter.at(trailer), 1);
    }
    o.baseCurrency = m_reference.accountingCurrency();
    o.altCurrency = m_reference.hasCurrency(QStringLiteral("EUR")) ? QStringLiteral("EUR") : QString();
    o.twoCurrencies = !o.altCurrency.isEmpty() && m_random.chance(0.08);

    // The crew: a driver, on long journeys often a second one, now and then
    // a co-driver, and for loading at home a warehouseman or two.
    const QVector<int> drivers = driversInService(day);
    const int first = pickFree(drivers, m_employeeState, day);
    o.drivers[0] = ref(first);
    QVector<int> busy{first};
    auto another = [&](const QVector<int> &from) {
        QVector<int> rest;
        for (int e : from) {
            if (!busy.contains(e))
                rest << e;
        }
        if (rest.isEmpty())
            return -1;
        const int e = pickFree(rest, m_employeeState, day);
        busy << e;
        return e;
    };
    const bool far = j.departure.daysTo(j.ret) >= 4;
    if (far && m_random.chance(0.15)) {
        if (const int e = another(drivers); e >= 0)
            o.drivers[1] = ref(e);
    }
    if (m_random.chance(0.07)) {
        if (const int e = another(drivers); e >= 0)
            o.coDrivers[0] = ref(e);
    }
    if (m_random.chance(destination == home ? 0.4 : 0.04)) {
        QVector<int> loaders;
        const QVector<Fleet::Employee> &employees = m_fleet.employees();
        for (qsizetype i = 0; i < employees.size(); ++i) {
            const Fleet::Employee &e = employees.at(i);
            if (!e.driver && (e.role == u"Utovarivač" || e.role == u"Skladištar") && Fleet::inService(e.from, e.to, day))
                loaders << int(i);
        }
        for (int n = m_random.between(1, 2); n > 0; --n) {
            if (const int e = another(loaders); e >= 0)
                o.loaders << ref(e);
        }
    }
    const QDate freeAgain = (returned ? j.ret.date() : m_profile.today).addDays(1);
    for (int e : busy)
        m_employeeState[e].free = freeAgain;
    m_vehicleState[vehicle].free = freeAgain;
    if (trailer >= 0)
        m_vehicleState[trailer].free = freeAgain;

    o.sections = j.sections;
    addReceipts(o, j, vehicle, trailer);
    addAdvances(o, j);

    // The rate list of the accounting date copied into the order, as a new
    // order does.
    for (const ListedRate &r : m_reference.ratesAt(o.accountingDate))
        o.rates.append({r.currency, FormatRate(r.rate)});

    const bool multiCountry = returned && destination != home && m_random.chance(0.3);
    if (multiCountry)
        addStays(o, j);
    addSettlement(o, j, multiCountry);

    const int year = o.accountingDate.year();
    o.label = QStringLiteral("%1/%2").arg(++m_labels[year]).arg(year);

    m_odometer[vehicle] = j.endKm();
    m_history[vehicle].append({o.departureDate, j.startKm()});
    m_history[vehicle].append({o.returnDate, j.endKm()});
    return o;
}

void OrderFactory::addReceipts(TravelOrder &o, const Journey &j, int vehicle, int trailer)
{
    const QVector<ReferenceData::Country> &countries = m_reference.countries();
    const QVector<int> fuelPartners = m_fleet.partnersOf(QLatin1Char('F'));
    const QVector<int> roadPartners = m_fleet.partnersOf(QLatin1Char('T'));
    auto number = [this] { return QStringLiteral("%1-%2").arg(m_random.between(1, 99)).arg(m_random.between(1000, 99999)); };

    // Fuel: the tank filled up every 700 to 1 100 km, at the place the lorry
    // is at, with the litres driven since the last fill-up.
    int fuelCount = 0;
    double threshold = m_random.real(700, 1100);
    for (const Journey::Point &p : j.points) {
        const double since = p.odometer - m_lastFuel.at(vehicle);
        if (m_lastFuel.at(vehicle) > 0 && since < threshold)
            continue;
        Receipt r;
        r.date = p.date;
        r.fuel = Receipt::Tank;
        r.odometer = p.odometer;
        r.litres = cents(m_lastFuel.at(vehicle) > 0 ? since * m_random.real(0.28, 0.35) : m_random.real(300, 650));
        r.currency = m_reference.paidIn(countries.at(p.country).entry->local);
        r.amount = cents(m_reference.fromEuro(r.litres * m_random.real(1.15, 1.65), r.currency, r.date));
        r.fuelType = m_random.pick(CompanyCatalogue::fuelKinds());
        r.place = p.place;
        r.number = number();
        r.description = QStringLiteral("Gorivo");
        if (!fuelPartners.isEmpty() && m_random.chance(0.7)) {
            r.payment = Receipt::Company;
            const Fleet::Partner &partner = m_fleet.partners().at(m_random.pick(fuelPartners));
            r.partnerId = partner.id;
            r.inFavourOf = partner.name;
        } else {
            r.inFavourOf = QStringLiteral("Benzinska postaja ") + p.place;
        }
        o.receipts << r;
        m_lastFuel[vehicle] = p.odometer;
        threshold = m_random.real(700, 1100);
        ++fuelCount;
    }
    if (trailer >= 0 && m_fleet.vehicles().at(trailer).refrigerated && m_random.chance(0.5)) {
        const Journey::Point &p = j.points.at(j.points.size() / 2);
        Receipt r;
        r.date = p.date;
        r.fuel = Receipt::Refrigeration;
        r.odometer = p.odometer;
        r.litres = cents(m_random.real(40, 160));
        r.currency = m_reference.paidIn(countries.at(p.country).entry->local);
        r.amount = cents(m_reference.fromEuro(r.litres * m_random.real(1.15, 1.65), r.currency, r.date));
        r.fuelType = QStringLiteral("Eurodiesel");
        r.place = p.place;
        r.number = number();
        r.description = QStringLiteral("Gorivo za rashladni uređaj");
        r.inFavourOf = QStringLiteral("Benzinska postaja ") + p.place;
        o.receipts << r;
        ++fuelCount;
    }

    // Twice as many other receipts: tolls, parking, ferries and the like,
    // paid where the lorry was.
    const int others = std::max(0, 2 * fuelCount + m_random.between(-1, 1));
    const QVector<CompanyCatalogue::Expense> &expenses = CompanyCatalogue::expenses();
    for (int i = 0; i < others; ++i) {
        const Journey::Point &p = j.points.at(m_random.between(1, int(j.points.size()) - 1));
        const CompanyCatalogue::Expense &e = m_random.pick(expenses);
        Receipt r;
        r.date = p.date;
        r.description = e.description;
        r.currency = m_reference.paidIn(countries.at(p.country).entry->local);
        r.amount = cents(m_reference.fromEuro(m_random.real(e.low, e.high), r.currency, r.date));
        r.place = p.place;
        r.number = number();
        if (e.description == u"Cestarina" && !roadPartners.isEmpty() && m_random.chance(0.3)) {
            r.payment = Receipt::Company;
            const Fleet::Partner &partner = m_fleet.partners().at(m_random.pick(roadPartners));
            r.partnerId = partner.id;
            r.inFavourOf = partner.name;
        } else {
            r.inFavourOf = p.place;
        }
        o.receipts << r;
    }
    std::stable_sort(o.receipts.begin(), o.receipts.end(),
                     [](const Receipt &a, const Receipt &b) { return a.date < b.date; });
}

void OrderFactory::addAdvances(TravelOrder &o, const Journey &j)
{
    const bool abroad = j.destination != m_reference.countryIndex(QStringLiteral("Hrvatska"));
    const QString euro = m_reference.hasCurrency(QStringLiteral("EUR")) ? QStringLiteral("EUR")
                                                                         : m_reference.accountingCurrency();
    auto advance = [&](const EmployeeRef &e, const QString &currency, double amount) {
        Advance a;
        a.employeeId = e.id;
        a.employeeName = e.name;
        a.date = o.orderDate;
        a.amount = amount;
        a.currency = currency;
        o.advances << a;
    };
    if (abroad) {
        if (m_random.chance(0.85))
            advance(o.drivers[0], euro, m_random.stepped(150, 1000, 50));
        if (m_random.chance(0.2))
            advance(o.drivers[0], m_reference.accountingCurrency(), m_random.stepped(300, 1500, 100));
        if (!o.drivers[1].isEmpty() && m_random.chance(0.6))
            advance(o.drivers[1], euro, m_random.stepped(100, 500, 50));
        if (!o.coDrivers[0].isEmpty() && m_random.chance(0.4))
            advance(o.coDrivers[0], euro, m_random.stepped(100, 400, 50));
    } else if (m_random.chance(0.5)) {
        advance(o.drivers[0], m_reference.accountingCurrency(), m_random.stepped(200, 800, 50));
    }
}

void OrderFactory::addStays(TravelOrder &o, const Journey &j)
{
    QVector<Stay> stays;
    for (const Journey::CountryStay &s : j.stays) {
        const ReferenceData::Allowance a = m_reference.allowanceAt(s.country, o.accountingDate);
        const StayRate rate{m_reference.countries().at(s.country).entry->name, a.amount, a.currency};
        stays << Stay::fromEntryExit(rate, s.entry, s.exit);
    }
    o.multiCountryText = WriteStayText(stays);
}

void OrderFactory::addSettlement(TravelOrder &o, const Journey &j, bool multiCountry)
{
    SettlementInputs &s = o.settlement;
    const QString accounting = m_reference.accountingCurrency();
    const QString euro = m_reference.hasCurrency(QStringLiteral("EUR")) ? QStringLiteral("EUR") : accounting;
    const double roll = m_random.real(0, 1);
    if (multiCountry && roll < 0.75)
        s.method = MultiCountry;
    else if (roll < 0.25)
        s.method = ByKilometres;
    else if (roll < 0.4)
        s.method = ByPercentage;
    else if (roll < 0.55)
        s.method = FixedFee;
    else
        s.method = ByAllowances;

    // What a new order starts with, then the inputs of the chosen method.
    s.kmCurrency = s.totalCurrency = s.fixedFeeCurrency = s.fixedTotalCurrency = accounting;
    s.pricePerKm = QStringLiteral("0,18");
    s.percentage = QStringLiteral("15");
    const double km = j.kilometres;
    switch (s.method) {
    case ByKilometres:
        s.kmCurrency = euro;
        s.pricePerKm = fieldText(m_random.stepped(0.04, 0.09, 0.005), 3);
        break;
    case ByPercentage:
        s.totalCurrency = euro;
        s.totalPrice = fieldText(std::min(9999.0, std::round(km * m_random.real(1.05, 1.35))));
        s.percentage = QString::number(m_random.between(10, 18));
        break;
    case FixedFee:
        s.fixedTotalCurrency = euro;
        s.fixedTotal = fieldText(std::min(9999.0, std::round(km * m_random.real(1.1, 1.3))));
        s.fixedFeeCurrency = euro;
        s.fixedFee = fieldText(m_random.stepped(80, 400, 10));
        break;
    default:
        break;
    }
    const bool earning = s.method <= FixedFee;
    s.onlyFirstEarns = earning && m_random.chance(0.5);
    s.allowanceFirst = earning && m_random.chance(0.7);
    s.allowanceOthers = earning && m_random.chance(0.5);
}

} // namespace kalvor::companygen
