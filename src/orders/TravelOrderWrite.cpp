// The statements that write a travel order: the order row and its small
// child tables first, then the rows with ids of their own.

#include "orders/TravelOrderStore.h"

#include "orders/TravelOrderColumns.h"

#include "core/Amounts.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"

#include <cmath>
#include <stdexcept>

namespace kalvor {

namespace {

QVariant dateValue(const QDate &d)
{
    return d.isValid() ? QVariant(d) : QVariant();
}

QVariant dateOrToday(const QDate &d)
{
    return d.isValid() ? d : QDate::currentDate();
}

// A tachograph duration as the timestamp that holds it: day zero plus the
// days plus the time of day. Days that do not read as a number count as 0.
QDateTime durationValue(const TachoDuration &d)
{
    bool ok = false;
    const qint64 days = d.daysText.trimmed().toLongLong(&ok);
    return QDateTime(order_columns::kDurationDayZero.addDays(ok ? days : 0), d.time.isValid() ? d.time : QTime(0, 0));
}

// The settlement amounts are kept with three decimals in a column of seven
// digits: a value of 10 000 or more does not belong there.
double settlementAmount(const QString &text)
{
    const double v = ParseAmount(text);
    if (std::fabs(std::round(v * 1000.0)) >= 1e7)
        throw std::runtime_error("settlement amount exceeds the column's seven digits");
    return v;
}

int flagValue(bool on)
{
    return on ? 1 : 0;
}

const QString kHeaderValues = QStringLiteral(
    ":ZADACA,:DATVRIODLASKA,:DATVRIPOVRATKA,:VOZILOMASA,:VOZILONOSI,:VOZILOUKUPNO,:PRIKLJUCNOMASA,"
    ":PRIKLJUCNONOSI,:PRIKLJUCNOUKUPNO,:DATUMOBRADE,:OZNAKA,:RELACIJA,:DRZAVADNEVNICE,:TAHOVTERET,:TAHOVBEZ,"
    ":TAHOVTKM,:TAHOPTERET,:TAHOPBEZ,:TAHOPTKM,:TAHOVOZNJA,:TAHOCEKANJE,:TAHOUTOVAR,:TAHOKVAROVI,:TAHOODMORI,"
    ":TAHOZASTOJI,:TKINGS,:TKINGE,:DNEV1IZNOS,:DNEV1VAL,:MVAL,:VAL1,:VAL2)");

const QString kInsertOrder = QStringLiteral(
    "INSERT INTO NALOZI (IDNALOG,MJIZRADE,DATUM,DATVRIUNOSA,VOZILOID,PRIKLJUCNOID,ZADACA,DATVRIODLASKA,"
    "DATVRIPOVRATKA,VOZILOMASA,VOZILONOSI,VOZILOUKUPNO,PRIKLJUCNOMASA,PRIKLJUCNONOSI,PRIKLJUCNOUKUPNO,"
    "DATUMOBRADE,OZNAKA,RELACIJA,DRZAVADNEVNICE,TAHOVTERET,TAHOVBEZ,TAHOVTKM,TAHOPTERET,TAHOPBEZ,TAHOPTKM,"
    "TAHOVOZNJA,TAHOCEKANJE,TAHOUTOVAR,TAHOKVAROVI,TAHOODMORI,TAHOZASTOJI,TKINGSTART,TKINGEND,DNEV1IZNOS,"
    "DNEV1VAL,MULTIVAL,VAL1,VAL2) VALUES (:IDNALOG,:MJIZRADE,:DATUM,:DVUN,:VOZILOID,:PRIKLJUCNOID,")
    + kHeaderValues;

const QString kUpdateOrder = QStringLiteral(
    "UPDATE NALOZI SET MJIZRADE=:MJIZRADE,DATUM=:DATUM,DATVRIPROMJENE='now',VOZILOID=:VOZILOID,"
    "PRIKLJUCNOID=:PRIKLJUCNOID,ZADACA=:ZADACA,DATVRIODLASKA=:DATVRIODLASKA,DATVRIPOVRATKA=:DATVRIPOVRATKA,"
    "VOZILOMASA=:VOZILOMASA,VOZILONOSI=:VOZILONOSI,VOZILOUKUPNO=:VOZILOUKUPNO,PRIKLJUCNOMASA=:PRIKLJUCNOMASA,"
    "PRIKLJUCNONOSI=:PRIKLJUCNONOSI,PRIKLJUCNOUKUPNO=:PRIKLJUCNOUKUPNO,DATUMOBRADE=:DATUMOBRADE,OZNAKA=:OZNAKA,"
    "RELACIJA=:RELACIJA,DRZAVADNEVNICE=:DRZAVADNEVNICE,TAHOVTERET=:TAHOVTERET,TAHOVBEZ=:TAHOVBEZ,"
    "TAHOVTKM=:TAHOVTKM,TAHOPTERET=:TAHOPTERET,TAHOPBEZ=:TAHOPBEZ,TAHOPTKM=:TAHOPTKM,TAHOVOZNJA=:TAHOVOZNJA,"
    "TAHOCEKANJE=:TAHOCEKANJE,TAHOUTOVAR=:TAHOUTOVAR,TAHOKVAROVI=:TAHOKVAROVI,TAHOODMORI=:TAHOODMORI,"
    "TAHOZASTOJI=:TAHOZASTOJI,TKINGSTART=:TKINGS,TKINGEND=:TKINGE,DNEV1IZNOS=:DNEV1IZNOS,DNEV1VAL=:DNEV1VAL,"
    "MULTIVAL=:MVAL,VAL1=:VAL1,VAL2=:VAL2 WHERE IDNALOG=:IDNALOG");

void bindHeader(db::Query &q, const TravelOrder &o, int id, bool insert)
{
    q.bind(QStringLiteral("IDNALOG"), id);
    q.bind(QStringLiteral("MJIZRADE"), o.place);
    q.bind(QStringLiteral("DATUM"), dateValue(o.orderDate));
    if (insert)
        q.bind(QStringLiteral("DVUN"), o.entryTime.isValid() ? QVariant(o.entryTime) : QVariant());
    q.bind(QStringLiteral("VOZILOID"), o.vehicleId);
    q.bind(QStringLiteral("PRIKLJUCNOID"), o.trailerId < 0 ? -1 : o.trailerId);
    q.bind(QStringLiteral("ZADACA"), o.task);
    q.bind(QStringLiteral("DATVRIODLASKA"), o.departure());
    q.bind(QStringLiteral("DATVRIPOVRATKA"), o.returnDefined ? QVariant(o.returnMoment()) : QVariant());
    q.bind(QStringLiteral("VOZILOMASA"), ParseAmount(o.vehicleMass));
    q.bind(QStringLiteral("VOZILONOSI"), ParseAmount(o.vehiclePayload));
    q.bind(QStringLiteral("VOZILOUKUPNO"), ParseAmount(o.vehicleTotal));
    q.bind(QStringLiteral("PRIKLJUCNOMASA"), ParseAmount(o.trailerMass));
    q.bind(QStringLiteral("PRIKLJUCNONOSI"), ParseAmount(o.trailerPayload));
    q.bind(QStringLiteral("PRIKLJUCNOUKUPNO"), ParseAmount(o.trailerTotal));
    q.bind(QStringLiteral("DATUMOBRADE"), dateValue(o.accountingDate));
    q.bind(QStringLiteral("OZNAKA"), o.label);
    q.bind(QStringLiteral("RELACIJA"), o.relation);
    q.bind(QStringLiteral("DRZAVADNEVNICE"), o.country);
    for (int i = 0; i < 6; ++i) {
        q.bind(QLatin1String(order_columns::kTachoKm[i]), ParseAmount(o.tachoKm[i]));
        q.bind(QLatin1String(order_columns::kTachoTimes[i]), durationValue(o.tachoTimes[i]));
    }
    q.bind(QStringLiteral("TKINGS"), ParseAmount(o.refrigerationStart));
    q.bind(QStringLiteral("TKINGE"), ParseAmount(o.refrigerationEnd));
    q.bind(QStringLiteral("DNEV1IZNOS"), ParseAmount(o.allowanceAmount));
    q.bind(QStringLiteral("DNEV1VAL"), o.allowanceCurrency);
    q.bind(QStringLiteral("MVAL"), flagValue(o.twoCurrencies));
    q.bind(QStringLiteral("VAL1"), o.baseCurrency);
    q.bind(QStringLiteral("VAL2"), o.altCurrency);
}

void deleteOfOrder(db::Transaction &t, const char *table, int id)
{
    db::Query q(t, QStringLiteral("DELETE FROM %1 WHERE IDNALOG=:ID").arg(QLatin1String(table)));
    q.bind(QStringLiteral("ID"), id);
    q.exec();
}

void deleteRows(db::Transaction &t, const char *table, const char *key, const QVector<int> &ids)
{
    for (int rowId : ids) {
        if (rowId == -1)
            continue;
        db::Query q(t, QStringLiteral("DELETE FROM %1 WHERE %2=:ID").arg(QLatin1String(table), QLatin1String(key)));
        q.bind(QStringLiteral("ID"), rowId);
        q.exec();
    }
}

void writeAdvances(db::Transaction &t, const TravelOrder &o, int id)
{
    deleteRows(t, "AKONTACIJA", "IDAKONTACIJA", o.deletedAdvances);
    for (const Advance &a : o.advances) {
        db::Query q(t);
        if (a.id == -1) {
            q.setSql(QStringLiteral("INSERT INTO AKONTACIJA (IDNALOG,IDDJELATNIK,DJELATNIKIME,DATUM,IZNOS,VALUTA) "
                                    "VALUES (:IDNALOG,:IDDJELATNIK,:DJELATNIKIME,:DATUM,:IZNOS,:VALUTA)"));
        } else {
            q.setSql(QStringLiteral("UPDATE AKONTACIJA SET IDDJELATNIK=:IDDJELATNIK,DJELATNIKIME=:DJELATNIKIME,"
                                    "DATUM=:DATUM,IZNOS=:IZNOS,VALUTA=:VALUTA WHERE IDNALOG=:IDNALOG AND "
                                    "IDAKONTACIJA=:ID"));
            q.bind(QStringLiteral("ID"), a.id);
        }
        q.bind(QStringLiteral("IDNALOG"), id);
        q.bind(QStringLiteral("IDDJELATNIK"), a.employeeId);
        q.bind(QStringLiteral("DJELATNIKIME"), a.employeeName);
        q.bind(QStringLiteral("DATUM"), dateOrToday(a.date));
        q.bind(QStringLiteral("IZNOS"), a.amount);
        q.bind(QStringLiteral("VALUTA"), a.currency);
        q.exec();
    }
}

void writeReceipts(db::Transaction &t, const TravelOrder &o, int id)
{
    deleteRows(t, "RACUNI", "IDRAC", o.deletedReceipts);
    for (const Receipt &r : o.receipts) {
        db::Query q(t);
        if (r.id == -1) {
            q.setSql(QStringLiteral("INSERT INTO RACUNI (IDNALOG,DATRAC,IZNOS,VALUTA,NACIN,IDPARTNER,OPIS,UKORIST,"
                                    "BENZIN,BENZINKM,BROJ,MJESTO,BENZINKOL,VRSTAGORIVA) VALUES "
                                    "(:IDNALOG,:DATRACUNA,:IZNOS,:VALUTA,:NACIN,:IDPARTNER,:OPIS,:UKORIST,:BENZIN,"
                                    ":BENZINKM,:BROJ,:MJESTO,:BENZINKOL,:VG)"));
        } else {
            q.setSql(QStringLiteral("UPDATE RACUNI SET DATRAC=:DATRACUNA,IZNOS=:IZNOS,OPIS=:OPIS,VALUTA=:VALUTA,"
                                    "NACIN=:NACIN,IDPARTNER=:IDPARTNER,UKORIST=:UKORIST,BENZIN=:BENZIN, "
                                    "BENZINKM=:BENZINKM,BROJ=:BROJ,MJESTO=:MJESTO,BENZINKOL=:BENZINKOL,"
                                    "VRSTAGORIVA=:VG WHERE IDNALOG=:IDNALOG AND IDRAC=:ID"));
            q.bind(QStringLiteral("ID"), r.id);
        }
        q.bind(QStringLiteral("IDNALOG"), id);
        q.bind(QStringLiteral("DATRACUNA"), dateOrToday(r.date));
        q.bind(QStringLiteral("IZNOS"), r.amount);
        q.bind(QStringLiteral("VALUTA"), r.currency);
        q.bind(QStringLiteral("NACIN"), r.payment);
        q.bind(QStringLiteral("IDPARTNER"), r.partnerId);
        q.bind(QStringLiteral("OPIS"), r.description);
        q.bind(QStringLiteral("UKORIST"), r.inFavourOf);
        // Only a fuel receipt keeps its kind, odometer and litres.
        q.bind(QStringLiteral("BENZIN"), r.isFuel() ? r.fuel : 0);
        q.bind(QStringLiteral("BENZINKM"), r.isFuel() ? r.odometer : 0.0);
        q.bind(QStringLiteral("BROJ"), r.number);
        q.bind(QStringLiteral("MJESTO"), r.place);
        q.bind(QStringLiteral("BENZINKOL"), r.isFuel() ? r.litres : 0.0);
        q.bind(QStringLiteral("VG"), r.fuelType);
        q.exec();
    }
}

void writeSections(db::Transaction &t, const TravelOrder &o, int id)
{
    deleteRows(t, "DIONICE", "IDDIONICA", o.deletedSections);
    for (const SectionRow &s : o.sections) {
        db::Query q(t);
        if (s.id == -1) {
            q.setSql(QStringLiteral(
                "INSERT INTO DIONICE (IDNALOG,DATUM,STANJEKM,RELACIJA,VRPOLAZAK,VRDOLAZAK,VRIJEME,CEKANJE,"
                "UTOISTOVAR,KVAROVI,ODMORI,ZASTOJI,VOZTERET,VOZBEZ,PRIKTERET,PRIKBEZ,VOZTKM,PRIKTKM,UKTKM) VALUES"
                "(:IDNALOG,:DATUM,:STANJEKM,:RELACIJA,:VRPOLAZAK,:VRDOLAZAK,:VRIJEME,:CEKANJE,:UTOISTOVAR,:KVAROVI,"
                ":ODMORI,:ZASTOJI,:VOZTERET,:VOZBEZ,:PRIKTERET,:PRIKBEZ,:VOZTKM,:PRIKTKM,:UKTKM)"));
        } else {
            q.setSql(QStringLiteral(
                "UPDATE DIONICE SET DATUM=:DATUM,STANJEKM=:STANJEKM,RELACIJA=:RELACIJA,VRPOLAZAK=:VRPOLAZAK,"
                "VRDOLAZAK=:VRDOLAZAK,VRIJEME=:VRIJEME,CEKANJE=:CEKANJE,UTOISTOVAR=:UTOISTOVAR,KVAROVI=:KVAROVI,"
                "ODMORI=:ODMORI,ZASTOJI=:ZASTOJI,VOZTERET=:VOZTERET,VOZBEZ=:VOZBEZ,PRIKTERET=:PRIKTERET,"
                "PRIKBEZ=:PRIKBEZ,VOZTKM=:VOZTKM,PRIKTKM=:PRIKTKM,UKTKM=:UKTKM WHERE IDNALOG=:IDNALOG AND "
                "IDDIONICA=:ID"));
            q.bind(QStringLiteral("ID"), s.id);
        }
        q.bind(QStringLiteral("IDNALOG"), id);
        q.bind(QStringLiteral("DATUM"), dateValue(s.date));
        q.bind(QStringLiteral("STANJEKM"), s.odometer);
        q.bind(QStringLiteral("RELACIJA"), s.relation);
        q.bind(QStringLiteral("VRPOLAZAK"), s.departure);
        q.bind(QStringLiteral("VRDOLAZAK"), s.arrival);
        q.bind(QStringLiteral("VRIJEME"), s.driving);
        q.bind(QStringLiteral("CEKANJE"), s.waiting);
        q.bind(QStringLiteral("UTOISTOVAR"), s.loading);
        q.bind(QStringLiteral("KVAROVI"), s.breakdowns);
        q.bind(QStringLiteral("ODMORI"), s.rests);
        q.bind(QStringLiteral("ZASTOJI"), s.stops);
        q.bind(QStringLiteral("VOZTERET"), s.tractorLoaded);
        q.bind(QStringLiteral("VOZBEZ"), s.tractorEmpty);
        q.bind(QStringLiteral("PRIKTERET"), s.trailerLoaded);
        q.bind(QStringLiteral("PRIKBEZ"), s.trailerEmpty);
        q.bind(QStringLiteral("VOZTKM"), s.tractorTkm);
        q.bind(QStringLiteral("PRIKTKM"), s.trailerTkm);
        q.bind(QStringLiteral("UKTKM"), s.totalTkm);
        q.exec();
    }
}

void writeCash(db::Transaction &t, const TravelOrder &o, int id)
{
    deleteRows(t, "BLPROMET", "IDBP", o.deletedCash);
    for (const Blagajna &b : o.cash) {
        db::Query q(t);
        if (b.id == -1) {
            q.setSql(QStringLiteral("INSERT INTO BLPROMET (DATUM,IZNOS,TIP,IDNALOG,IDRADNIK,OPIS,RADNIK,OZNAKA,"
                                    "NOZNAKA,VALUTA,AUT,PROMJENA,TIP2) VALUES (:DATUM,:IZNOS,:TIP,:IDNALOG,"
                                    ":IDRADNIK,:OPIS,:RADNIK,:OZNAKA,:NOZNAKA,:VALUTA,:AUT,:PROMJENA,:TIP2)"));
        } else {
            q.setSql(QStringLiteral("UPDATE BLPROMET SET DATUM=:DATUM,IZNOS=:IZNOS,IDNALOG=:IDNALOG,TIP=:TIP,"
                                    "IDRADNIK=:IDRADNIK,OPIS=:OPIS,RADNIK=:RADNIK,OZNAKA=:OZNAKA,NOZNAKA=:NOZNAKA,"
                                    "VALUTA=:VALUTA,AUT=:AUT,PROMJENA=:PROMJENA,TIP2=:TIP2 WHERE IDBP=:ID"));
            q.bind(QStringLiteral("ID"), b.id);
        }
        q.bind(QStringLiteral("DATUM"), dateValue(b.date.date()));
        q.bind(QStringLiteral("IZNOS"), b.amount);
        q.bind(QStringLiteral("TIP"), b.kind);
        q.bind(QStringLiteral("IDNALOG"), id);
        q.bind(QStringLiteral("IDRADNIK"), b.employeeId);
        q.bind(QStringLiteral("OPIS"), b.description.left(200));
        q.bind(QStringLiteral("RADNIK"), b.employeeName.left(70));
        q.bind(QStringLiteral("OZNAKA"), b.voucherLabel.left(20));
        q.bind(QStringLiteral("NOZNAKA"), o.label.left(12));
        q.bind(QStringLiteral("VALUTA"), b.currency);
        q.bind(QStringLiteral("AUT"), flagValue(b.automatic));
        q.bind(QStringLiteral("PROMJENA"), b.changed.isValid() ? QVariant(b.changed) : QVariant());
        q.bind(QStringLiteral("TIP2"), Blagajna::secondKind(b.kind));
        q.exec();
    }
}

void writeMultiCountryText(db::Transaction &t, const TravelOrder &o, int id)
{
    db::Query count(t, QStringLiteral("SELECT COUNT(*) FROM OMD WHERE IDNALOG=:ID"));
    count.bind(QStringLiteral("ID"), id);
    const qint64 n = count.scalar().toLongLong();
    if (n == 0 && o.multiCountryText.trimmed().isEmpty())
        return;
    // A stored text may be emptied, its row is never deleted.
    db::Query q(t, n < 1 ? QStringLiteral("INSERT INTO OMD (IDNALOG,DATA) VALUES (:ID,:DATA)")
                         : QStringLiteral("UPDATE OMD SET DATA=:DATA WHERE IDNALOG=:ID"));
    q.bind(QStringLiteral("ID"), id);
    q.bind(QStringLiteral("DATA"), o.multiCountryText);
    q.exec();
}

} // namespace

void TravelOrderStore::writeHeader(const TravelOrder &order, int id)
{
    const bool insert = order.isNew();
    db::Query q(m_write, insert ? kInsertOrder : kUpdateOrder);
    bindHeader(q, order, id, insert);
    q.exec();
}

void TravelOrderStore::writeSmallChildren(const TravelOrder &order, int id)
{
    const bool existing = !order.isNew();

    if (existing)
        deleteOfOrder(m_write, "VOZACI", id);
    const EmployeeRef *crew[4] = {&order.drivers[0], &order.drivers[1], &order.coDrivers[0], &order.coDrivers[1]};
    for (int i = 0; i < 4; ++i) {
        if (crew[i]->isEmpty())
            continue;
        db::Query q(m_write, QStringLiteral("INSERT INTO VOZACI (IDNALOG,VOZACID,VOZACIME,SUV) VALUES "
                                            "(:IDNALOG,:VID,:VIM,:SUV)"));
        q.bind(QStringLiteral("IDNALOG"), id);
        q.bind(QStringLiteral("VID"), crew[i]->id);
        q.bind(QStringLiteral("VIM"), crew[i]->name);
        q.bind(QStringLiteral("SUV"), i < 2 ? 0 : 1);
        q.exec();
    }

    if (existing)
        deleteOfOrder(m_write, "UTOVARIVACI", id);
    for (const EmployeeRef &loader : order.loaders) {
        db::Query q(m_write, QStringLiteral("INSERT INTO UTOVARIVACI (IDNALOG,DJELATNIKID,IMEPREZIME) VALUES "
                                            "(:IDNALOG,:VID,:VIM)"));
        q.bind(QStringLiteral("IDNALOG"), id);
        q.bind(QStringLiteral("VID"), loader.id);
        q.bind(QStringLiteral("VIM"), loader.name);
        q.exec();
    }

    if (existing)
        deleteOfOrder(m_write, "NALOGVALUTA", id);
    for (const OrderRate &rate : order.rates) {
        if (rate.rateText.trimmed().isEmpty())
            continue;
        db::Query q(m_write, QStringLiteral("INSERT INTO NALOGVALUTA (IDNALOG,VALUTA,KURS) VALUES "
                                            "(:IDNALOG,:VID,:VIM)"));
        q.bind(QStringLiteral("IDNALOG"), id);
        q.bind(QStringLiteral("VID"), rate.currency);
        q.bind(QStringLiteral("VIM"), ParseAmount(rate.rateText));
        q.exec();
    }

    if (existing)
        deleteOfOrder(m_write, "OBRACUN", id);
    const SettlementInputs &s = order.settlement;
    db::Query q(m_write,
                QStringLiteral("INSERT INTO OBRACUN (IDNALOG,VALUTAKM,CIJENAKM,VALUTAALL,CIJENAALL,POSTOTAK,"
                               "FIXVALUTA,FIXVAL,NACINOBRACUNA,FIKSALL,FIXALLVALUTA,SAMOVOZAC,DNEVNICAVOZAC,"
                               "DNEVNICAOSTALI) VALUES (:IDNALOG,:VALUTAKM,:CIJENAKM,:VALUTAALL,:CIJENAALL,"
                               ":POSTOTAK,:FIXVALUTA,:FIXVAL,:NACINOBRACUNA,:FIKSALL,:FIXALLVALUTA,:SV,:DNV,:DNO)"));
    q.bind(QStringLiteral("IDNALOG"), id);
    q.bind(QStringLiteral("VALUTAKM"), s.kmCurrency);
    q.bind(QStringLiteral("CIJENAKM"), settlementAmount(s.pricePerKm));
    q.bind(QStringLiteral("VALUTAALL"), s.totalCurrency);
    q.bind(QStringLiteral("CIJENAALL"), settlementAmount(s.totalPrice));
    q.bind(QStringLiteral("POSTOTAK"), settlementAmount(s.percentage));
    q.bind(QStringLiteral("FIXVALUTA"), s.fixedFeeCurrency);
    q.bind(QStringLiteral("FIXVAL"), settlementAmount(s.fixedFee));
    q.bind(QStringLiteral("NACINOBRACUNA"), s.method);
    q.bind(QStringLiteral("FIKSALL"), settlementAmount(s.fixedTotal));
    q.bind(QStringLiteral("FIXALLVALUTA"), s.fixedTotalCurrency);
    q.bind(QStringLiteral("SV"), flagValue(s.onlyFirstEarns));
    q.bind(QStringLiteral("DNV"), flagValue(s.allowanceFirst));
    q.bind(QStringLiteral("DNO"), flagValue(s.allowanceOthers));
    q.exec();
}

void TravelOrderStore::writeRowsWithIds(const TravelOrder &order, int id)
{
    writeAdvances(m_write, order, id);
    writeReceipts(m_write, order, id);
    writeSections(m_write, order, id);
    writeCash(m_write, order, id);
    writeMultiCountryText(m_write, order, id);
}

} // namespace kalvor
