#pragma once

#include <QString>

namespace kalvor::bench {

// The generated companies the benchmarks run on, kept between runs in the
// data folder (generation takes minutes): "kalvor_M.fdb" and "kalvor_L.fdb",
// each with a text file of how it was generated.
class BenchDatabases
{
public:
    explicit BenchDatabases(const QString &folder) : m_folder(folder) {}

    // The file of the size, generated first when it is missing; empty with
    // the reason in *error when it cannot be made.
    QString ensure(const QString &size, QString *error);
    // What the generation reported ("generated in 612 s: …").
    QString generationNote(const QString &size) const;

    static constexpr unsigned kSeed = 1;

private:
    QString pathOf(const QString &size) const;
    QString notePathOf(const QString &size) const;

    QString m_folder;
};

} // namespace kalvor::bench
