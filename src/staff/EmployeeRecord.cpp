#include "staff/EmployeeRecord.h"

#include "core/db/Query.h"

namespace kalvor {

namespace {

std::optional<int> optionalInt(const QVariant &v)
{
    if (v.isNull())
        return std::nullopt;
    return v.toInt();
}

} // namespace

EmployeeRecord EmployeeRecord::fromQuery(const db::Query &q)
{
    EmployeeRecord r;
    r.id = q.value(QStringLiteral("IDDJ")).toInt();
    r.imePrezime = q.value(QStringLiteral("IMEPREZIME")).toString();
    r.zvanje = q.value(QStringLiteral("ZVANJE")).toString();
    r.radnoMjesto = q.value(QStringLiteral("RADNOMJESTO")).toString();
    r.vozac = optionalInt(q.value(QStringLiteral("VOZAC")));
    r.aktivno = optionalInt(q.value(QStringLiteral("AKTIVNOALL")));
    r.napomena = q.value(QStringLiteral("NAPOMENA")).toString();
    r.osobna = q.value(QStringLiteral("OSOBNA")).toString();
    r.adresa = q.value(QStringLiteral("ADRESA")).toString();
    r.kontakt = q.value(QStringLiteral("KONTAKT")).toString();
    r.mbr = q.value(QStringLiteral("MBR")).toInt();
    r.tip = optionalInt(q.value(QStringLiteral("TIP")));
    r.tips = q.value(QStringLiteral("TIPS")).toString();
    r.zap = optionalInt(q.value(QStringLiteral("ZAP")));
    return r;
}

} // namespace kalvor
