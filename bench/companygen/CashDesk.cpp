#include "companygen/CashDesk.h"

#include "core/db/Query.h"
#include "core/db/Transaction.h"

#include <QHash>
#include <cmath>

namespace kalvor::companygen {

CashDesk::CashDesk(const CompanyProfile &profile, const ReferenceData &reference, CompanyRandom random)
    : m_profile(profile), m_reference(reference), m_random(random)
{
    m_currencies << reference.accountingCurrency();
    for (const char *code : {"EUR", "USD"}) {
        if (reference.hasCurrency(QLatin1String(code)))
            m_currencies << QLatin1String(code);
    }
}

int CashDesk::writeEntries(db::Transaction &write)
{
    write.ensureStarted();
    QVector<QDate> days;
    for (QDate d = m_profile.firstDay; d <= m_profile.today; d = d.addDays(1)) {
        if (d.dayOfWeek() <= 5)
            days << d;
    }
    auto monthKey = [](const QDate &d, const QString &currency) {
        return QStringLiteral("%1-%2|%3").arg(d.year()).arg(d.month()).arg(currency);
    };
    // What the orders took out of the desk, per month and currency.
    QHash<QString, double> paidOut;
    {
        db::Query q(write, QStringLiteral(
            "SELECT EXTRACT(YEAR FROM DATUM),EXTRACT(MONTH FROM DATUM),VALUTA,"
            "SUM(CASE WHEN TIP IN (1,2,3,5) THEN IZNOS ELSE -IZNOS END) FROM BLPROMET WHERE IDNALOG>0 GROUP BY 1,2,3"));
        q.open();
        while (q.next())
            paidOut.insert(monthKey(QDate(q.value(0).toInt(), q.value(1).toInt(), 1), q.value(2).toString()),
                           q.value(3).toDouble());
    }

    // The entries' days, directions and currencies first, then their amounts:
    // the month's deposits bring what its orders pay out and a little more,
    // its transfers take the rest back to the bank.
    struct Entry
    {
        QDate day;
        bool incoming = false;
        QString currency;
        double amount = 0;
    };
    QVector<Entry> entries;
    QHash<QString, int> deposits, transfers;
    for (int n = 0; n < m_profile.cashEntries; ++n) {
        Entry e;
        e.day = days.at(int(qint64(n) * days.size() / m_profile.cashEntries));
        e.incoming = m_random.chance(0.6);
        e.currency = m_currencies.at(m_random.chance(0.55) ? 0 : m_random.between(0, int(m_currencies.size()) - 1));
        ++(e.incoming ? deposits : transfers)[monthKey(e.day, e.currency)];
        entries << e;
    }
    auto tens = [](double v) { return std::round(v / 10.0) * 10.0; };
    QHash<QString, double> surplus;
    for (Entry &e : entries) {
        if (!e.incoming)
            continue;
        const QString key = monthKey(e.day, e.currency);
        e.amount = tens(m_reference.fromEuro(m_random.stepped(100, 800, 50), e.currency, e.day)
                        + std::max(0.0, paidOut.value(key)) / deposits.value(key) * m_random.real(0.95, 1.1));
        surplus[key] += e.amount;
    }
    for (auto it = paidOut.cbegin(); it != paidOut.cend(); ++it)
        surplus[it.key()] -= it.value();
    for (Entry &e : entries) {
        if (e.incoming)
            continue;
        const QString key = monthKey(e.day, e.currency);
        const double least = tens(m_reference.fromEuro(m_random.stepped(50, 300, 50), e.currency, e.day));
        e.amount = std::max(least, tens(surplus.value(key) / transfers.value(key) * m_random.real(0.95, 1.05)));
    }

    db::Query q(write, QStringLiteral(
        "INSERT INTO BLPROMET (DATVRI,DATUM,IZNOS,TIP,IDNALOG,IDRADNIK,OPIS,RADNIK,OZNAKA,NOZNAKA,PROMJENA,VALUTA,AUT,"
        "OBROJ) VALUES (:DATVRI,:DATUM,:IZNOS,:TIP,-1,-1,:OPIS,'',:OZNAKA,'',:PROMJENA,:VALUTA,0,:OBROJ)"));
    static const char *const in[] = {"Polog u blagajnu s računa", "Podizanje gotovine iz banke",
                                     "Polog - povrat pozajmice", "Polog za isplate akontacija"};
    static const char *const out[] = {"Prijenos u banku", "Uplata viška gotovine na račun",
                                      "Prijenos na devizni račun", "Uplata utrška u banku"};
    QHash<QString, int> numbers; // per year, currency and direction
    for (const Entry &e : entries) {
        const int tip = e.incoming ? 4 : 5;
        const double amount = e.amount;
        const int number = ++numbers[QStringLiteral("%1|%2|%3").arg(e.day.year()).arg(e.currency).arg(tip)];
        const QDateTime at(e.day, QTime(m_random.between(8, 15), m_random.between(0, 59)), Qt::UTC);
        q.bind(QStringLiteral("DATVRI"), at);
        q.bind(QStringLiteral("DATUM"), e.day);
        q.bind(QStringLiteral("IZNOS"), amount);
        q.bind(QStringLiteral("TIP"), tip);
        q.bind(QStringLiteral("OPIS"), QString::fromUtf8(e.incoming ? in[m_random.between(0, 3)] : out[m_random.between(0, 3)]));
        q.bind(QStringLiteral("OZNAKA"), QStringLiteral("%1-%2/%3").arg(e.incoming ? QStringLiteral("UP") : QStringLiteral("IS"))
                                             .arg(number).arg(e.day.year()));
        q.bind(QStringLiteral("PROMJENA"), at);
        q.bind(QStringLiteral("VALUTA"), e.currency);
        q.bind(QStringLiteral("OBROJ"), number);
        q.exec();
    }
    return int(entries.size());
}

int CashDesk::writeOpeningBalances(db::Transaction &write)
{
    write.ensureStarted();
    int rows = 0;
    db::Query sum(write, QStringLiteral(
        "SELECT SUM(CASE WHEN TIP IN (0,4) THEN IZNOS ELSE 0 END)-SUM(CASE WHEN TIP IN (1,2,3,5) THEN IZNOS ELSE 0 END) "
        "FROM BLPROMET WHERE VALUTA=:VL AND EXTRACT(YEAR FROM DATUM)=:Y"));
    db::Query insert(write, QStringLiteral(
        "INSERT INTO BLPOCSTANJE (IDSTANJE,VALUTA,GODINA,IZNOS,DATUM) VALUES (:ID,:VL,:Y,:IZNOS,:DAT)"));
    for (const QString &currency : m_currencies) {
        // The desk started with some money; each later year opens with what
        // the year before left.
        double balance = std::round(m_reference.fromEuro(m_random.stepped(2000, 8000, 500), currency,
                                                         m_profile.firstDay) / 10.0) * 10.0;
        for (int year = m_profile.firstDay.year(); year <= m_profile.today.year(); ++year) {
            insert.bind(QStringLiteral("ID"), db::generatorValue(write, QStringLiteral("GEN_BLPOCSTANJE_ID"), 1));
            insert.bind(QStringLiteral("VL"), currency);
            insert.bind(QStringLiteral("Y"), year);
            insert.bind(QStringLiteral("IZNOS"), std::round(balance * 100) / 100);
            insert.bind(QStringLiteral("DAT"), QDate(year, 1, 1));
            insert.exec();
            ++rows;
            sum.bind(QStringLiteral("VL"), currency).bind(QStringLiteral("Y"), year);
            balance += sum.scalar().toDouble();
        }
    }
    return rows;
}

} // namespace kalvor::companygen
