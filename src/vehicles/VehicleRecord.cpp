#include "vehicles/VehicleRecord.h"

#include "core/db/Query.h"

namespace kalvor {

namespace {

std::optional<int> optionalInt(const QVariant &v)
{
    if (v.isNull())
        return std::nullopt;
    return v.toInt();
}

int integerOr(const QString &text, int fallback)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

VehicleRecord VehicleRecord::fromQuery(const db::Query &q)
{
    VehicleRecord r;
    r.id = q.value(QStringLiteral("IDVOZ")).toInt();
    r.markaITip = q.value(QStringLiteral("MARKAITIP")).toString();
    r.oznaka = q.value(QStringLiteral("OZNAKA")).toString();
    r.masa = q.value(QStringLiteral("MASA")).toDouble();
    r.nosivost = q.value(QStringLiteral("NOSIVOST")).toDouble();
    r.ukupnaMasa = q.value(QStringLiteral("UKUPNAMASA")).toDouble();
    r.vrsta = optionalInt(q.value(QStringLiteral("VRSTA")));
    r.napomena = q.value(QStringLiteral("NAPOMENA")).toString();
    r.garBr = q.value(QStringLiteral("GARBR")).toString();
    r.brSasije = q.value(QStringLiteral("BRSASIJE")).toString();
    r.brSjed = optionalInt(q.value(QStringLiteral("BRSJED")));
    r.godPro = optionalInt(q.value(QStringLiteral("GODPRO")));
    r.godPreg = optionalInt(q.value(QStringLiteral("GODPREG")));
    r.aktivno = optionalInt(q.value(QStringLiteral("AKTIVNOALL")));
    return r;
}

int VehicleRecord::seatsFromText(const QString &text)
{
    return integerOr(text, 2);
}

int VehicleRecord::yearFromText(const QString &text)
{
    return integerOr(text, 2007);
}

} // namespace kalvor
