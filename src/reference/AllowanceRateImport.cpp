#include "reference/AllowanceRateImport.h"

#include "core/CurrencyList.h"
#include "core/TDataModule1.h"
#include "reference/AllowanceRateFile.h"
#include "reference/AllowanceRates.h"
#include "reference/Countries.h"
#include "reference/CountryList.h"
#include "reference/CurrencyRepository.h"

namespace kalvor {

AllowanceRateImport::Result AllowanceRateImport::run(const AllowanceRateFile &file, const QDate &validFrom)
{
    Result result;

    // New currencies: a code that equals no code of the currency list exactly.
    QStringList currencies = FillCurrencyList(m_dm.Read);
    QStringList missing;
    for (const QString &code : file.currencies()) {
        bool exists = false;
        for (const QString &item : std::as_const(currencies))
            exists = exists || ItemCode(item) == code;
        if (!code.isEmpty() && !exists)
            missing << code;
    }
    result.newCurrencies = CurrencyRepository(m_dm).addImported(missing);
    FillCurrencyList(currencies, m_dm.Read);

    // New countries: a name that equals no stored name exactly.
    QStringList items = FillCountryList(m_dm.Read);
    Countries countries(m_dm);
    for (const QString &name : file.countries()) {
        if (name.isEmpty())
            continue;
        bool exists = false;
        for (const QString &item : std::as_const(items))
            exists = exists || ItemCountryName(item) == name.left(Countries::kNameLength);
        if (!exists && countries.addImported(name))
            result.newCountries << name.left(Countries::kNameLength);
    }
    FillCountryList(items, m_dm.Read);

    // Rates in file order; the country is found by its name as stored.
    AllowanceRates rates(m_dm);
    for (const AllowanceRateRow &row : file.rows()) {
        const int currencyIndex = row.currency.isEmpty() ? -1 : FindCurrencyIndex(currencies, row.currency);
        const QString currency = currencyIndex < 0 ? QString() : ItemCode(currencies.at(currencyIndex));
        const int index = row.country.isEmpty() ? -1 : FindCountryIndex(items, row.country.left(Countries::kNameLength));
        const int countryId = index < 0 ? -1 : ItemCountryId(items.at(index));
        if (currency.isEmpty() || countryId < 0 || !rates.add(countryId, validFrom, currency, row.amount))
            ++result.rowsSkipped;
        else
            ++result.ratesImported;
    }
    return result;
}

} // namespace kalvor
