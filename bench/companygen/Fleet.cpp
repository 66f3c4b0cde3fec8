#include "companygen/Fleet.h"

#include "companygen/CompanyCatalogue.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"

#include <QSet>
#include <algorithm>

namespace kalvor::companygen {

namespace {

// A period of service within the company's years: most serve from the
// start to today; the rest joined later or left early, never for less than
// a fifth of the years.
void servicePeriod(const CompanyProfile &p, CompanyRandom &random, QDate *from, QDate *to, double changeShare)
{
    const qint64 span = p.firstDay.daysTo(p.today);
    *from = p.firstDay.addDays(-random.between(0, 400));
    *to = p.today.addDays(1000);
    if (span < 400 || !random.chance(changeShare))
        return;
    const qint64 least = span / 5;
    if (random.chance(0.5))
        *from = p.firstDay.addDays(random.between(1, int(span - least)));
    else
        *to = p.firstDay.addDays(random.between(int(least), int(span - 30)));
}

QString plate(CompanyRandom &random, QSet<QString> &used)
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPRSTUVZ");
    for (;;) {
        const QString p = random.pick(CompanyCatalogue::plateAreas()) + QLatin1Char(' ')
            + QString::number(random.between(100, 9999)) + QLatin1Char('-') + letters.at(random.between(0, 21))
            + letters.at(random.between(0, 21));
        if (!used.contains(p)) {
            used.insert(p);
            return p;
        }
    }
}

QString uniqueName(CompanyRandom &random, const QStringList &firstNames, QSet<QString> &used)
{
    for (;;) {
        const QString n = random.pick(firstNames) + QLatin1Char(' ') + random.pick(CompanyCatalogue::surnames());
        if (!used.contains(n)) {
            used.insert(n);
            return n;
        }
    }
}

} // namespace

Fleet::Fleet(const CompanyProfile &p, CompanyRandom random) : m_today(p.today)
{
    QSet<QString> plates;
    const struct { int count; int kind; const QVector<VehicleMake> *makes; } groups[] = {
        {p.tractors, 0, &CompanyCatalogue::tractorMakes()},
        {p.trailers, 1, &CompanyCatalogue::trailerMakes()},
        {p.cars, 2, &CompanyCatalogue::carMakes()},
    };
    int garage = 1;
    for (const auto &g : groups) {
        for (int i = 0; i < g.count; ++i) {
            Vehicle v;
            v.kind = g.kind;
            const VehicleMake &make = random.pick(*g.makes);
            v.make = make.name;
            v.mass = make.mass;
            v.payload = make.payload;
            v.total = make.total;
            v.refrigerated = make.name.contains(QStringLiteral("hladnjača")) || make.name.contains(QStringLiteral("Cool"));
            v.plate = plate(random, plates);
            v.garageNumber = QStringLiteral("G-%1").arg(garage++, 3, 10, QLatin1Char('0'));
            v.chassis = QStringLiteral("WDB%1").arg(random.between(10000000, 99999999)) +
                QString::number(random.between(100000, 999999));
            servicePeriod(p, random, &v.from, &v.to, 0.3);
            v.built = std::min(v.from.year(), p.today.year()) - random.between(0, 3);
            v.registered = std::min(v.built + random.between(0, 1), p.today.year());
            v.odometer = g.kind == 1 ? 0 : random.stepped(5000, 250000, 1);
            m_vehicles << v;
        }
    }
    // The first tractor and the first trailer serve all the time, so that
    // every day of the company has a vehicle to send.
    for (const int first : {0, p.tractors}) {
        if (first < m_vehicles.size()) {
            m_vehicles[first].from = p.firstDay.addDays(-365);
            m_vehicles[first].to = p.today.addDays(1000);
        }
    }

    QSet<QString> names;
    for (int i = 0; i < p.employees; ++i) {
        Employee e;
        e.driver = i < p.drivers;
        e.name = uniqueName(random, e.driver || random.chance(0.5) ? CompanyCatalogue::maleNames()
                                                                   : CompanyCatalogue::femaleNames(), names);
        // The first of the office staff loads the lorries.
        e.role = e.driver ? QStringLiteral("Vozač u međunarodnom prometu")
                          : (i == p.drivers ? QStringLiteral("Utovarivač") : random.pick(CompanyCatalogue::officeRoles()));
        e.town = random.pick(CompanyCatalogue::homeTowns());
        e.address = random.pick(CompanyCatalogue::streets()) + QLatin1Char(' ') + QString::number(random.between(1, 140));
        e.phone = QStringLiteral("09%1 %2 %3")
                      .arg(random.between(1, 9))
                      .arg(random.between(100, 999))
                      .arg(random.between(1000, 9999));
        e.idCard = QString::number(random.between(100000000, 999999999));
        e.staffNumber = 1000 + i;
        servicePeriod(p, random, &e.from, &e.to, 0.35);
        // The first drivers serve all the time.
        if (i < std::max(2, p.drivers / 4)) {
            e.from = p.firstDay.addDays(-365);
            e.to = p.today.addDays(1000);
        }
        m_employees << e;
    }

    // Partners are taken kind by kind in turn, so that a small company knows
    // one of each kind at least.
    QVector<QStringList> byKind;
    QString kinds;
    for (const QString &line : CompanyCatalogue::partners()) {
        const QStringList parts = line.split(QLatin1Char('|'));
        qsizetype k = kinds.indexOf(parts.at(2));
        if (k < 0) {
            kinds += parts.at(2);
            byKind.append(QStringList());
            k = kinds.size() - 1;
        }
        byKind[k] << line;
    }
    for (int round = 0; m_partners.size() < p.partners; ++round) {
        bool any = false;
        for (const QStringList &group : byKind) {
            if (round >= group.size() || m_partners.size() >= p.partners)
                continue;
            any = true;
            const QStringList parts = group.at(round).split(QLatin1Char('|'));
            Partner partner;
            partner.name = parts.at(0);
            partner.place = parts.at(1);
            partner.kind = parts.at(2).at(0);
            partner.code = QStringLiteral("P%1").arg(m_partners.size() + 1, 3, 10, QLatin1Char('0'));
            m_partners << partner;
        }
        if (!any)
            break;
    }
}

QVector<int> Fleet::partnersOf(QChar kind) const
{
    QVector<int> list;
    for (qsizetype i = 0; i < m_partners.size(); ++i) {
        if (m_partners.at(i).kind == kind)
            list << int(i);
    }
    return list;
}

void Fleet::write(db::Transaction &write)
{
    write.ensureStarted();
    db::Query vehicle(write, QStringLiteral(
        "INSERT INTO VOZILO (IDVOZ,MARKAITIP,OZNAKA,MASA,NOSIVOST,UKUPNAMASA,VRSTA,NAPOMENA,GARBR,BRSASIJE,BRSJED,"
        "GODPRO,GODPREG,AKTIVNOALL) VALUES (:ID,:TIP,:OZ,:MA,:NO,:UK,:VR,:NA,:GBR,:BRS,:SJED,:GPRO,:GPREG,:AKT)"));
    const QDate &today = m_today;
    for (Vehicle &v : m_vehicles) {
        v.id = int(db::generatorValue(write, QStringLiteral("GEN_VOZILO_ID"), 1));
        const bool active = v.to >= today;
        QString note;
        if (v.refrigerated)
            note = QStringLiteral("Rashladni uređaj - servis svakih 1500 radnih sati.");
        if (!active)
            note = QStringLiteral("Prodano %1.").arg(v.to.toString(QStringLiteral("dd.MM.yyyy")));
        vehicle.bind(QStringLiteral("ID"), v.id);
        vehicle.bind(QStringLiteral("TIP"), v.make);
        vehicle.bind(QStringLiteral("OZ"), v.plate);
        vehicle.bind(QStringLiteral("MA"), v.mass);
        vehicle.bind(QStringLiteral("NO"), v.payload);
        vehicle.bind(QStringLiteral("UK"), v.total);
        vehicle.bind(QStringLiteral("VR"), v.kind);
        vehicle.bind(QStringLiteral("NA"), note);
        vehicle.bind(QStringLiteral("GBR"), v.garageNumber);
        vehicle.bind(QStringLiteral("BRS"), v.chassis);
        vehicle.bind(QStringLiteral("SJED"), v.kind == 1 ? 0 : (v.kind == 2 ? 5 : 2));
        vehicle.bind(QStringLiteral("GPRO"), v.built);
        vehicle.bind(QStringLiteral("GPREG"), v.registered);
        vehicle.bind(QStringLiteral("AKT"), active ? 1 : 0);
        vehicle.exec();
    }

    db::Query employee(write, QStringLiteral(
        "INSERT INTO DJELATNICI (IDDJ,IMEPREZIME,ZVANJE,RADNOMJESTO,VOZAC,ADRESA,KONTAKT,OSOBNA,AKTIVNOALL,MBR,GRAD) "
        "VALUES (:ID,:IME,:ZV,:RM,:VOZ,:ADR,:KON,:OS,:AKT,:MBR,:GRAD)"));
    for (Employee &e : m_employees) {
        e.id = int(db::generatorValue(write, QStringLiteral("GEN_DJELATNICI_ID"), 1));
        employee.bind(QStringLiteral("ID"), e.id);
        employee.bind(QStringLiteral("IME"), e.name);
        employee.bind(QStringLiteral("ZV"), e.driver ? QStringLiteral("vozač C+E kategorije") : QStringLiteral("SSS"));
        employee.bind(QStringLiteral("RM"), e.role);
        employee.bind(QStringLiteral("VOZ"), e.driver ? 1 : 0);
        employee.bind(QStringLiteral("ADR"), e.address);
        employee.bind(QStringLiteral("KON"), e.phone);
        employee.bind(QStringLiteral("OS"), e.idCard);
        employee.bind(QStringLiteral("AKT"), e.to >= today ? 1 : 0);
        employee.bind(QStringLiteral("MBR"), e.staffNumber);
        employee.bind(QStringLiteral("GRAD"), e.town);
        employee.exec();
    }

    db::Query partner(write, QStringLiteral(
        "INSERT INTO PARTNERI (IDPARTNER,NAZIV,ADRESA,KONTAKT,ZIRO,DEVIZNI,DRZAVA,SIFRA,MBR) "
        "VALUES (:ID,:NAZ,:ADR,:KON,:ZIRO,:DEV,:DRZ,:SIF,:MBR)"));
    int n = 0;
    for (Partner &p : m_partners) {
        ++n;
        p.id = int(db::generatorValue(write, QStringLiteral("GEN_PARTNERI_ID"), 1));
        partner.bind(QStringLiteral("ID"), p.id);
        partner.bind(QStringLiteral("NAZ"), p.name);
        partner.bind(QStringLiteral("ADR"), p.place);
        partner.bind(QStringLiteral("KON"), QStringLiteral("01 %1 %2").arg(200 + n * 7).arg(1000 + n * 37));
        partner.bind(QStringLiteral("ZIRO"), QStringLiteral("HR%1").arg(qint64(1000000000LL + n * 7919LL) * 100 + n));
        partner.bind(QStringLiteral("DEV"), QString());
        partner.bind(QStringLiteral("DRZ"), p.place == u"Graz" || p.place == u"Beč" ? QStringLiteral("Austrija")
                                            : p.place == u"München" ? QStringLiteral("Njemačka")
                                                                    : QStringLiteral("Hrvatska"));
        partner.bind(QStringLiteral("SIF"), p.code);
        partner.bind(QStringLiteral("MBR"), QString::number(1000000 + n * 4241));
        partner.exec();
    }
}

} // namespace kalvor::companygen
