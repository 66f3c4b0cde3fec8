#include "suite/TransactionBenchmarks.h"

#include "core/db/DbError.h"
#include "suite/BenchContext.h"

#include <firebird/Interface.h>
#include <ibase.h>

namespace kalvor::bench {

namespace {

using namespace Firebird;

// Starts and commits one empty transaction with the parameter buffer.
void startAndCommit(db::Database &database, const QByteArray &tpb)
{
    IStatus *status = db::Database::master()->getStatus();
    CheckStatusWrapper st(status);
    ITransaction *t = database.attachment()->startTransaction(&st, unsigned(tpb.size()),
                                                              reinterpret_cast<const unsigned char *>(tpb.constData()));
    if (!(st.getState() & IStatus::STATE_ERRORS))
        t->commit(&st);
    const bool failed = (st.getState() & IStatus::STATE_ERRORS) != 0;
    status->dispose();
    if (failed)
        throw db::DbError(QStringLiteral("transaction start or commit failed"));
}

QByteArray tpb(bool readOnly)
{
    QByteArray b;
    for (int item : {isc_tpb_version3, readOnly ? isc_tpb_read : isc_tpb_write, isc_tpb_read_committed,
                     isc_tpb_rec_version, isc_tpb_nowait})
        b.append(char(item));
    return b;
}

} // namespace

void benchTransactions(BenchContext &c)
{
    const int runs = c.options().runs;
    c.add(c.measure(QStringLiteral("transaction start + commit, read-write (the program's transactions)"), runs,
                    [&](int) { startAndCommit(c.database(), tpb(false)); }));
    c.add(c.measure(QStringLiteral("transaction start + commit, read-only"), runs,
                    [&](int) { startAndCommit(c.database(), tpb(true)); }));
}

} // namespace kalvor::bench
