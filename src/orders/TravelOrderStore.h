#pragma once

#include "orders/TravelOrder.h"

#include <QString>
#include <optional>

namespace kalvor {

class Settings;
namespace db {
class Transaction;
}

// Where the editor sends the user when a save is refused.
enum class OrderTab { BasicI, Sections, Rates };
enum class OrderField { FirstDriver, Label, Vehicle, SectionOdometer, Country, RateTable };

// A refused or failed save: the message to show and, for a refusal, the tab
// and field to go to.
struct SaveProblem
{
    QString message;
    OrderTab tab = OrderTab::BasicI;
    OrderField field = OrderField::Label;
};

struct SaveOutcome
{
    bool saved = false;
    // The refusal of a check (nothing was written) or the failure of the
    // writes (everything was rolled back).
    std::optional<SaveProblem> problem;
    bool writeFailed = false;
};

struct LoadOutcome
{
    bool found = false;
    // The order has no cash entries and the settings ask to offer the
    // automatic ones.
    bool offerAutomaticCash = false;
};

// Loads, validates and writes travel orders on the write transaction of the
// connection.
class TravelOrderStore
{
public:
    TravelOrderStore(db::Transaction &write, const Settings &settings);

    // Loads the order with the id. Without such an order `order` is left as
    // it was. The employees are matched against the editor's lists.
    LoadOutcome load(int id, TravelOrder &order, const OrderEmployeeLists &lists);

    // Loads the order and turns it into a new order based on it, with the
    // accounting date today and the order date ten days back.
    bool loadCopy(int sourceId, TravelOrder &order, const OrderEmployeeLists &lists,
                  const QDate &today = QDate::currentDate());

    // The checks of a save, in order; for a new order also reads the entry
    // time from the server, generates the label when labels are automatic
    // and tests that the label is unused. The label is trimmed.
    std::optional<SaveProblem> validate(TravelOrder &order);

    // Validates and writes the order in one transaction. On success a new
    // order has its id; on failure the order is as it was (apart from what
    // the checks set: the trimmed or generated label and the entry time).
    SaveOutcome save(TravelOrder &order);

    // The last failure's database text, for the log and the tests.
    const QString &lastError() const { return m_lastError; }

    static QString missingRatesMessage(const QStringList &codes);
    static QString headerFailureMessage();
    static QString childrenFailureMessage();

private:
    void writeHeader(const TravelOrder &order, int id);
    void writeSmallChildren(const TravelOrder &order, int id);
    void writeRowsWithIds(const TravelOrder &order, int id);

    db::Transaction &m_write;
    const Settings &m_settings;
    QString m_lastError;
};

// Texts of the editor's number fields for values read from the database:
// a NULL gives an empty text.
QString DecimalFieldText(const QVariant &value, int minDecimals, int maxDecimals);
QString GeneralFieldText(const QVariant &value);

} // namespace kalvor
