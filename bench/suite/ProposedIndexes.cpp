#include "suite/ProposedIndexes.h"

#include "core/db/Script.h"
#include "suite/OrderBenchmarks.h"

#include <QFile>

namespace kalvor::bench {

QStringList proposedIndexStatements()
{
    return {QStringLiteral("CREATE INDEX NALOGVALUTA_IDX1 ON NALOGVALUTA (IDNALOG)"),
            QStringLiteral("CREATE INDEX OBRACUN_IDX1 ON OBRACUN (IDNALOG)"),
            QStringLiteral("CREATE INDEX NALOZI_IDX5 ON NALOZI (OZNAKA)")};
}

void benchWithProposedIndexes(const QString &size, const QString &path, const BenchOptions &options,
                              BenchTable &table)
{
    QString copy = path;
    copy.replace(QStringLiteral(".fdb"), QStringLiteral("_proposed.fdb"));
    QFile::remove(copy);
    if (!QFile::copy(path, copy)) {
        table.note(QStringLiteral("No copy of %1 for the proposed indexes.").arg(path));
        return;
    }
    {
        BenchContext c(size + QStringLiteral("+idx"), copy, options, table);
        c.open();
        {
            db::TransactionGuard guard(c.write());
            for (const QString &sql : proposedIndexStatements())
                db::executeImmediate(c.write(), sql);
            guard.commit();
        }
        benchOpenOrders(c);
        benchSaveOrders(c);
        c.close();
    }
    QFile::remove(copy);
}

} // namespace kalvor::bench
