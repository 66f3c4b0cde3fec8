#include "vehicles/LastOdometer.h"
#include "vehicles/VehicleFixture.h"

#include <QTest>

using namespace kalvor;

// The last odometer reading of a vehicle, as the order editor and the status
// check ask for it.
class TestLastOdometer : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = test::makeVehicleFixture(); }
    void cleanup() { f.reset(); }
    void highestReadingOfOrdersAsVehicle();
    void noReading_data();
    void noReading();
    void runsInAnActiveTransactionWithoutEndingIt();

private:
    std::unique_ptr<test::VehicleFixture> f;
};

void TestLastOdometer::highestReadingOfOrdersAsVehicle()
{
    VERIFY_DB({
        f->addVehicle(1, "MAN", "ZG-1", 0);
        f->addVehicle(2, "Volvo", "ZG-2", 0);
        f->addVehicle(3, "Krone", "ZG-3", 1);
        // The highest reading wins over the latest order.
        f->addOrder(10, "1/2024", 1, 3);
        f->addSection(10, 1000);
        f->addSection(10, 1500.5);
        f->addOrder(11, "2/2024", 1);
        f->addSection(11, 1200);
        // Vehicle 1 only as the trailer here: its high reading does not count.
        f->addOrder(12, "3/2024", 2, 1);
        f->addSection(12, 99999);
    });
    OdometerReading r;
    VERIFY_DB(r = LastOdometerReading(f->data.IBTransaction1, 1));
    QCOMPARE(r.km, 1500.5);
    QCOMPARE(r.orderId, 10);
    QVERIFY(!f->data.IBTransaction1.isActive());

    VERIFY_DB(r = LastOdometerReading(f->data.IBTransaction1, 2));
    QCOMPARE(r.km, 99999.0);
    QCOMPARE(r.orderId, 12);
}

void TestLastOdometer::noReading_data()
{
    QTest::addColumn<int>("vehicle");
    QTest::newRow("order without sections") << 1;
    QTest::newRow("no orders") << 2;
    QTest::newRow("only the trailer of orders with sections") << 3;
}

void TestLastOdometer::noReading()
{
    QFETCH(int, vehicle);
    VERIFY_DB({
        f->addVehicle(1, "MAN", "ZG-1", 0);
        f->addVehicle(2, "Volvo", "ZG-2", 0);
        f->addVehicle(3, "Krone", "ZG-3", 1);
        f->addOrder(10, "1/2024", 1, 3);
        f->addOrder(11, "2/2024", 2, 3);
        f->addSection(11, 500);
    });
    if (vehicle == 2)
        VERIFY_DB(f->db.exec("DELETE FROM NALOZI WHERE VOZILOID=2"));
    OdometerReading r;
    VERIFY_DB(r = LastOdometerReading(f->data.IBTransaction1, vehicle));
    QCOMPARE(r.km, 0.0);
    QCOMPARE(r.orderId, -1);
    QVERIFY(!r.found());
}

void TestLastOdometer::runsInAnActiveTransactionWithoutEndingIt()
{
    VERIFY_DB({
        f->addVehicle(1, "MAN", "ZG-1", 0);
        f->addOrder(10, "1/2024", 1);
        f->data.IBTransaction1.start();
        // A section the caller has written but not yet committed counts.
        db::Query q(f->data.IBTransaction1, "INSERT INTO DIONICE (IDNALOG,STANJEKM) VALUES (10,777)");
        q.exec();
    });
    OdometerReading r;
    VERIFY_DB(r = LastOdometerReading(f->data.IBTransaction1, 1));
    QCOMPARE(r.km, 777.0);
    QVERIFY(f->data.IBTransaction1.isActive());
    VERIFY_DB(f->data.IBTransaction1.rollback());
}

QTEST_GUILESS_MAIN(TestLastOdometer)
#include "tst_lastodometer.moc"
