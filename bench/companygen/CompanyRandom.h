#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>
#include <random>

namespace kalvor::companygen {

// The one source of chance of a generated company. Every value is derived
// from the raw output of std::mt19937, whose sequence the C++ standard fixes,
// so a seed gives the same company with every compiler and library (the
// standard distributions are left alone: their results differ between
// libraries).
class CompanyRandom
{
public:
    explicit CompanyRandom(std::uint32_t seed) : m_engine(seed) {}

    // A whole number from lo to hi, both included.
    int between(int lo, int hi);
    // A number from lo (included) to hi (excluded).
    double real(double lo, double hi);
    // True with the probability p.
    bool chance(double p);
    // A number rounded to the step ("0,05" of a litre price, 50 of an advance).
    double stepped(double lo, double hi, double step);

    template <typename T>
    const T &pick(const QVector<T> &items)
    {
        return items.at(between(0, int(items.size()) - 1));
    }
    const QString &pick(const QStringList &items) { return items.at(between(0, int(items.size()) - 1)); }

    // A child source for one part of the company, so that a change in how
    // many values one part draws leaves the other parts as they were.
    CompanyRandom derive(std::uint32_t salt);

private:
    std::uint32_t next() { return static_cast<std::uint32_t>(m_engine()); }
    std::mt19937 m_engine;
};

} // namespace kalvor::companygen
