#include "companygen/VehicleRecords.h"

#include "companygen/CompanyCatalogue.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"

#include <QMap>
#include <algorithm>
#include <cmath>

namespace kalvor::companygen {

namespace {

struct Record
{
    int tip = 0, subtype = 0, vehicle = 0;
    QDate date;
    QDateTime at;
    QDate due;
    double km = 0, nextKm = 0, amount = 0, hours = 0;
    QString company, person, employee, details, summary, invoice;
    int rbr = 0;
};

double cents(double v)
{
    return std::round(v * 100.0) / 100.0;
}

QString personName(CompanyRandom &random)
{
    return random.pick(CompanyCatalogue::maleNames()) + QLatin1Char(' ') + random.pick(CompanyCatalogue::surnames());
}

// The first day records are kept: the demo company has a year of history.
QDate recordsStart(const CompanyProfile &p)
{
    return p.size == CompanyProfile::Size::S ? p.firstDay.addDays(-365) : p.firstDay;
}

} // namespace

VehicleRecords::VehicleRecords(const CompanyProfile &profile, const Fleet &fleet, const OrderFactory &orders,
                               CompanyRandom random)
    : m_profile(profile), m_fleet(fleet), m_orders(orders), m_random(random)
{
}

VehicleRecords::Counts VehicleRecords::write(db::Transaction &write)
{
    write.ensureStarted();
    Counts counts;
    writeRecords(write, counts);
    writeEquipment(write, counts);
    writeLubricants(write, counts);
    writeOwnFuel(write, counts);
    return counts;
}

void VehicleRecords::writeRecords(db::Transaction &write, Counts &counts)
{
    const QVector<Fleet::Vehicle> &vehicles = m_fleet.vehicles();
    const QDate first = recordsStart(m_profile);
    const QVector<int> service = m_fleet.partnersOf(QLatin1Char('S'));
    const QVector<int> insurers = m_fleet.partnersOf(QLatin1Char('O'));
    const QVector<int> stations = m_fleet.partnersOf(QLatin1Char('R'));
    auto company = [&](const QVector<int> &kind, const char *fallback) {
        return kind.isEmpty() ? QString::fromUtf8(fallback) : m_fleet.partners().at(m_random.pick(kind)).name;
    };

    // Vehicle-years first: each brings a registration and one or two
    // insurances; services share the rest of the records.
    double vehicleYears = 0;
    for (const Fleet::Vehicle &v : vehicles)
        vehicleYears += std::max<qint64>(0, std::max(first, v.from).daysTo(std::min(m_profile.today, v.to))) / 365.0;
    const double perYearFixed = 2.5;
    const double servicesPerYear =
        std::max(1.0, (m_profile.vehicleRecords - vehicleYears * perYearFixed) / std::max(1.0, vehicleYears));

    QVector<Record> records;
    const QVector<Fleet::Employee> &employees = m_fleet.employees();
    auto someEmployee = [&](const QDate &d) {
        for (int tries = 0; tries < 20; ++tries) {
            const Fleet::Employee &e = m_random.pick(employees);
            if (e.driver && Fleet::inService(e.from, e.to, d))
                return e.name;
        }
        return employees.first().name;
    };
    for (qsizetype vi = 0; vi < vehicles.size(); ++vi) {
        const Fleet::Vehicle &v = vehicles.at(vi);
        const QDate from = std::max(first, v.from);
        const QDate to = std::min(m_profile.today, v.to);
        if (from > to)
            continue;
        auto base = [&](int tip, const QDate &d) {
            Record r;
            r.tip = tip;
            r.vehicle = int(vi);
            r.date = d;
            r.at = QDateTime(d, QTime(m_random.between(7, 15), m_random.between(0, 3) * 15), Qt::UTC);
            r.km = v.kind == 1 ? 0 : std::round(m_orders.odometerAt(int(vi), d));
            r.employee = someEmployee(d);
            r.invoice = QStringLiteral("%1-%2/%3").arg(m_random.between(1, 999)).arg(m_random.between(1, 9)).arg(d.year());
            return r;
        };
        // Registration and insurance on the anniversary of the purchase.
        for (QDate d = QDate(from.year(), v.from.month(), std::min(v.from.day(), 28)); d <= to; d = d.addYears(1)) {
            if (d < from)
                continue;
            Record reg = base(2, d);
            reg.subtype = v.kind == 1 && m_random.chance(0.3) ? 1 : 0;
            reg.due = d.addYears(1);
            reg.company = company(stations, "Stanica za tehnički pregled");
            reg.person = personName(m_random);
            reg.amount = cents(m_random.real(900, 4200));
            reg.summary = reg.subtype == 0 ? QStringLiteral("Godišnja registracija") : QStringLiteral("Periodički pregled");
            reg.details = QStringLiteral("Tehnički pregled i registracija, ") + v.plate;
            records << reg;

            Record ins = base(1, d.addDays(-m_random.between(0, 15)));
            ins.subtype = v.kind == 1 ? 0 : (m_random.chance(0.4) ? 2 : 0);
            ins.due = ins.date.addYears(1);
            ins.company = company(insurers, "Osiguranje");
            ins.person = personName(m_random);
            ins.amount = cents(m_random.real(2500, 14000));
            ins.summary = QStringLiteral("Polica %1").arg(m_random.between(100000, 999999));
            ins.details = QStringLiteral("Osiguranje vozila %1 za razdoblje %2 - %3")
                              .arg(v.plate, ins.date.toString(QStringLiteral("dd.MM.yyyy")),
                                   ins.due.toString(QStringLiteral("dd.MM.yyyy")));
            records << ins;
            if (v.kind != 1 && ins.subtype == 0 && m_random.chance(0.5)) {
                Record kasko = ins;
                kasko.subtype = 1;
                kasko.amount = cents(m_random.real(4000, 18000));
                kasko.summary = QStringLiteral("Kasko polica %1").arg(m_random.between(100000, 999999));
                records << kasko;
            }
        }
        // Services every few months.
        const double gap = 365.0 / servicesPerYear;
        for (QDate d = from.addDays(m_random.between(5, int(gap))); d <= to;
             d = d.addDays(std::max(7, int(gap * m_random.real(0.6, 1.4))))) {
            Record s = base(0, d);
            s.company = company(service, "Autoservis");
            s.person = personName(m_random);
            s.hours = std::round(m_random.real(1, 12) * 2) / 2;
            s.amount = cents(m_random.real(600, 24000));
            s.details = m_random.pick(CompanyCatalogue::serviceWorks());
            s.summary = s.details.section(QLatin1Char(' '), 0, 2);
            if (m_random.chance(0.8))
                s.due = d.addDays(180);
            if (v.kind != 1 && m_random.chance(0.7))
                s.nextKm = s.km + m_random.stepped(30000, 60000, 5000);
            records << s;
            m_services << d;
            m_serviceVehicle << int(vi);
        }
    }

    // Running numbers per kind: the records of that kind that happened
    // earlier, plus one.
    for (int tip = 0; tip < 3; ++tip) {
        QVector<Record *> ofKind;
        for (Record &r : records) {
            if (r.tip == tip)
                ofKind << &r;
        }
        std::stable_sort(ofKind.begin(), ofKind.end(), [](const Record *a, const Record *b) { return a->at < b->at; });
        for (qsizetype i = 0; i < ofKind.size(); ++i)
            ofKind[i]->rbr = int(i > 0 && ofKind[i]->at == ofKind[i - 1]->at ? ofKind[i - 1]->rbr : i + 1);
    }

    db::Query q(write, QStringLiteral(
        "INSERT INTO VEVID (DATVRI,TIP,PODTIP,DATUM,DOD,DDO,STANJEKM,IZNOS,RACUN,PDV,SATI,FIRMA,SERVISER,DJELATNIK,"
        "OPIS,OPIS2,STANJEKM2,VOZILO,REGOZNAKA,VOZILOID,UNIO,RBR) VALUES (:DATVRI,:TIP,:PODTIP,:DATUM,:DOD,:DDO,"
        ":STANJEKM,:IZNOS,:RACUN,:PDV,:SATI,:FIRMA,:SERVISER,:DJELATNIK,:OPIS,:OPIS2,:STANJEKM2,:VOZILO,:REGOZNAKA,"
        ":VOZILOID,'',:RBR)"));
    for (const Record &r : records) {
        const Fleet::Vehicle &v = vehicles.at(r.vehicle);
        q.bind(QStringLiteral("DATVRI"), r.at);
        q.bind(QStringLiteral("TIP"), r.tip);
        q.bind(QStringLiteral("PODTIP"), r.tip == 0 ? QVariant() : QVariant(r.subtype));
        q.bind(QStringLiteral("DATUM"), r.date);
        q.bind(QStringLiteral("DOD"), r.at);
        q.bind(QStringLiteral("DDO"), r.due.isValid() ? QVariant(QDateTime(r.due, QTime(0, 0), Qt::UTC)) : QVariant());
        q.bind(QStringLiteral("STANJEKM"), r.km);
        q.bind(QStringLiteral("IZNOS"), r.amount);
        q.bind(QStringLiteral("RACUN"), r.invoice);
        q.bind(QStringLiteral("PDV"), cents(r.amount * 0.2));
        q.bind(QStringLiteral("SATI"), r.tip == 0 ? QVariant(r.hours) : QVariant());
        q.bind(QStringLiteral("FIRMA"), r.company.left(50));
        q.bind(QStringLiteral("SERVISER"), r.person);
        q.bind(QStringLiteral("DJELATNIK"), r.employee);
        q.bind(QStringLiteral("OPIS"), r.details.left(220));
        q.bind(QStringLiteral("OPIS2"), r.summary.left(80));
        q.bind(QStringLiteral("STANJEKM2"), r.nextKm > 0 ? QVariant(r.nextKm) : QVariant());
        q.bind(QStringLiteral("VOZILO"), v.make);
        q.bind(QStringLiteral("REGOZNAKA"), v.plate);
        q.bind(QStringLiteral("VOZILOID"), v.id);
        q.bind(QStringLiteral("RBR"), r.rbr);
        q.exec();
    }
    counts.records = int(records.size());
}

void VehicleRecords::writeEquipment(db::Transaction &write, Counts &counts)
{
    const QVector<Fleet::Vehicle> &vehicles = m_fleet.vehicles();
    const QDate first = recordsStart(m_profile);
    db::Query q(write, QStringLiteral(
        "INSERT INTO VZADUZENJA (DATVRI,DATUM,VOZILOID,OPIS,RAZDUZENO,RAZOPIS,ZDJELATNIK,RDJELATNIK) "
        "VALUES (:DATVRI,:DATUM,:VOZILOID,:OPIS,:RAZDUZENO,:RAZOPIS,:ZDJELATNIK,:RDJELATNIK)"));
    const QStringList &items = CompanyCatalogue::equipmentItems();
    for (int n = 0; n < m_profile.equipment; ++n) {
        const int vi = int(n % vehicles.size());
        const Fleet::Vehicle &v = vehicles.at(vi);
        const QDate from = std::max(first, v.from);
        const QDate to = std::min(m_profile.today, v.to);
        if (from > to)
            continue;
        // Most equipment goes with the vehicle when it comes; the rest later.
        const int span = int(from.daysTo(to));
        const QDate issued =
            from.addDays(m_random.chance(0.7) ? m_random.between(0, std::min(span, 180)) : m_random.between(0, span));
        const QDateTime at(issued, QTime(m_random.between(7, 15), 0), Qt::UTC);
        QVariant returned, note, by;
        const qint64 left = issued.daysTo(to);
        if (left > 60 && m_random.chance(0.35)) {
            returned = QDateTime(issued.addDays(m_random.between(30, int(left))), QTime(0, 0), Qt::UTC);
            note = m_random.chance(0.7) ? QStringLiteral("Vraćeno ispravno") : QStringLiteral("Oštećeno - otpisano");
            by = personName(m_random).left(40);
        }
        q.bind(QStringLiteral("DATVRI"), at);
        q.bind(QStringLiteral("DATUM"), at);
        q.bind(QStringLiteral("VOZILOID"), v.id);
        q.bind(QStringLiteral("OPIS"), items.at((n / int(vehicles.size())) % items.size()));
        q.bind(QStringLiteral("RAZDUZENO"), returned);
        q.bind(QStringLiteral("RAZOPIS"), note);
        q.bind(QStringLiteral("ZDJELATNIK"), personName(m_random).left(40));
        q.bind(QStringLiteral("RDJELATNIK"), by);
        q.exec();
        ++counts.equipment;
    }
}

void VehicleRecords::writeLubricants(db::Transaction &write, Counts &counts)
{
    const QVector<Fleet::Vehicle> &vehicles = m_fleet.vehicles();
    db::Query q(write, QStringLiteral("INSERT INTO VPOTROSNJA (DATVRI,DATUM,VOZILOID,OPIS,TIP,KOLICINA) "
                                      "VALUES (:DATVRI,:DATUM,:VOZILOID,:OPIS,:TIP,:KOLICINA)"));
    // Kinds by how often they are filled, with the quantity of a filling.
    struct Kind
    {
        int tip;
        int weight;
        double low, high;
        const char *what;
    };
    static const Kind kinds[] = {
        {0, 45, 2, 12, "Dolijevanje motornog ulja"}, {1, 8, 4, 14, "Ulje mjenjača"}, {2, 5, 1, 3, "Kočiona tekućina"},
        {3, 3, 2, 6, "Ulje retardera"}, {4, 4, 1, 3, "Ulje servo volana"}, {5, 15, 5, 20, "Antifriz"},
        {6, 15, 0.5, 3, "Mast za podmazivanje"}, {7, 2, 1, 5, "Mazivo X"}, {8, 2, 1, 5, "Mazivo Y"},
        {9, 1, 1, 5, "Mazivo Z"},
    };
    int total = 0;
    for (const Kind &k : kinds)
        total += k.weight;
    const QDate first = recordsStart(m_profile);
    for (int n = 0; n < m_profile.lubricants; ++n) {
        // Half of the fillings belong to a service: an oil change.
        QDate day;
        int vi = 0;
        bool change = false;
        if (!m_services.isEmpty() && m_random.chance(0.5)) {
            const int s = m_random.between(0, int(m_services.size()) - 1);
            day = m_services.at(s);
            vi = m_serviceVehicle.at(s);
            change = vehicles.at(vi).kind != 1;
        } else {
            vi = m_random.between(0, int(vehicles.size()) - 1);
            const Fleet::Vehicle &v = vehicles.at(vi);
            const QDate from = std::max(first, v.from);
            const QDate to = std::min(m_profile.today, v.to);
            if (from > to)
                continue;
            day = from.addDays(m_random.between(0, int(from.daysTo(to))));
        }
        int roll = m_random.between(0, total - 1);
        const Kind *kind = kinds;
        for (const Kind &k : kinds) {
            if (roll < k.weight) {
                kind = &k;
                break;
            }
            roll -= k.weight;
        }
        if (vehicles.at(vi).kind == 1)
            kind = &kinds[6]; // trailers get grease
        const double quantity = change ? std::round(m_random.real(28, 44)) : std::round(m_random.real(kind->low, kind->high) * 100) / 100;
        const QDateTime at(day, QTime(m_random.between(6, 17), m_random.between(0, 3) * 15), Qt::UTC);
        q.bind(QStringLiteral("DATVRI"), at);
        q.bind(QStringLiteral("DATUM"), at);
        q.bind(QStringLiteral("VOZILOID"), vehicles.at(vi).id);
        q.bind(QStringLiteral("OPIS"), change ? QStringLiteral("Zamjena motornog ulja") : QString::fromUtf8(kind->what));
        q.bind(QStringLiteral("TIP"), change ? 0 : kind->tip);
        q.bind(QStringLiteral("KOLICINA"), quantity);
        q.exec();
        ++counts.lubricants;
    }
}

void VehicleRecords::writeOwnFuel(db::Transaction &write, Counts &counts)
{
    db::Query q(write, QStringLiteral(
        "INSERT INTO RACUNI (IDNALOG,DATRAC,IZNOS,VALUTA,NACIN,IDPARTNER,OPIS,UKORIST,BENZIN,BENZINKM,BROJ,MJESTO,"
        "BENZINKOL,VRSTAGORIVA) VALUES (:IDNALOG,:DATRACUNA,:IZNOS,:VALUTA,:NACIN,:IDPARTNER,:OPIS,:UKORIST,1,"
        ":BENZINKM,:BROJ,:MJESTO,:BENZINKOL,:VRSTA)"));
    int n = 0;
    for (const OrderFactory::OwnFuel &f : m_orders.ownFuel()) {
        const Fleet::Vehicle &v = m_fleet.vehicles().at(f.vehicle);
        const bool partner = f.partner >= 0;
        q.bind(QStringLiteral("IDNALOG"), -v.id);
        q.bind(QStringLiteral("DATRACUNA"), f.date);
        q.bind(QStringLiteral("IZNOS"), f.amount);
        q.bind(QStringLiteral("VALUTA"), f.currency);
        q.bind(QStringLiteral("NACIN"), partner ? 1 : 0);
        q.bind(QStringLiteral("IDPARTNER"), partner ? m_fleet.partners().at(f.partner).id : -1);
        q.bind(QStringLiteral("OPIS"), QStringLiteral("Gorivo - kupnja neovisno o nalogu"));
        q.bind(QStringLiteral("UKORIST"), partner ? m_fleet.partners().at(f.partner).name : QString());
        q.bind(QStringLiteral("BENZINKM"), f.odometer);
        q.bind(QStringLiteral("BROJ"), QStringLiteral("VC-%1").arg(++n));
        q.bind(QStringLiteral("MJESTO"), CompanyCatalogue::companyTown());
        q.bind(QStringLiteral("BENZINKOL"), f.litres);
        q.bind(QStringLiteral("VRSTA"), f.fuelType);
        q.exec();
        ++counts.ownFuel;
    }
}

} // namespace kalvor::companygen
