#pragma once

#include "companygen/CompanyProfile.h"
#include "core/Settings.h"
#include "core/db/Database.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace kalvor::companygen {

// What a generation wrote, table by table.
struct GenerationReport
{
    int vehicles = 0, employees = 0, partners = 0, currencies = 0, rates = 0, countries = 0, allowanceRates = 0;
    int orders = 0, sections = 0, receipts = 0, advances = 0, orderCashEntries = 0, multiCountryTexts = 0;
    int cashEntries = 0, openingBalances = 0, vehicleRecords = 0, equipment = 0, lubricants = 0, ownFuel = 0;
    double seconds = 0, orderSeconds = 0;

    QStringList lines() const;
};

// Generates a whole company into a new database file: the current schema,
// the reference data, the fleet and the staff by SQL in large transactions,
// the travel orders through the order store's save (one save after the
// other, every one validated and committed as the editor's would be), the
// vehicle records, the cash desk's own entries and the opening balances.
// The same profile and seed give the same company; only what the database
// clock stamps on a save differs, and that is set afterwards from the dates
// of the rows (entry times of orders and cash entries).
class CompanyGenerator
{
public:
    CompanyGenerator(const CompanyProfile &profile, std::uint32_t seed);

    // Called with a short line of progress now and then.
    void setProgress(std::function<void(const QString &)> progress) { m_progress = std::move(progress); }

    // Creates the file (refusing one that exists, db::DbError) and fills it.
    // A failure removes the file again and throws db::DbError or
    // std::runtime_error (an order the store refused, with its message).
    GenerationReport generate(const db::ConnectParams &params);

    // The settings the company works with: kuna as the accounting currency,
    // the euro as the alternative one, labels set by hand, the company's name
    // and place.
    static Settings companySettings();
    // The seed of the demo company.
    static constexpr std::uint32_t kDemoSeed = 2009;

private:
    void fill(db::Database &database, GenerationReport &report);
    void note(const QString &line) const;

    CompanyProfile m_profile;
    std::uint32_t m_seed;
    std::function<void(const QString &)> m_progress;
};

} // namespace kalvor::companygen
