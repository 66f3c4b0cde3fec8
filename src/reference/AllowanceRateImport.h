#pragma once

#include <QDate>
#include <QStringList>

namespace kalvor {

class TDataModule1;
class AllowanceRateFile;

// Imports a table of allowance rates read from a file, all valid from one
// date, in three steps: the currencies the database does not hold yet (in one
// transaction), the countries it does not hold yet (each with the code "00"),
// then the rates in file order, each committed by itself. A row that cannot be
// imported (no country name, no currency, a currency or country the database
// refused, a refused insert) is skipped and the import goes on.
class AllowanceRateImport
{
public:
    struct Result
    {
        QStringList newCurrencies;
        QStringList newCountries;
        int ratesImported = 0;
        int rowsSkipped = 0;
    };

    explicit AllowanceRateImport(TDataModule1 &dm) : m_dm(dm) {}

    Result run(const AllowanceRateFile &file, const QDate &validFrom);

private:
    TDataModule1 &m_dm;
};

} // namespace kalvor
