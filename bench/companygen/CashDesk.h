#pragma once

#include "companygen/CompanyProfile.h"
#include "companygen/CompanyRandom.h"
#include "companygen/ReferenceData.h"

namespace kalvor {
namespace db {
class Transaction;
}
namespace companygen {

// The cash desk's own entries, those that belong to no order: money put in
// from the bank (`TIP` 4) and taken back to it (`TIP` 5), in kuna and euro
// mostly, with the voucher labels and numbers of their year; and an opening
// balance per year and currency, carried over from the year before. The
// money put in each month covers what the orders paid out of the desk in
// that month, so that the desk stays about even.
class CashDesk
{
public:
    struct Counts
    {
        int entries = 0, openingBalances = 0;
    };

    CashDesk(const CompanyProfile &profile, const ReferenceData &reference, CompanyRandom random);

    // Inserts the entries, after the orders' entries are stored; the opening
    // balances are computed from every entry of the desk, so write them last.
    int writeEntries(db::Transaction &write);
    int writeOpeningBalances(db::Transaction &write);

private:
    const CompanyProfile &m_profile;
    const ReferenceData &m_reference;
    CompanyRandom m_random;
    QStringList m_currencies; // the desk's currencies
};

} // namespace companygen
} // namespace kalvor
