#include "companygen/CompanyGenerator.h"

#include "companygen/CashDesk.h"
#include "companygen/CompanyCatalogue.h"
#include "companygen/CompanyRandom.h"
#include "companygen/Fleet.h"
#include "companygen/OrderFactory.h"
#include "companygen/ReferenceData.h"
#include "companygen/VehicleRecords.h"
#include "companygen/WriteMode.h"
#include "core/DatabaseCreator.h"
#include "core/db/Query.h"
#include "core/db/Script.h"
#include "core/db/Transaction.h"
#include "orders/CashPostings.h"
#include "orders/TravelOrderStore.h"

#include <QElapsedTimer>
#include <QFile>
#include <stdexcept>

namespace kalvor::companygen {

namespace {

// The parts of the company draw from sources of their own.
enum Part : std::uint32_t { PartReference = 1, PartFleet, PartOrders, PartRecords, PartCash };

const QString kLabelIndex = QStringLiteral("KALVOR_GENERATOR_OZNAKA");

bool isLocalFile(const QString &name)
{
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    const qsizetype slash = name.indexOf(QLatin1Char('/'));
    return colon <= 0 || (slash >= 0 && slash < colon);
}

} // namespace

QStringList GenerationReport::lines() const
{
    return {
        QStringLiteral("vozila %1, djelatnici %2, partneri %3").arg(vehicles).arg(employees).arg(partners),
        QStringLiteral("valute %1, tečajevi %2, države %3, dnevnice %4")
            .arg(currencies).arg(rates).arg(countries).arg(allowanceRates),
        QStringLiteral("nalozi %1 (dionice %2, računi %3, akontacije %4, stavke blagajne %5, više država %6)")
            .arg(orders).arg(sections).arg(receipts).arg(advances).arg(orderCashEntries).arg(multiCountryTexts),
        QStringLiteral("blagajna %1 stavki, početna stanja %2").arg(cashEntries).arg(openingBalances),
        QStringLiteral("evidencije vozila %1, zaduženja %2, maziva %3, gorivo izvan naloga %4")
            .arg(vehicleRecords).arg(equipment).arg(lubricants).arg(ownFuel),
        QStringLiteral("trajanje %1 s (nalozi %2 s)").arg(seconds, 0, 'f', 1).arg(orderSeconds, 0, 'f', 1),
    };
}

CompanyGenerator::CompanyGenerator(const CompanyProfile &profile, std::uint32_t seed)
    : m_profile(profile), m_seed(seed)
{
}

Settings CompanyGenerator::companySettings()
{
    Settings s;
    s.set(QStringLiteral("DefValuta"), QStringLiteral("HRK"));
    s.set(QStringLiteral("AltValuta"), QStringLiteral("EUR"));
    s.set(QStringLiteral("AutomatskaOznaka"), 0);
    s.set(QStringLiteral("MjObracun"), CompanyCatalogue::companyTown());
    s.set(QStringLiteral("Tvrtka"), CompanyCatalogue::companyName());
    s.set(QStringLiteral("TAdresa"), CompanyCatalogue::companyAddress());
    s.set(QStringLiteral("TSjediste"), CompanyCatalogue::companyTown());
    s.set(QStringLiteral("Naslov"), CompanyCatalogue::companyName() + QStringLiteral(" - cestovni prijevoz tereta - ")
                                        + CompanyCatalogue::companyTown());
    return s;
}

void CompanyGenerator::note(const QString &line) const
{
    if (m_progress)
        m_progress(line);
}

GenerationReport CompanyGenerator::generate(const db::ConnectParams &params)
{
    QElapsedTimer clock;
    clock.start();
    createKalvorDatabase(params);
    note(QStringLiteral("baza stvorena"));
    GenerationReport report;
    db::Database database;
    try {
        // Local files are filled without a flush at every commit.
        const bool local = isLocalFile(params.databaseName);
        if (local)
            SetForcedWrites(params, false);
        database.open(params);
        fill(database, report);
        database.close();
        if (local)
            SetForcedWrites(params, true);
    } catch (...) {
        database.close();
        if (isLocalFile(params.databaseName))
            QFile::remove(params.databaseName);
        throw;
    }
    report.seconds = double(clock.nsecsElapsed()) / 1e9;
    return report;
}

void CompanyGenerator::fill(db::Database &database, GenerationReport &report)
{
    CompanyRandom root(m_seed);
    db::Transaction write(database);

    note(QStringLiteral("tečajna lista, države i dnevnice, vozila, djelatnici, partneri"));
    ReferenceData reference(m_profile, root.derive(PartReference));
    Fleet fleet(m_profile, root.derive(PartFleet));
    {
        db::TransactionGuard guard(write);
        reference.write(write);
        fleet.write(write);
        guard.commit();
    }
    report.currencies = int(reference.currencyCodes().size());
    report.rates = reference.rateRows();
    report.countries = int(reference.countries().size());
    report.allowanceRates = reference.allowanceRows();
    report.vehicles = int(fleet.vehicles().size());
    report.employees = int(fleet.employees().size());
    report.partners = int(fleet.partners().size());

    // The orders, each saved as the editor saves it. The save's test that a
    // new label is unused reads every order (`OZNAKA` has no index); an index
    // of the generator's own keeps the many saves from slowing down as the
    // orders grow, and is dropped afterwards, so that the file has the
    // program's schema.
    {
        db::TransactionGuard guard(write);
        db::executeImmediate(write, QStringLiteral("CREATE INDEX %1 ON NALOZI (OZNAKA)").arg(kLabelIndex));
        guard.commit();
    }
    const Settings settings = companySettings();
    OrderFactory factory(m_profile, reference, fleet, root.derive(PartOrders));
    TravelOrderStore store(write, settings);
    QElapsedTimer orderClock;
    orderClock.start();
    for (int k = 0; k < factory.count(); ++k) {
        TravelOrder order = factory.build(k);
        // "Stavke prema unesenom", as the clerk settled the order on its
        // accounting date.
        if (order.returnDefined)
            RebuildAutomaticEntries(order, write, settings, QDateTime(order.accountingDate, QTime(10, 0), Qt::UTC));
        const SaveOutcome outcome = store.save(order);
        if (!outcome.saved) {
            const QString why = outcome.problem ? outcome.problem->message : QString();
            throw std::runtime_error(QStringLiteral("nalog %1 nije snimljen: %2 %3")
                                         .arg(order.label, why, store.lastError()).toStdString());
        }
        ++report.orders;
        report.sections += int(order.sections.size());
        report.receipts += int(order.receipts.size());
        report.advances += int(order.advances.size());
        report.orderCashEntries += int(order.cash.size());
        report.multiCountryTexts += order.multiCountryText.isEmpty() ? 0 : 1;
        if ((k + 1) % 1000 == 0)
            note(QStringLiteral("nalozi %1/%2, %3 s").arg(k + 1).arg(factory.count())
                     .arg(double(orderClock.nsecsElapsed()) / 1e9, 0, 'f', 0));
    }
    report.orderSeconds = double(orderClock.nsecsElapsed()) / 1e9;
    {
        db::TransactionGuard guard(write);
        db::executeImmediate(write, QStringLiteral("DROP INDEX %1").arg(kLabelIndex));
        guard.commit();
    }
    note(QStringLiteral("nalozi snimljeni"));

    note(QStringLiteral("evidencije vozila, blagajna"));
    {
        db::TransactionGuard guard(write);
        // The entry time of an order is the server's clock at its save; the
        // company entered its orders on their order dates, in office hours.
        db::Query(write, QStringLiteral(
                             "UPDATE NALOZI SET DATVRIUNOSA=DATEADD(MINUTE, 420 + MOD(IDNALOG * 37, 540), "
                             "CAST(DATUM AS TIMESTAMP))")).exec();
        db::Query(write, QStringLiteral(
                             "UPDATE BLPROMET SET DATVRI=DATEADD(MINUTE, 480 + MOD(IDBP * 13, 420), "
                             "CAST(DATUM AS TIMESTAMP)) WHERE IDNALOG>0")).exec();
        VehicleRecords records(m_profile, fleet, factory, root.derive(PartRecords));
        const VehicleRecords::Counts counts = records.write(write);
        report.vehicleRecords = counts.records;
        report.equipment = counts.equipment;
        report.lubricants = counts.lubricants;
        report.ownFuel = counts.ownFuel;
        CashDesk desk(m_profile, reference, root.derive(PartCash));
        report.cashEntries = desk.writeEntries(write);
        report.openingBalances = desk.writeOpeningBalances(write);
        guard.commit();
    }
    // Reading the rows the entry times changed clears their old versions
    // now, rather than in whatever reads them first.
    {
        db::TransactionGuard guard(write);
        db::Query(write, QStringLiteral("SELECT COUNT(*) FROM NALOZI")).scalar();
        db::Query(write, QStringLiteral("SELECT COUNT(*) FROM BLPROMET")).scalar();
        guard.commit();
    }
}

} // namespace kalvor::companygen
