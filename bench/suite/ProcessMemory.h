#pragma once

namespace kalvor::bench {

// The resident memory of this process, from /proc/self/status, in MB.
struct ProcessMemory
{
    static double residentMb(); // VmRSS
    static double peakMb();     // VmHWM
    // Starts a new peak at the current size (Linux: "5" to clear_refs);
    // false when the system does not allow it, the peak then is the process's.
    static bool resetPeak();
};

} // namespace kalvor::bench
