#include "suite/ComputeBenchmarks.h"

#include "core/db/Query.h"
#include "orders/AllowanceCount.h"
#include "orders/OrderStayText.h"
#include "reference/MultiCountryCalculator.h"
#include "suite/BenchContext.h"

namespace kalvor::bench {

void benchComputations(BenchContext &c)
{
    QVector<QPair<QDateTime, QDateTime>> journeys;
    QStringList texts;
    {
        db::TransactionGuard guard(c.read());
        db::Query q(c.read(), QStringLiteral("SELECT FIRST 2000 DATVRIODLASKA,DATVRIPOVRATKA FROM NALOZI "
                                             "WHERE DATVRIPOVRATKA IS NOT NULL ORDER BY IDNALOG DESC"));
        q.open();
        while (q.next())
            journeys.append({q.value(0).toDateTime(), q.value(1).toDateTime()});
        db::Query t(c.read(), QStringLiteral("SELECT FIRST 500 DATA FROM OMD ORDER BY IDNALOG DESC"));
        t.open();
        while (t.next())
            texts << t.value(0).toString();
        guard.commit();
    }
    const AllowanceRules rules = AllowanceRules::fromSettings(c.settings());
    double sink = 0;

    if (!journeys.isEmpty()) {
        BenchRow count = c.measurePart(QStringLiteral("CountAllowances, per call"), c.options().runs, [&](int) {
            const double ms = timeMs([&] {
                for (const auto &j : journeys)
                    sink += CountAllowances(j.first, j.second, rules).count;
            });
            return ms / double(journeys.size());
        });
        c.add(count);
    }
    if (!texts.isEmpty()) {
        const JourneyAllowances journey = orderJourneyAllowances(rules);
        BenchRow stays = c.measurePart(QStringLiteral("CalculateStayText, per call"), c.options().runs, [&](int) {
            const double ms = timeMs([&] {
                for (const QString &text : texts)
                    sink += CalculateStayText(text, c.settings(), journey).allowances;
            });
            return ms / double(texts.size());
        });
        c.add(stays);
    }
    keep(sink);
}

} // namespace kalvor::bench
