#pragma once

namespace kalvor::bench {

class BenchContext;

// What starting and committing a transaction costs: as the program's two
// transactions are (read-write) and as a read-only one would be. Every unit
// of work of the program (a list refresh, a balance function, a count)
// starts one.
void benchTransactions(BenchContext &c);

} // namespace kalvor::bench
