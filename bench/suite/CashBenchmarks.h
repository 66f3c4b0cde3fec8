#pragma once

namespace kalvor::bench {

class BenchContext;

// The four balance functions of the cash ledger at random days and
// currencies, each beside the time isql-fb takes for the statements that
// one call sends.
void benchCashBalances(BenchContext &c);

} // namespace kalvor::bench
