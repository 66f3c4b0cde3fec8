#include "staff/EmployeeRepository.h"

#include "core/TDataModule1.h"

namespace kalvor {

namespace {

QVariant nullable(const std::optional<int> &v)
{
    return v ? QVariant(*v) : QVariant();
}

void bindFields(db::Query &q, const EmployeeRecord &e)
{
    q.bind(QStringLiteral("ID"), e.id);
    q.bind(QStringLiteral("IME"), e.imePrezime);
    q.bind(QStringLiteral("ZV"), e.zvanje);
    q.bind(QStringLiteral("RM"), e.radnoMjesto);
    q.bind(QStringLiteral("VO"), nullable(e.vozac));
    q.bind(QStringLiteral("AK"), nullable(e.aktivno));
    q.bind(QStringLiteral("NAP"), e.napomena);
    q.bind(QStringLiteral("OS"), e.osobna);
    q.bind(QStringLiteral("ADR"), e.adresa);
    q.bind(QStringLiteral("KON"), e.kontakt);
    q.bind(QStringLiteral("MBR"), e.mbr);
    q.bind(QStringLiteral("TIP"), nullable(e.tip));
    q.bind(QStringLiteral("TPS"), e.tips);
    q.bind(QStringLiteral("ZAP"), nullable(e.zap));
}

QString filterCondition(int filter)
{
    switch (filter) {
    case EmployeeFilter::DriversOnly: return QStringLiteral("VOZAC<>0 AND NOT VOZAC IS NULL");
    case EmployeeFilter::AllButDrivers: return QStringLiteral("VOZAC=0 OR VOZAC IS NULL");
    case EmployeeFilter::AllActive: return QStringLiteral("AKTIVNOALL<>0 OR AKTIVNOALL IS NULL");
    case EmployeeFilter::ActiveDrivers: return QStringLiteral("(AKTIVNOALL<>0 OR AKTIVNOALL IS NULL) AND (VOZAC<>0)");
    default: return {};
    }
}

} // namespace

const QStringList &EmployeeFilter::items()
{
    static const QStringList items{QStringLiteral("Samo vozači"), QStringLiteral("Svi djelatnici"),
                                   QStringLiteral("Svi osim vozača"), QStringLiteral("Svi aktivni djelatnici"),
                                   QStringLiteral("Svi aktivni vozači")};
    return items;
}

std::optional<EmployeeRecord> EmployeeRepository::load(int id)
{
    db::TransactionGuard guard(m_data.IBTransaction1);
    std::optional<EmployeeRecord> result;
    {
        db::Query q(m_data.IBTransaction1, QStringLiteral("SELECT * FROM DJELATNICI WHERE IDDJ=:ID"));
        q.bind(QStringLiteral("ID"), id);
        q.open();
        if (q.next())
            result = EmployeeRecord::fromQuery(q);
    }
    guard.commit();
    return result;
}

int EmployeeRepository::insert(const EmployeeRecord &employee)
{
    db::TransactionGuard guard(m_data.IBTransaction1);
    EmployeeRecord row = employee;
    row.id = int(db::generatorValue(m_data.IBTransaction1, QStringLiteral("GEN_DJELATNICI_ID"), 1));
    {
        db::Query q(m_data.IBTransaction1,
                    QStringLiteral("INSERT INTO DJELATNICI (IDDJ,IMEPREZIME,ZVANJE,RADNOMJESTO,VOZAC,AKTIVNOALL,"
                                   "NAPOMENA,OSOBNA,ADRESA,KONTAKT,MBR,TIP,TIPS,ZAP)"
                                   "VALUES (:ID,:IME,:ZV,:RM,:VO,:AK,:NAP,:OS,:ADR,:KON,:MBR,:TIP,:TPS,:ZAP)"));
        bindFields(q, row);
        q.exec();
    }
    guard.commit();
    return row.id;
}

void EmployeeRepository::update(const EmployeeRecord &employee)
{
    db::TransactionGuard guard(m_data.IBTransaction1);
    {
        db::Query q(m_data.IBTransaction1,
                    QStringLiteral("UPDATE DJELATNICI SET IMEPREZIME=:IME,ZVANJE=:ZV,RADNOMJESTO=:RM,VOZAC=:VO,"
                                   " NAPOMENA=:NAP,OSOBNA=:OS,ADRESA=:ADR,KONTAKT=:KON,AKTIVNOALL=:AK,MBR=:MBR,"
                                   "TIP=:TIP,TIPS=:TPS,ZAP=:ZAP"
                                   " WHERE IDDJ=:ID"));
        bindFields(q, employee);
        q.exec();
    }
    guard.commit();
}

int EmployeeRepository::orderEntryCount(int id)
{
    const QVariantMap params{{QStringLiteral("ID"), id}};
    const int drivers = m_data.scalar(QStringLiteral("SELECT COUNT(*) FROM VOZACI WHERE VOZACID=:ID"), params).toInt();
    if (drivers != 0)
        return drivers;
    return m_data.scalar(QStringLiteral("SELECT COUNT(*) FROM UTOVARIVACI WHERE DJELATNIKID=:ID"), params).toInt();
}

void EmployeeRepository::remove(int id)
{
    m_data.execute(QStringLiteral("DELETE FROM DJELATNICI WHERE IDDJ=:ID"), {{QStringLiteral("ID"), id}});
}

QString EmployeeRepository::listStatement(int filter, bool onlyActive)
{
    QString sql = QStringLiteral("SELECT * FROM DJELATNICI");
    const QString condition = filterCondition(filter);
    if (!condition.isEmpty() && onlyActive) {
        // The filter's condition stays whole, so the active condition
        // restricts all of it.
        sql += QStringLiteral(" WHERE (") + condition + QStringLiteral(") AND ((AKTIVNOALL IS NULL) OR (AKTIVNOALL=1))");
    } else if (!condition.isEmpty()) {
        sql += QStringLiteral(" WHERE ") + condition;
    } else if (onlyActive) {
        sql += QStringLiteral(" WHERE ((AKTIVNOALL IS NULL) OR (AKTIVNOALL=1))");
    }
    return sql + QStringLiteral(" ORDER BY IMEPREZIME");
}

QVector<EmployeeRecord> EmployeeRepository::list(int filter, bool onlyActive)
{
    db::TransactionGuard guard(m_data.Read);
    QVector<EmployeeRecord> rows;
    {
        db::Query q(m_data.Read, listStatement(filter, onlyActive));
        q.open();
        while (q.next())
            rows.append(EmployeeRecord::fromQuery(q));
    }
    guard.commit();
    return rows;
}

} // namespace kalvor
