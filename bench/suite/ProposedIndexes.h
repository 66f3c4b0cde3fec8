#pragma once

#include "suite/BenchContext.h"

namespace kalvor::bench {

// The order benchmarks once more, on a copy of the database that has the
// indexes proposed for the order's child tables without one: `NALOGVALUTA`
// and `OBRACUN` by `IDNALOG` (read when an order is loaded, deleted when it
// is saved) and `NALOZI` by `OZNAKA` (the label test of a new order's save).
// The saves run once more on the copy with forced writes off, which leaves
// the engine's own work of a save. The rows are marked with the size and
// "+idx"; the copy is removed again.
void benchWithProposedIndexes(const QString &size, const QString &path, const BenchOptions &options,
                              BenchTable &table);

// The statements that create the proposed indexes.
QStringList proposedIndexStatements();

} // namespace kalvor::bench
