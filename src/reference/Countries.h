#pragma once

#include <QString>
#include <QVector>
#include <optional>

namespace kalvor {

class TDataModule1;

// A country of `DRZAVE`: the id from GEN_DRZAVE_ID, the name (at most 40
// characters; what other tables and the allowance lookup name a country by)
// and a short code (at most 3 characters).
struct Country
{
    int id = 0;
    QString name;
    QString code;
};

// The countries. Lists read through the read transaction; every write is one
// unit of work in the write transaction, committed at once.
class Countries
{
public:
    static constexpr int kNameLength = 40;
    static constexpr int kCodeLength = 3;

    explicit Countries(TDataModule1 &dm) : m_dm(dm) {}

    // Every country in name order.
    QVector<Country> all() const;

    // Adds a country with the first 40 characters of the name and the first 3
    // of the code. Fails (nullopt) when a country has that name or that code,
    // or when the database refuses the count or the insert; otherwise the new
    // country's id.
    std::optional<int> add(const QString &code, const QString &name);
    // Adds a country met in an allowance-rate file: the code "00", and only
    // the name must be new.
    std::optional<int> addImported(const QString &name);
    // False when the database refuses the deletion.
    bool remove(int id);
    // Sets the code and the name of the country `id`; returns the rows
    // changed, a database error is thrown with its own message.
    int change(int id, const QString &code, const QString &name);

private:
    std::optional<int> insert(const QString &code, const QString &name, bool nameAlone);
    TDataModule1 &m_dm;
};

} // namespace kalvor
