#include "suite/ProposedIndexes.h"

#include "companygen/WriteMode.h"
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
    // The same saves with forced writes off: the engine's own work.
    BenchTable saves;
    {
        BenchContext quiet(size + QStringLiteral("+idx"), copy, options, saves);
        companygen::SetForcedWrites(quiet.params(), false);
        quiet.open();
        benchSaveOrders(quiet);
        quiet.close();
    }
    for (BenchRow row : saves.rows()) {
        row.name += QStringLiteral(", forced writes off");
        table.add(row);
    }
    QFile::remove(copy);
}

} // namespace kalvor::bench
