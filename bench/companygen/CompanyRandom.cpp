#include "companygen/CompanyRandom.h"

#include <cmath>

namespace kalvor::companygen {

int CompanyRandom::between(int lo, int hi)
{
    if (hi <= lo)
        return lo;
    const std::uint64_t span = std::uint64_t(std::int64_t(hi) - std::int64_t(lo)) + 1;
    return int(std::int64_t(lo) + std::int64_t(next() % span));
}

double CompanyRandom::real(double lo, double hi)
{
    // 53 random bits: two draws, as a double in [0, 1).
    const std::uint64_t bits = (std::uint64_t(next()) << 21) ^ std::uint64_t(next());
    const double unit = double(bits & ((std::uint64_t(1) << 53) - 1)) / double(std::uint64_t(1) << 53);
    return lo + (hi - lo) * unit;
}

bool CompanyRandom::chance(double p)
{
    return real(0, 1) < p;
}

double CompanyRandom::stepped(double lo, double hi, double step)
{
    const int steps = int(std::floor((hi - lo) / step));
    return lo + step * between(0, steps);
}

CompanyRandom CompanyRandom::derive(std::uint32_t salt)
{
    return CompanyRandom(next() ^ (salt * 2654435761u));
}

} // namespace kalvor::companygen
