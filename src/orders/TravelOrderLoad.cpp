// Loading a stored travel order into the aggregate.

#include "orders/TravelOrderStore.h"

#include "orders/TravelOrderColumns.h"

#include "core/Amounts.h"
#include "core/Settings.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"
#include "reference/StayText.h"

namespace kalvor {

namespace {

QString text(const db::Query &q, const char *column)
{
    return q.value(QLatin1String(column)).toString();
}

int integer(const db::Query &q, const char *column, int fallback = -1)
{
    const QVariant v = q.value(QLatin1String(column));
    return v.isNull() ? fallback : v.toInt();
}

bool flag(const db::Query &q, const char *column)
{
    return integer(q, column, 0) == 1;
}

QString timeText(const QTime &t)
{
    return t.isValid() ? t.toString(QStringLiteral("HH:mm")) : QStringLiteral("00:00");
}

// A timestamp used as a duration: the whole days since day zero and the time
// of day.
TachoDuration tachoDuration(const QVariant &value)
{
    TachoDuration d;
    if (value.isNull()) {
        d.daysText = QStringLiteral("0");
        return d;
    }
    const QDateTime moment = value.toDateTime();
    d.daysText = QString::number(order_columns::kDurationDayZero.daysTo(moment.date()));
    d.time = moment.time();
    return d;
}

// An employee of a stored row matched against an editor list: by name
// (without regard to case) and by id; only when both find the same entry is
// the entry taken, otherwise the stored id and name stay.
EmployeeRef matchByNameAndId(int id, const QString &name, const QVector<EmployeeEntry> &list)
{
    int byName = -1;
    int byId = -1;
    for (int i = 0; i < list.size(); ++i) {
        if (byName < 0 && list.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            byName = i;
        if (byId < 0 && list.at(i).id == id)
            byId = i;
    }
    if (byName >= 0 && byName == byId)
        return {list.at(byId).id, list.at(byId).name, true};
    return {id, name, false};
}

EmployeeRef matchById(int id, const QString &name, const QVector<EmployeeEntry> &list)
{
    for (const EmployeeEntry &e : list) {
        if (e.id == id)
            return {e.id, e.name, true};
    }
    return {id, name, false};
}

void loadHeader(const db::Query &q, TravelOrder &o, const Settings &settings)
{
    o.id = integer(q, "IDNALOG");
    o.label = text(q, "OZNAKA");
    o.place = text(q, "MJIZRADE");
    o.orderDate = q.value(QStringLiteral("DATUM")).toDate();
    o.accountingDate = q.value(QStringLiteral("DATUMOBRADE")).toDate();
    o.entryTime = q.value(QStringLiteral("DATVRIUNOSA")).toDateTime();
    o.changeTime = q.value(QStringLiteral("DATVRIPROMJENE")).toDateTime();
    o.vehicleId = integer(q, "VOZILOID");
    o.trailerId = integer(q, "PRIKLJUCNOID");
    o.vehicleMass = GeneralFieldText(q.value(QStringLiteral("VOZILOMASA")));
    o.vehiclePayload = GeneralFieldText(q.value(QStringLiteral("VOZILONOSI")));
    o.vehicleTotal = GeneralFieldText(q.value(QStringLiteral("VOZILOUKUPNO")));
    o.trailerMass = GeneralFieldText(q.value(QStringLiteral("PRIKLJUCNOMASA")));
    o.trailerPayload = GeneralFieldText(q.value(QStringLiteral("PRIKLJUCNONOSI")));
    o.trailerTotal = GeneralFieldText(q.value(QStringLiteral("PRIKLJUCNOUKUPNO")));
    o.relation = text(q, "RELACIJA");
    o.task = text(q, "ZADACA");
    o.durationFromSections = false;

    const QDateTime departure = q.value(QStringLiteral("DATVRIODLASKA")).toDateTime();
    o.departureDate = departure.date();
    o.departureTime = timeText(departure.time());
    const QVariant ret = q.value(QStringLiteral("DATVRIPOVRATKA"));
    if (ret.isNull()) {
        o.returnDate = o.departureDate;
        o.returnTime = QStringLiteral("00:00");
        o.returnDefined = false;
    } else {
        o.returnDate = ret.toDateTime().date();
        o.returnTime = timeText(ret.toDateTime().time());
        o.returnDefined = true;
    }

    o.country = text(q, "DRZAVADNEVNICE");
    o.allowanceAmount = DecimalFieldText(q.value(QStringLiteral("DNEV1IZNOS")), 2, 3);
    o.allowanceCurrency = text(q, "DNEV1VAL");

    for (int i = 0; i < 6; ++i) {
        o.tachoKm[i] = GeneralFieldText(q.value(QLatin1String(order_columns::kTachoKm[i])));
        o.tachoTimes[i] = tachoDuration(q.value(QLatin1String(order_columns::kTachoTimes[i])));
    }
    o.refrigerationStart = DecimalFieldText(q.value(QStringLiteral("TKINGSTART")), 0, 2);
    o.refrigerationEnd = DecimalFieldText(q.value(QStringLiteral("TKINGEND")), 0, 2);

    const QVariant multi = q.value(QStringLiteral("MULTIVAL"));
    if (multi.isNull()) {
        o.baseCurrency = settings.text(QStringLiteral("DefValuta"));
        o.altCurrency = settings.text(QStringLiteral("AltValuta"));
        o.twoCurrencies = false;
    } else {
        o.baseCurrency = text(q, "VAL1");
        o.altCurrency = text(q, "VAL2");
        o.twoCurrencies = multi.toInt() == 1;
    }
}

void loadCrew(db::Transaction &t, int id, TravelOrder &o, const OrderEmployeeLists &lists)
{
    for (EmployeeRef &slot : o.drivers)
        slot = {};
    for (EmployeeRef &slot : o.coDrivers)
        slot = {};
    db::Query q(t, QStringLiteral("SELECT * FROM VOZACI WHERE IDNALOG=:ID"));
    q.bind(QStringLiteral("ID"), id);
    q.open();
    while (q.next()) {
        const bool coDriver = integer(q, "SUV", 0) == 1;
        EmployeeRef *pair = coDriver ? o.coDrivers : o.drivers;
        const EmployeeRef e = matchByNameAndId(integer(q, "VOZACID"), text(q, "VOZACIME"),
                                               coDriver ? lists.employees : lists.drivers);
        if (pair[0].isEmpty())
            pair[0] = e;
        else
            pair[1] = e;
    }

    o.loaders.clear();
    db::Query l(t, QStringLiteral("SELECT * FROM UTOVARIVACI WHERE IDNALOG=:ID"));
    l.bind(QStringLiteral("ID"), id);
    l.open();
    while (l.next())
        o.loaders.append(matchById(integer(l, "DJELATNIKID"), text(l, "IMEPREZIME"), lists.employees));
}

void loadAdvancesAndReceipts(db::Transaction &t, int id, TravelOrder &o)
{
    o.advances.clear();
    db::Query a(t, QStringLiteral("SELECT * FROM AKONTACIJA WHERE IDNALOG=:ID ORDER BY DATUM ASC"));
    a.bind(QStringLiteral("ID"), id);
    a.open();
    while (a.next()) {
        Advance row;
        row.id = integer(a, "IDAKONTACIJA");
        row.employeeId = integer(a, "IDDJELATNIK");
        row.employeeName = text(a, "DJELATNIKIME");
        row.date = a.value(QStringLiteral("DATUM")).toDate();
        row.amount = a.value(QStringLiteral("IZNOS")).toDouble();
        row.currency = text(a, "VALUTA");
        o.advances.append(row);
    }

    o.receipts.clear();
    db::Query r(t, QStringLiteral("SELECT * FROM RACUNI WHERE IDNALOG=:ID ORDER BY DATRAC ASC"));
    r.bind(QStringLiteral("ID"), id);
    r.open();
    while (r.next()) {
        Receipt row;
        row.id = integer(r, "IDRAC");
        row.date = r.value(QStringLiteral("DATRAC")).toDate();
        row.number = text(r, "BROJ");
        row.amount = r.value(QStringLiteral("IZNOS")).toDouble();
        row.currency = text(r, "VALUTA");
        row.payment = integer(r, "NACIN", Receipt::Cash);
        // Older versions marked every fuel receipt with -1.
        row.fuel = integer(r, "BENZIN", Receipt::NoFuel);
        if (row.fuel == -1)
            row.fuel = Receipt::Tank;
        row.inFavourOf = text(r, "UKORIST");
        row.description = text(r, "OPIS");
        row.place = text(r, "MJESTO");
        row.partnerId = integer(r, "IDPARTNER");
        row.odometer = r.value(QStringLiteral("BENZINKM")).toDouble();
        row.litres = r.value(QStringLiteral("BENZINKOL")).toDouble();
        row.fuelType = text(r, "VRSTAGORIVA");
        o.receipts.append(row);
    }
}

QTime timeColumn(const db::Query &q, const char *column)
{
    const QTime t = q.value(QLatin1String(column)).toTime();
    return t.isValid() ? t : QTime(0, 0);
}

void loadSections(db::Transaction &t, int id, TravelOrder &o)
{
    o.sections.clear();
    db::Query q(t, QStringLiteral("SELECT * FROM DIONICE WHERE IDNALOG=:ID ORDER BY STANJEKM ASC"));
    q.bind(QStringLiteral("ID"), id);
    q.open();
    while (q.next()) {
        SectionRow s;
        s.id = integer(q, "IDDIONICA");
        s.date = q.value(QStringLiteral("DATUM")).toDate();
        s.odometer = q.value(QStringLiteral("STANJEKM")).toDouble();
        s.relation = text(q, "RELACIJA");
        s.departure = timeColumn(q, "VRPOLAZAK");
        s.arrival = timeColumn(q, "VRDOLAZAK");
        s.driving = timeColumn(q, "VRIJEME");
        s.waiting = timeColumn(q, "CEKANJE");
        s.loading = timeColumn(q, "UTOISTOVAR");
        s.breakdowns = timeColumn(q, "KVAROVI");
        s.rests = timeColumn(q, "ODMORI");
        s.stops = timeColumn(q, "ZASTOJI");
        s.tractorLoaded = q.value(QStringLiteral("VOZTERET")).toDouble();
        s.tractorEmpty = q.value(QStringLiteral("VOZBEZ")).toDouble();
        s.trailerLoaded = q.value(QStringLiteral("PRIKTERET")).toDouble();
        s.trailerEmpty = q.value(QStringLiteral("PRIKBEZ")).toDouble();
        s.tractorTkm = q.value(QStringLiteral("VOZTKM")).toDouble();
        s.trailerTkm = q.value(QStringLiteral("PRIKTKM")).toDouble();
        s.totalTkm = q.value(QStringLiteral("UKTKM")).toDouble();
        o.sections.append(s);
    }
}

void loadRatesAndSettlement(db::Transaction &t, int id, TravelOrder &o, const Settings &settings)
{
    o.rates.clear();
    db::Query r(t, QStringLiteral("SELECT * FROM NALOGVALUTA WHERE IDNALOG=:ID"));
    r.bind(QStringLiteral("ID"), id);
    r.open();
    while (r.next())
        o.rates.append({text(r, "VALUTA"), FormatRate(r.value(QStringLiteral("KURS")).toDouble())});

    SettlementInputs &s = o.settlement;
    db::Query q(t, QStringLiteral("SELECT * FROM OBRACUN WHERE IDNALOG=:ID"));
    q.bind(QStringLiteral("ID"), id);
    q.open();
    if (q.next()) {
        s.method = integer(q, "NACINOBRACUNA", ByAllowances);
        s.kmCurrency = text(q, "VALUTAKM");
        s.pricePerKm = DecimalFieldText(q.value(QStringLiteral("CIJENAKM")), 2, 3);
        s.totalCurrency = text(q, "VALUTAALL");
        s.totalPrice = DecimalFieldText(q.value(QStringLiteral("CIJENAALL")), 2, 3);
        s.percentage = DecimalFieldText(q.value(QStringLiteral("POSTOTAK")), 0, 3);
        s.fixedFeeCurrency = text(q, "FIXVALUTA");
        s.fixedFee = DecimalFieldText(q.value(QStringLiteral("FIXVAL")), 2, 3);
        s.fixedTotalCurrency = text(q, "FIXALLVALUTA");
        s.fixedTotal = DecimalFieldText(q.value(QStringLiteral("FIKSALL")), 2, 3);
        s.onlyFirstEarns = flag(q, "SAMOVOZAC");
        s.allowanceFirst = flag(q, "DNEVNICAVOZAC");
        s.allowanceOthers = flag(q, "DNEVNICAOSTALI");
        return;
    }
    // Orders from before the settlement was stored are settled by the
    // allowances, everything in the accounting currency.
    const QString accounting = settings.text(QStringLiteral("DefValuta"));
    s = SettlementInputs{};
    s.method = ByAllowances;
    s.kmCurrency = s.totalCurrency = s.fixedFeeCurrency = s.fixedTotalCurrency = accounting;
    const QString perKm = settings.text(QStringLiteral("CijenaKm"));
    s.pricePerKm = perKm.isEmpty() ? QStringLiteral("0,18")
                                   : DecimalFieldText(settings.number(QStringLiteral("CijenaKm")), 2, 3);
    s.percentage = DecimalFieldText(settings.number(QStringLiteral("Postotak")), 0, 3);
}

void loadMultiCountryAndCash(db::Transaction &t, int id, TravelOrder &o)
{
    db::Query m(t, QStringLiteral("SELECT * FROM OMD WHERE IDNALOG=:ID"));
    m.bind(QStringLiteral("ID"), id);
    m.open();
    o.multiCountryText = m.next() ? text(m, "DATA") : QString();

    o.cash.clear();
    db::Query c(t, QStringLiteral("SELECT * FROM BLPROMET WHERE IDNALOG=:ID"));
    c.bind(QStringLiteral("ID"), id);
    c.open();
    while (c.next()) {
        Blagajna b;
        b.id = integer(c, "IDBP");
        b.entered = c.value(QStringLiteral("DATVRI")).toDateTime();
        b.date = QDateTime(c.value(QStringLiteral("DATUM")).toDate(), QTime(0, 0));
        b.amount = c.value(QStringLiteral("IZNOS")).toDouble();
        b.kind = integer(c, "TIP", 0);
        b.orderId = integer(c, "IDNALOG");
        b.employeeId = integer(c, "IDRADNIK");
        b.description = text(c, "OPIS");
        b.employeeName = text(c, "RADNIK");
        b.voucherLabel = text(c, "OZNAKA");
        b.orderLabel = text(c, "NOZNAKA");
        b.changed = c.value(QStringLiteral("PROMJENA")).toDateTime();
        b.currency = text(c, "VALUTA");
        b.automatic = flag(c, "AUT");
        o.cash.append(b);
    }
}

} // namespace

QString DecimalFieldText(const QVariant &value, int minDecimals, int maxDecimals)
{
    if (value.isNull())
        return {};
    QString s = QString::number(value.toDouble(), 'f', maxDecimals);
    if (maxDecimals > 0) {
        const qsizetype point = s.indexOf(QLatin1Char('.'));
        qsizetype keep = s.size();
        while (keep > point + 1 + minDecimals && s.at(keep - 1) == QLatin1Char('0'))
            --keep;
        if (keep == point + 1)
            --keep; // no decimals left: drop the point
        s.truncate(keep);
        s.replace(QLatin1Char('.'), QLatin1Char(','));
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

QString GeneralFieldText(const QVariant &value)
{
    return value.isNull() ? QString() : FormatGeneralNumber(value.toDouble());
}

LoadOutcome TravelOrderStore::load(int id, TravelOrder &order, const OrderEmployeeLists &lists)
{
    LoadOutcome outcome;
    db::TransactionGuard guard(m_write);
    TravelOrder loaded;
    {
        db::Query q(m_write, QStringLiteral("SELECT * FROM NALOZI WHERE IDNALOG=:ID"));
        q.bind(QStringLiteral("ID"), id);
        q.open();
        if (!q.next()) {
            q.close();
            guard.commit();
            return outcome;
        }
        loadHeader(q, loaded, m_settings);
    }
    loadCrew(m_write, id, loaded, lists);
    loadAdvancesAndReceipts(m_write, id, loaded);
    loadSections(m_write, id, loaded);
    loadRatesAndSettlement(m_write, id, loaded, m_settings);
    loadMultiCountryAndCash(m_write, id, loaded);
    guard.commit();

    order = loaded;
    outcome.found = true;
    outcome.offerAutomaticCash = order.cash.isEmpty() && m_settings.flag(QStringLiteral("AutoBlagajna"));
    return outcome;
}

bool TravelOrderStore::loadCopy(int sourceId, TravelOrder &order, const OrderEmployeeLists &lists,
                                const QDate &today)
{
    TravelOrder copy;
    if (!load(sourceId, copy, lists).found)
        return false;
    copy.makeCopy();
    copy.accountingDate = today;
    copy.orderDate = today.addDays(-10);
    order = copy;
    return true;
}

} // namespace kalvor
