#include "vehicles/VehicleRepository.h"

#include "core/TDataModule1.h"
#include "vehicles/VehicleKinds.h"

namespace kalvor {

namespace {

const QString activeCondition = QStringLiteral(" ((AKTIVNOALL IS NULL) OR (AKTIVNOALL=1))");

QVariant nullable(const std::optional<int> &v)
{
    return v ? QVariant(*v) : QVariant();
}

void bindFields(db::Query &q, const VehicleRecord &v)
{
    q.bind(QStringLiteral("ID"), v.id);
    q.bind(QStringLiteral("TIP"), v.markaITip);
    q.bind(QStringLiteral("OZ"), v.oznaka);
    q.bind(QStringLiteral("MA"), v.masa);
    q.bind(QStringLiteral("NO"), v.nosivost);
    q.bind(QStringLiteral("UK"), v.ukupnaMasa);
    q.bind(QStringLiteral("VR"), nullable(v.vrsta));
    q.bind(QStringLiteral("NA"), v.napomena);
    q.bind(QStringLiteral("GBR"), v.garBr);
    q.bind(QStringLiteral("BRS"), v.brSasije);
    q.bind(QStringLiteral("SJED"), nullable(v.brSjed));
    q.bind(QStringLiteral("GPRO"), nullable(v.godPro));
    q.bind(QStringLiteral("GPREG"), nullable(v.godPreg));
    q.bind(QStringLiteral("AKT"), nullable(v.aktivno));
}

bool isSingleKind(int kindFilter)
{
    return kindFilter >= 0 && kindFilter < VehicleKind::AllKinds;
}

} // namespace

std::optional<VehicleRecord> VehicleRepository::load(int id)
{
    db::TransactionGuard guard(m_data.IBTransaction1);
    std::optional<VehicleRecord> result;
    {
        db::Query q(m_data.IBTransaction1, QStringLiteral("SELECT * FROM VOZILO WHERE IDVOZ=:ID"));
        q.bind(QStringLiteral("ID"), id);
        q.open();
        if (q.next())
            result = VehicleRecord::fromQuery(q);
    }
    guard.commit();
    return result;
}

int VehicleRepository::insert(const VehicleRecord &vehicle)
{
    db::TransactionGuard guard(m_data.IBTransaction1);
    VehicleRecord row = vehicle;
    row.id = int(db::generatorValue(m_data.IBTransaction1, QStringLiteral("GEN_VOZILO_ID"), 1));
    {
        db::Query q(m_data.IBTransaction1,
                    QStringLiteral("INSERT INTO VOZILO (IDVOZ,MARKAITIP,OZNAKA,MASA,NOSIVOST,UKUPNAMASA,VRSTA,NAPOMENA,"
                                   "GARBR,BRSASIJE,BRSJED,GODPRO,GODPREG,AKTIVNOALL)"
                                   "VALUES (:ID,:TIP,:OZ,:MA,:NO,:UK,:VR,:NA,:GBR,:BRS,:SJED,:GPRO,:GPREG,:AKT)"));
        bindFields(q, row);
        q.exec();
    }
    guard.commit();
    return row.id;
}

void VehicleRepository::update(const VehicleRecord &vehicle)
{
    db::TransactionGuard guard(m_data.IBTransaction1);
    {
        db::Query q(m_data.IBTransaction1,
                    QStringLiteral("UPDATE VOZILO SET MARKAITIP=:TIP,OZNAKA=:OZ,MASA=:MA,NOSIVOST=:NO,UKUPNAMASA=:UK,"
                                   "VRSTA=:VR,NAPOMENA=:NA,"
                                   "GARBR=:GBR,BRSASIJE=:BRS,BRSJED=:SJED,GODPRO=:GPRO,GODPREG=:GPREG,AKTIVNOALL=:AKT"
                                   " WHERE IDVOZ=:ID"));
        bindFields(q, vehicle);
        q.exec();
    }
    guard.commit();
}

int VehicleRepository::orderCount(int id)
{
    return m_data
        .scalar(QStringLiteral("SELECT COUNT(*) FROM NALOZI WHERE VOZILOID=:ID OR PRIKLJUCNOID=:ID"),
                {{QStringLiteral("ID"), id}})
        .toInt();
}

void VehicleRepository::remove(int id)
{
    m_data.execute(QStringLiteral("DELETE FROM VOZILO WHERE IDVOZ=:ID"), {{QStringLiteral("ID"), id}});
}

QString VehicleRepository::listStatement(int kindFilter, bool onlyActive)
{
    QString sql = QStringLiteral("SELECT * FROM VOZILO");
    const bool where = isSingleKind(kindFilter);
    if (where)
        sql += QStringLiteral(" WHERE VRSTA=:VR");
    if (onlyActive)
        sql += (where ? QStringLiteral(" AND") : QStringLiteral(" WHERE")) + activeCondition;
    return sql + QStringLiteral(" ORDER BY MARKAITIP,OZNAKA");
}

QString VehicleRepository::selectorStatement(bool onlyActive)
{
    QStringList lines{QStringLiteral("SELECT * FROM VOZILO"), QStringLiteral("WHERE  VRSTA<>1")};
    if (onlyActive) {
        lines << QStringLiteral("AND") << activeCondition;
    }
    lines << QStringLiteral("ORDER BY MARKAITIP,OZNAKA");
    return lines.join(QLatin1Char('\n'));
}

QVector<VehicleRecord> VehicleRepository::list(int kindFilter, bool onlyActive)
{
    return readList(listStatement(kindFilter, onlyActive), kindFilter);
}

QVector<VehicleRecord> VehicleRepository::selectorList(bool onlyActive)
{
    return readList(selectorStatement(onlyActive), VehicleKind::AllKinds);
}

QVector<VehicleRecord> VehicleRepository::readList(const QString &sql, int kindFilter)
{
    db::TransactionGuard guard(m_data.Read);
    QVector<VehicleRecord> rows;
    {
        db::Query q(m_data.Read, sql);
        if (isSingleKind(kindFilter))
            q.bind(QStringLiteral("VR"), kindFilter);
        q.open();
        while (q.next())
            rows.append(VehicleRecord::fromQuery(q));
    }
    guard.commit();
    return rows;
}

int VehicleRepository::count(const QString &sql, int kindFilter)
{
    QVariantMap params;
    if (isSingleKind(kindFilter))
        params.insert(QStringLiteral("VR"), kindFilter);
    return m_data.scalar(sql, params).toInt();
}

VehicleCounters VehicleRepository::counters(int kindFilter)
{
    VehicleCounters c;
    c.total = count(QStringLiteral("SELECT COUNT(*) FROM VOZILO"), VehicleKind::AllKinds);
    c.active = count(QStringLiteral("SELECT COUNT(*) FROM VOZILO WHERE (AKTIVNOALL IS NULL) OR (AKTIVNOALL=1)"),
                     VehicleKind::AllKinds);
    if (isSingleKind(kindFilter)) {
        c.shown = count(QStringLiteral("SELECT COUNT(*) FROM VOZILO WHERE VRSTA=:VR"), kindFilter);
        c.shownActive = count(QStringLiteral("SELECT COUNT(*) FROM VOZILO WHERE ((AKTIVNOALL IS NULL) OR "
                                             "(AKTIVNOALL)=1) AND VRSTA=:VR"),
                              kindFilter);
    } else {
        c.shown = c.total;
        c.shownActive = c.active;
    }
    return c;
}

QString VehicleRepository::orderLabel(int orderId)
{
    return m_data.scalar(QStringLiteral("SELECT OZNAKA FROM NALOZI WHERE IDNALOG=:ID"), {{QStringLiteral("ID"), orderId}})
        .toString();
}

} // namespace kalvor
