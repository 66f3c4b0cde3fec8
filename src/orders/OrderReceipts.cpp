#include "orders/OrderReceipts.h"

#include "core/Amounts.h"
#include "core/Settings.h"
#include "orders/OrderRates.h"
#include "orders/OrderTotals.h"

namespace kalvor {

OrderReceipts::OrderReceipts(TravelOrder &order, db::Transaction &write, const Settings &settings,
                             Prompter &prompter)
    : m_order(order), m_write(write), m_settings(settings), m_prompter(prompter)
{
}

bool OrderReceipts::checkEntry(const ReceiptEntry &entry) const
{
    QString refusal;
    if (ParseAmount(entry.amount) == 0)
        refusal = QStringLiteral("Niste definirali iznos računa!");
    else if (entry.number.trimmed().isEmpty())
        refusal = QStringLiteral("Niste unijeli broj računa!");
    else if (entry.currency.trimmed().isEmpty())
        refusal = QStringLiteral("Niste odredili valutu plaćanja!");
    if (refusal.isEmpty())
        return true;
    m_prompter.message(refusal, Prompter::Kind::Warning);
    return false;
}

int OrderReceipts::fuelKindOf(const QString &kindText)
{
    bool ok = false;
    const int kind = kindText.trimmed().toInt(&ok);
    if (ok && kind >= Receipt::Tank && kind <= Receipt::Lubricant)
        return kind;
    return Receipt::Tank;
}

Receipt OrderReceipts::rowOf(const ReceiptEntry &entry, int id) const
{
    Receipt r;
    r.id = id;
    r.date = entry.date;
    r.number = entry.number;
    r.amount = ParseAmount(entry.amount);
    r.currency = entry.currency.trimmed();
    r.payment = entry.payment;
    r.inFavourOf = entry.inFavourOf;
    r.description = entry.description;
    r.place = entry.place;
    r.fuelType = entry.fuelType;
    // What a hidden panel holds is not the receipt's.
    r.partnerId = entry.partnerShown() ? entry.partnerId : -1;
    if (entry.fuel) {
        r.fuel = fuelKindOf(entry.fuelKind);
        r.odometer = ParseAmount(entry.odometer);
        r.litres = ParseAmount(entry.litres);
    }
    return r;
}

bool OrderReceipts::add(ReceiptEntry &entry)
{
    if (!checkEntry(entry))
        return false;
    m_order.receipts.append(rowOf(entry, -1));
    reset(entry);
    return true;
}

bool OrderReceipts::change(int row, const ReceiptEntry &entry)
{
    if (row < 0 || row >= m_order.receipts.size())
        return false;
    m_order.receipts[row] = rowOf(entry, m_order.receipts.at(row).id);
    return true;
}

void OrderReceipts::remove(int row)
{
    m_order.removeReceipt(row);
}

ReceiptEntry OrderReceipts::entryOf(int row, const QDate &today) const
{
    ReceiptEntry entry;
    if (row < 0 || row >= m_order.receipts.size())
        return entry;
    const Receipt &r = m_order.receipts.at(row);
    entry.date = r.date.isValid() ? r.date : today;
    entry.amount = FormatAmount(r.amount);
    entry.number = r.number;
    entry.currency = r.currency;
    entry.payment = r.payment;
    entry.description = r.description;
    entry.inFavourOf = r.inFavourOf;
    entry.place = r.place;
    entry.partnerId = r.partnerId;
    entry.fuelType = r.fuelType;
    entry.fuel = r.isFuel();
    if (entry.fuel) {
        entry.fuelKind = QString::number(r.fuel);
        entry.odometer = FormatAmountZero(r.odometer);
        entry.litres = FormatAmount(r.litres);
    }
    return entry;
}

void OrderReceipts::reset(ReceiptEntry &entry)
{
    entry.amount.clear();
    entry.number.clear();
    entry.place.clear();
    entry.odometer.clear();
    entry.litres.clear();
    entry.fuelType.clear();
    entry.partnerId = -1;
    entry.currency.clear();
    entry.payment = Receipt::Cash;
    entry.fuel = false;
    entry.inFavourOf.clear();
    entry.description.clear();
}

namespace {

// A multi-line text setting as a choice list: a line each, blank lines left out.
QStringList lines(const QString &text)
{
    QStringList items;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!line.trimmed().isEmpty())
            items << line;
    }
    return items;
}

} // namespace

ReceiptChoices OrderReceipts::choices() const
{
    return {lines(m_settings.text(QStringLiteral("UKoristDefault"))),
            lines(m_settings.text(QStringLiteral("OpisRacunaDefault")))};
}

void OrderReceipts::choosePartner(ReceiptEntry &entry, int partnerId, const QString &partnerName)
{
    entry.partnerId = partnerId;
    if (entry.inFavourOf.trimmed().isEmpty())
        entry.inFavourOf = partnerName;
}

ReceiptSummary OrderReceipts::summary()
{
    ReceiptSummary s;
    OrderRateLookup rates(m_write, m_order, SummaryAccountingCurrency(m_settings, m_order));

    s.cashByCurrency = CurrencyLines(ReceiptsByCurrency(m_order, true));
    s.otherByCurrency = CurrencyLines(ReceiptsByCurrency(m_order, false));
    s.cashInBase = SummaryAmount(ReceiptsInBase(rates, true));
    s.otherInBase = SummaryAmount(ReceiptsInBase(rates, false));
    if (m_order.twoCurrencies) {
        const TwoCurrencyAmount parts =
            CashReceiptsSplit(rates, m_settings.flag(QStringLiteral("DoubleAlternativno")));
        s.cashSplit = AmountWithCode(parts.base, m_order.baseCurrency) + QStringLiteral("   ")
            + AmountWithCode(parts.alternative, m_order.altCurrency);
    }
    s.count = m_order.receipts.size();
    for (const Receipt &r : m_order.receipts) {
        if (r.payment == Receipt::Cash)
            ++s.cashCount;
    }

    s.missingRate = rates.metMissingRate();
    if (s.missingRate)
        m_prompter.message(OrderRateLookup::missingRateWarning(), Prompter::Kind::Warning);
    return s;
}

} // namespace kalvor
