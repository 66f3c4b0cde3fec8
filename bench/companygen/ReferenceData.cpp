#include "companygen/ReferenceData.h"

#include "core/db/Query.h"
#include "core/db/Transaction.h"

#include <algorithm>
#include <cmath>

namespace kalvor::companygen {

namespace {

double roundTo(double value, int decimals)
{
    const double f = std::pow(10.0, decimals);
    return std::round(value * f) / f;
}

bool workingDay(const QDate &d)
{
    return d.dayOfWeek() <= 5;
}

} // namespace

QDate referenceStart(const CompanyProfile &profile)
{
    const int year = profile.firstDay.year() - (profile.size == CompanyProfile::Size::S ? 1 : 0);
    return QDate(year, 1, 1);
}

ReferenceData::ReferenceData(const CompanyProfile &profile, CompanyRandom random)
{
    const QVector<CurrencyEntry> &catalogue = CompanyCatalogue::currencies();
    const int count = std::clamp(profile.currencies, 1, int(catalogue.size()));
    for (int i = 0; i < count; ++i)
        m_codes << catalogue.at(i).code;
    std::sort(m_codes.begin() + 1, m_codes.end());

    const QDate start = referenceStart(profile);
    for (QDate d = start; d <= profile.today; d = d.addDays(1)) {
        if (workingDay(d))
            m_days << d;
    }
    // Each rate wanders a little from day to day and is drawn back towards
    // where it started, as the rates of a real list do.
    for (const QString &code : m_codes) {
        const auto entry = std::find_if(catalogue.begin(), catalogue.end(),
                                        [&](const CurrencyEntry &c) { return c.code == code; });
        QVector<double> series;
        series.reserve(m_days.size());
        double r = entry->rate;
        const int decimals = r < 0.1 ? 7 : 6;
        for (qsizetype i = 0; i < m_days.size(); ++i) {
            if (entry->drift > 0) {
                r *= 1.0 + entry->drift * random.real(-1.0, 1.0);
                r += (entry->rate - r) * 0.01;
            }
            series << roundTo(r, decimals);
        }
        m_rates << series;
    }

    // Allowance rates: the starting amount, changed on 1 January and 1 July
    // by up to three per cent (seldom down), kept in whole units.
    const QVector<CountryEntry> &countries = CompanyCatalogue::countries();
    for (const CountryEntry &entry : countries) {
        Country c;
        c.entry = &entry;
        c.allowanceCurrency = hasCurrency(entry.currency) ? entry.currency : QStringLiteral("EUR");
        double amount = entry.allowance;
        if (c.allowanceCurrency != entry.currency) {
            // A currency the small company does not keep: the same value in euro.
            const auto from = std::find_if(catalogue.begin(), catalogue.end(),
                                           [&](const CurrencyEntry &x) { return x.code == entry.currency; });
            amount = std::round(entry.allowance * from->rate / catalogue.at(1).rate);
        }
        for (QDate d = start; d <= profile.today; d = d.addMonths(6)) {
            c.validFrom << d;
            c.amounts << amount;
            amount = std::max(1.0, std::round(amount * (1.0 + random.real(-0.005, 0.03))));
        }
        m_countryIndex.insert(entry.name, int(m_countries.size()));
        m_countries << c;
    }
}

QString ReferenceData::paidIn(const QString &local) const
{
    return hasCurrency(local) ? local : QStringLiteral("EUR");
}

int ReferenceData::dayIndex(const QDate &date) const
{
    const auto it = std::upper_bound(m_days.begin(), m_days.end(), date);
    return int(it - m_days.begin()) - 1;
}

QVector<ListedRate> ReferenceData::ratesAt(const QDate &date) const
{
    QVector<ListedRate> list;
    const int i = dayIndex(date);
    if (i < 0)
        return list;
    for (qsizetype c = 0; c < m_codes.size(); ++c)
        list.append({m_codes.at(c), m_rates.at(c).at(i)});
    std::sort(list.begin(), list.end(), [](const ListedRate &a, const ListedRate &b) { return a.currency < b.currency; });
    return list;
}

double ReferenceData::rate(const QString &currency, const QDate &date) const
{
    const int c = int(m_codes.indexOf(currency));
    const int i = dayIndex(date);
    if (c < 0 || i < 0)
        return -1;
    return m_rates.at(c).at(i);
}

double ReferenceData::fromEuro(double euro, const QString &currency, const QDate &date) const
{
    if (currency == u"EUR")
        return euro;
    return euro * rate(QStringLiteral("EUR"), date) / rate(currency, date);
}

ReferenceData::Allowance ReferenceData::allowanceAt(int country, const QDate &date) const
{
    const Country &c = m_countries.at(country);
    const auto it = std::upper_bound(c.validFrom.begin(), c.validFrom.end(), date);
    const qsizetype i = std::max<qsizetype>(0, (it - c.validFrom.begin()) - 1);
    return {c.amounts.at(i), c.allowanceCurrency};
}

int ReferenceData::allowanceRows() const
{
    int n = 0;
    for (const Country &c : m_countries)
        n += int(c.validFrom.size());
    return n;
}

void ReferenceData::write(db::Transaction &write)
{
    write.ensureStarted();
    const QVector<CurrencyEntry> &catalogue = CompanyCatalogue::currencies();
    db::Query currency(write, QStringLiteral("INSERT INTO VALUTE (OZNAKA,NAZIV) VALUES (:OZ,:NAZ)"));
    for (const QString &code : m_codes) {
        const auto entry = std::find_if(catalogue.begin(), catalogue.end(),
                                        [&](const CurrencyEntry &c) { return c.code == code; });
        currency.bind(QStringLiteral("OZ"), code).bind(QStringLiteral("NAZ"), entry->name);
        currency.exec();
    }

    db::Query rate(write, QStringLiteral("INSERT INTO TECAJ (DATUM,VALUTA,KURS) VALUES (:DAT,:VAL,:KURS)"));
    for (qsizetype i = 0; i < m_days.size(); ++i) {
        for (qsizetype c = 0; c < m_codes.size(); ++c) {
            rate.bind(QStringLiteral("DAT"), m_days.at(i));
            rate.bind(QStringLiteral("VAL"), m_codes.at(c));
            rate.bind(QStringLiteral("KURS"), m_rates.at(c).at(i));
            rate.exec();
        }
    }

    db::Query country(write, QStringLiteral("INSERT INTO DRZAVE (ID,DRZAVA,OZNAKA) VALUES (:ID,:DRZ,:OZ)"));
    db::Query allowance(write, QStringLiteral("INSERT INTO DNEVNICE (IDDRZAVA,VRIJEDIOD,VALUTA,IZNOS) "
                                              "VALUES (:ID,:OD,:VAL,:IZN)"));
    for (Country &c : m_countries) {
        c.id = int(db::generatorValue(write, QStringLiteral("GEN_DRZAVE_ID"), 1));
        country.bind(QStringLiteral("ID"), c.id);
        country.bind(QStringLiteral("DRZ"), c.entry->name);
        country.bind(QStringLiteral("OZ"), c.entry->code);
        country.exec();
        for (qsizetype i = 0; i < c.validFrom.size(); ++i) {
            allowance.bind(QStringLiteral("ID"), c.id);
            allowance.bind(QStringLiteral("OD"), c.validFrom.at(i));
            allowance.bind(QStringLiteral("VAL"), c.allowanceCurrency);
            allowance.bind(QStringLiteral("IZN"), c.amounts.at(i));
            allowance.exec();
        }
    }
}

} // namespace kalvor::companygen
