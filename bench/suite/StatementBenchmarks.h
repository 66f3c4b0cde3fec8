#pragma once

namespace kalvor::bench {

class BenchContext;

// The statements of the screens that grow with the company, each run with
// the values of a number of real rows, beside isql-fb's time for the same
// statement with the same values: the order lists of the main window
// (persons, dates, vehicles, the search for a common name), the statement of
// the order register, the last odometer reading of a vehicle and the fuel
// consumption statement. Where a statement is slow in the engine itself, the
// shape that gives the same rows faster is run too, and its rows are
// compared with the original's.
void benchStatements(BenchContext &c);

} // namespace kalvor::bench
