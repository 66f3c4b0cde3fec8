#pragma once

#include <QString>

namespace kalvor::bench {

// The machine the benchmarks ran on, for the head of the results.
struct MachineInfo
{
    QString cpu;
    int cores = 0;
    double memoryGb = 0;
    QString system;
    QString firebird;
    QString qt;

    static MachineInfo current();
    QString markdown() const;
};

} // namespace kalvor::bench
