#pragma once

namespace kalvor::bench {

class BenchContext;

// Connect plus the schema check on the (up-to-date) database; runs with the
// context's connection closed.
void benchConnect(BenchContext &c);
// Opening an order as the editor does: loading it, then its allowances and
// its settlement under every method.
void benchOpenOrders(BenchContext &c);
// Saving a stored order unchanged, and a new order (a copy of a stored one);
// the new orders are deleted again afterwards.
void benchSaveOrders(BenchContext &c);
// Opening and settling many orders one after another: how much the
// process grows.
void benchMemory(BenchContext &c);

} // namespace kalvor::bench
