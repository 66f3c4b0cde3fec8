#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace kalvor {

class TDataModule1;

// A currency of `VALUTE`: the code (the key, at most 5 characters) and the name.
struct Currency
{
    QString code;
    QString name;
};

// The currencies. Lists read through the read transaction; every write is one
// unit of work in the write transaction, committed at once.
class CurrencyRepository
{
public:
    enum class AddResult { Added, Exists, Refused };

    explicit CurrencyRepository(TDataModule1 &dm) : m_dm(dm) {}

    // Every currency in code order.
    QVector<Currency> all() const;

    // Adds a currency unless one with the code exists. The code and the name
    // are stored as given.
    AddResult add(const QString &code, const QString &name);
    // False when the database refuses the deletion.
    bool remove(const QString &code);
    // Renames the currency that still has the old code and the old name (a
    // currency another client changed meanwhile is left alone). Returns the
    // rows changed; a database error is thrown with its own message.
    int change(const QString &oldCode, const QString &oldName, const QString &newCode, const QString &newName);

    // Adds currencies met in an allowance-rate file, each code serving as its
    // own name, in one transaction. A code the database refuses (too long, or
    // stored meanwhile) is left out and the others are still stored. Returns
    // the codes stored.
    QStringList addImported(const QStringList &codes);

private:
    TDataModule1 &m_dm;
};

} // namespace kalvor
