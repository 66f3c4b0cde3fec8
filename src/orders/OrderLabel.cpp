#include "orders/OrderLabel.h"

#include "core/Settings.h"
#include "core/db/Query.h"

#include <QStringList>

namespace kalvor {

LabelRules LabelRules::fromSettings(const Settings &settings)
{
    LabelRules rules;
    rules.automatic = settings.flag(QStringLiteral("AutomatskaOznaka"));
    rules.pattern = settings.integer(QStringLiteral("Oznaka_tip")) == Monthly ? Monthly : Yearly;
    const int kind = settings.integer(QStringLiteral("OznakaDatum"));
    rules.dateKind = kind >= AccountingDate && kind <= EntryTime ? kind : AccountingDate;
    rules.prefix = settings.text(QStringLiteral("Oznaka_prefiks"));
    rules.suffix = settings.text(QStringLiteral("Oznaka_sufiks"));
    rules.separator = settings.text(QStringLiteral("Oznaka_separator"));
    return rules;
}

namespace {

QString column(int dateKind)
{
    switch (dateKind) {
    case LabelRules::OrderDate:
        return QStringLiteral("DATUM");
    case LabelRules::EntryTime:
        return QStringLiteral("DATVRIUNOSA");
    default:
        return QStringLiteral("DATUMOBRADE");
    }
}

QDate periodDate(const LabelRules &rules, const LabelDates &dates)
{
    switch (rules.dateKind) {
    case LabelRules::OrderDate:
        return dates.order;
    case LabelRules::EntryTime:
        return dates.entry.date();
    default:
        return dates.accounting;
    }
}

} // namespace

QString labelCountStatement(int pattern, int dateKind)
{
    const QString c = column(dateKind);
    QStringList lines{QStringLiteral("SELECT COUNT(*) FROM NALOZI WHERE ")};
    if (pattern == LabelRules::Monthly)
        lines << QStringLiteral(" EXTRACT(MONTH FROM") << c + QStringLiteral(")=:M")
              << QStringLiteral(" AND EXTRACT(YEAR FROM") << c + QStringLiteral(")=:Y");
    else
        lines << QStringLiteral(" EXTRACT(YEAR FROM") << c + QStringLiteral(")=:Y");
    if (dateKind == LabelRules::EntryTime)
        lines << QStringLiteral("AND DATVRIUNOSA<=:DD");
    return lines.join(QLatin1Char('\n'));
}

QString GenerateLabel(db::Transaction &write, const LabelRules &rules, const LabelDates &dates)
{
    if (!rules.automatic)
        return QString();
    const QDate d = periodDate(rules, dates);
    if (!d.isValid())
        return QString();
    db::TransactionGuard guard(write);
    db::Query count(write, labelCountStatement(rules.pattern, rules.dateKind));
    count.bind(QStringLiteral("Y"), d.year());
    if (rules.pattern == LabelRules::Monthly)
        count.bind(QStringLiteral("M"), d.month());
    if (rules.dateKind == LabelRules::EntryTime)
        count.bind(QStringLiteral("DD"), dates.entry);
    const qint64 number = count.scalar().toLongLong() + 1;
    guard.commit();

    QString label = rules.prefix + QString::number(number) + rules.separator;
    if (rules.pattern == LabelRules::Monthly)
        label += QStringLiteral("%1").arg(d.month(), 2, 10, QLatin1Char('0')) + rules.separator;
    return label + QString::number(d.year()) + rules.suffix;
}

} // namespace kalvor
