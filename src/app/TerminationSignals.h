#pragma once

#include <functional>

namespace kalvor {

// SIGTERM and SIGINT end the program the way "Izlazak" does: the database
// library catches both for its own shutdown and would otherwise keep the
// program running. Install after the database library has been loaded.
void quitOnTerminationSignals(std::function<void()> quit);

} // namespace kalvor
