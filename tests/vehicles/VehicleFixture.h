#pragma once

#include "core/TDataModule1.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QVariant>
#include <memory>

namespace kalvor::test {

// A data module on a fresh database with the scripted prompter, and the few
// rows the vehicle tests build their cases from.
struct VehicleFixture
{
    TDataModule1 data;
    TestDatabase db{data.DB};
    ScriptedPrompter prompter;

    void addVehicle(int id, const QString &marka, const QString &oznaka, const QVariant &vrsta,
                    const QVariant &aktivno = 1)
    {
        db.exec(QStringLiteral("INSERT INTO VOZILO (IDVOZ,MARKAITIP,OZNAKA,VRSTA,AKTIVNOALL) "
                               "VALUES (:ID,:MT,:OZ,:VR,:AK)"),
                {{"ID", id}, {"MT", marka}, {"OZ", oznaka}, {"VR", vrsta}, {"AK", aktivno}});
    }
    void addOrder(int id, const QString &oznaka, const QVariant &vehicle, const QVariant &trailer = {})
    {
        db.exec(QStringLiteral("INSERT INTO NALOZI (IDNALOG,OZNAKA,VOZILOID,PRIKLJUCNOID) VALUES (:ID,:OZ,:V,:P)"),
                {{"ID", id}, {"OZ", oznaka}, {"V", vehicle}, {"P", trailer}});
    }
    void addSection(int order, double km)
    {
        db.exec(QStringLiteral("INSERT INTO DIONICE (IDNALOG,STANJEKM) VALUES (:ID,:KM)"),
                {{"ID", order}, {"KM", km}});
    }
};

// Makes a fixture, failing the test with the database's message when the
// database cannot be made.
inline std::unique_ptr<VehicleFixture> makeVehicleFixture()
{
    std::unique_ptr<VehicleFixture> f;
    QString message;
    if (!succeeds([&] { f = std::make_unique<VehicleFixture>(); }, message))
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    return f;
}

} // namespace kalvor::test
