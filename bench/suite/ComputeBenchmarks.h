#pragma once

namespace kalvor::bench {

class BenchContext;

// The two computations an order runs without the database, per call:
// `CountAllowances` on the journeys of stored orders and `CalculateStayText`
// on their stored stay texts.
void benchComputations(BenchContext &c);

} // namespace kalvor::bench
