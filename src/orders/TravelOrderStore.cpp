// The checks of a travel order's save and the save as one transaction.

#include "orders/TravelOrderStore.h"

#include "core/Settings.h"
#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"
#include "orders/OrderLabel.h"

#include <stdexcept>

namespace kalvor {

TravelOrderStore::TravelOrderStore(db::Transaction &write, const Settings &settings)
    : m_write(write), m_settings(settings)
{
}

QString TravelOrderStore::missingRatesMessage(const QStringList &codes)
{
    QString message = QStringLiteral("Nisu definirani tečajevi za sve korištene valute! Nedefinirane valute: ");
    for (const QString &code : codes)
        message += code + QLatin1Char('|');
    return message;
}

QString TravelOrderStore::headerFailureMessage()
{
    return QStringLiteral("Greška prilikom snimanja podataka o nalogu! Podaci nisu snimljeni!");
}

QString TravelOrderStore::childrenFailureMessage()
{
    return QStringLiteral("Greška prilikom snimanja podataka o akontacijama,dionicama i računima vezanim uz "
                          "nalog! Podaci nisu snimljeni!");
}

std::optional<SaveProblem> TravelOrderStore::validate(TravelOrder &order)
{
    if (order.drivers[0].isEmpty() && order.drivers[1].isEmpty())
        return SaveProblem{QStringLiteral("Niste definirali vozača! Ne možete snimiti nalog."), OrderTab::BasicI,
                           OrderField::FirstDriver};
    if (order.label.trimmed().isEmpty())
        return SaveProblem{QStringLiteral("Niste unijeli oznaku naloga! Ne možete snimiti nalog."),
                           OrderTab::BasicI, OrderField::Label};
    order.label = order.label.trimmed();
    if (order.vehicleId < 0)
        return SaveProblem{QStringLiteral("Niste definirali vozilo! Ne možete snimiti nalog."), OrderTab::BasicI,
                           OrderField::Vehicle};
    if (order.sections.isEmpty())
        return SaveProblem{QStringLiteral("Niste definirali ni jednu dionicu! Ne možete snimiti nalog."),
                           OrderTab::Sections, OrderField::SectionOdometer};
    if (order.country.trimmed().isEmpty())
        return SaveProblem{QStringLiteral("Niste definirali državu za obračun dnevnica!"), OrderTab::BasicI,
                           OrderField::Country};

    if (order.isNew()) {
        {
            db::TransactionGuard guard(m_write);
            db::Query now(m_write, QStringLiteral("SELECT current_timestamp FROM RDB$DATABASE"));
            order.entryTime = now.scalar().toDateTime();
            guard.commit();
        }
        const LabelRules rules = LabelRules::fromSettings(m_settings);
        if (rules.automatic) {
            const QString generated =
                GenerateLabel(m_write, rules, {order.accountingDate, order.orderDate, order.entryTime});
            if (!generated.isEmpty())
                order.label = generated;
        }
        db::TransactionGuard guard(m_write);
        db::Query count(m_write, QStringLiteral("SELECT COUNT(*) FROM NALOZI WHERE OZNAKA=:OZN"));
        count.bind(QStringLiteral("OZN"), order.label.trimmed());
        const qint64 n = count.scalar().toLongLong();
        guard.commit();
        if (n > 0)
            return SaveProblem{QStringLiteral("Nalog sa definiranom oznakom već postoji! Odaberite drugu oznaku!"),
                               OrderTab::BasicI, OrderField::Label};
    }

    const QStringList missing = order.currenciesWithoutRate();
    if (!missing.isEmpty())
        return SaveProblem{missingRatesMessage(missing), OrderTab::Rates, OrderField::RateTable};
    return std::nullopt;
}

SaveOutcome TravelOrderStore::save(TravelOrder &order)
{
    SaveOutcome outcome;
    m_lastError.clear();
    try {
        outcome.problem = validate(order);
    } catch (const db::DbError &e) {
        if (m_write.isActive())
            m_write.rollback();
        m_lastError = e.message();
        outcome.problem = SaveProblem{e.message(), OrderTab::BasicI, OrderField::Label};
        outcome.writeFailed = true;
        return outcome;
    }
    if (outcome.problem)
        return outcome;

    m_write.ensureStarted();
    int id = order.id;
    bool headerDone = false;
    try {
        if (order.isNew())
            id = int(db::generatorValue(m_write, QStringLiteral("GEN_NALOZI_ID"), 1));
        writeHeader(order, id);
        writeSmallChildren(order, id);
        headerDone = true;
        writeRowsWithIds(order, id);
        m_write.commit();
    } catch (const std::exception &e) {
        if (m_write.isActive())
            m_write.rollback();
        const auto *dbError = dynamic_cast<const db::DbError *>(&e);
        m_lastError = dbError ? dbError->message() : QString::fromUtf8(e.what());
        outcome.writeFailed = true;
        outcome.problem = SaveProblem{headerDone ? childrenFailureMessage() : headerFailureMessage(),
                                      OrderTab::BasicI, OrderField::Label};
        return outcome;
    }
    order.id = id;
    outcome.saved = true;
    return outcome;
}

} // namespace kalvor
