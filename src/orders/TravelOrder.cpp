#include "orders/TravelOrder.h"

#include "orders/AllowanceCount.h"

#include <QStringList>

namespace kalvor {

namespace {

template <typename Row>
void removeRow(QVector<Row> &rows, QVector<int> &deleted, int index)
{
    if (index < 0 || index >= rows.size())
        return;
    deleted.append(rows.at(index).id);
    rows.removeAt(index);
}

} // namespace

void TravelOrder::removeAdvance(int index)
{
    removeRow(advances, deletedAdvances, index);
}

void TravelOrder::removeReceipt(int index)
{
    removeRow(receipts, deletedReceipts, index);
}

void TravelOrder::removeSection(int index)
{
    removeRow(sections, deletedSections, index);
}

void TravelOrder::removeCashEntry(int index)
{
    if (index < 0 || index >= cash.size())
        return;
    addDeletedCash(cash.at(index).id);
    cash.removeAt(index);
}

bool TravelOrder::addDeletedCash(int entryId)
{
    if (deletedCash.contains(entryId))
        return false;
    deletedCash.append(entryId);
    return true;
}

void TravelOrder::clearDeletedLists()
{
    deletedAdvances.clear();
    deletedReceipts.clear();
    deletedSections.clear();
    deletedCash.clear();
}

QVector<EmployeeRef> TravelOrder::employees() const
{
    QVector<EmployeeRef> result;
    auto add = [&result](const EmployeeRef &e) {
        if (e.isEmpty())
            return;
        for (const EmployeeRef &known : result) {
            if (known.id == e.id)
                return;
        }
        result.append(e);
    };
    add(drivers[0]);
    add(drivers[1]);
    add(coDrivers[0]);
    add(coDrivers[1]);
    for (const EmployeeRef &loader : loaders)
        add(loader);
    return result;
}

QDateTime TravelOrder::departure() const
{
    return QDateTime(departureDate, ParseTimeText(departureTime));
}

QDateTime TravelOrder::returnMoment() const
{
    if (!returnDefined)
        return {};
    return QDateTime(returnDate, ParseTimeText(returnTime));
}

QString TravelOrder::rateText(const QString &currency) const
{
    for (const OrderRate &r : rates) {
        if (r.currency == currency)
            return r.rateText.trimmed();
    }
    return {};
}

QStringList TravelOrder::usedCurrencies() const
{
    QStringList result;
    auto add = [&result](const QString &code) {
        if (!code.isEmpty() && !result.contains(code))
            result.append(code);
    };
    for (const Advance &a : advances)
        add(a.currency);
    for (const Receipt &r : receipts)
        add(r.currency);
    add(allowanceCurrency);
    return result;
}

QStringList TravelOrder::currenciesWithoutRate() const
{
    QStringList missing;
    for (const QString &code : usedCurrencies()) {
        if (rateText(code).isEmpty())
            missing.append(code);
    }
    return missing;
}

void TravelOrder::makeCopy()
{
    id = -1;
    label.clear();
    entryTime = {};
    changeTime = {};
    for (Advance &a : advances)
        a.id = -1;
    for (Receipt &r : receipts)
        r.id = -1;
    for (SectionRow &s : sections)
        s.id = -1;
    cash.clear();
    clearDeletedLists();
}

} // namespace kalvor
