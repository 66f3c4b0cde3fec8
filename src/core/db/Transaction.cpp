#include "core/db/Transaction.h"

#include "core/db/FbStatus.h"

#include <firebird/Interface.h>

namespace kalvor::db {

using namespace Firebird;

Transaction::Transaction(Database &db) : m_db(db)
{
    m_db.attachTransaction(this);
}

Transaction::~Transaction()
{
    abandon();
    m_db.detachTransaction(this);
}

void Transaction::start()
{
    if (m_handle)
        throw DbError(QStringLiteral("Transakcija je već pokrenuta."));
    if (!m_db.isOpen())
        throw DbError(QStringLiteral("Veza s bazom nije otvorena."));
    static const unsigned char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed,
                                        isc_tpb_rec_version, isc_tpb_nowait};
    detail::Status st;
    ITransaction *t = m_db.attachment()->startTransaction(&st, sizeof tpb, tpb);
    st.check();
    m_handle = t;
}

bool Transaction::ensureStarted()
{
    if (m_handle)
        return false;
    start();
    return true;
}

void Transaction::commit()
{
    if (!m_handle)
        return;
    detail::Status st;
    m_handle->commit(&st);
    if (!st.failed()) {
        m_handle = nullptr;
        m_db.transactionEnded(this);
    }
    st.check();
}

void Transaction::rollback()
{
    if (!m_handle)
        return;
    m_db.transactionEnded(this);
    detail::Status st;
    m_handle->rollback(&st);
    if (st.failed()) {
        // The handle is unusable either way; do not leave it for the next start.
        m_handle->release();
        m_handle = nullptr;
        st.check();
    }
    m_handle = nullptr;
}

void Transaction::abandon()
{
    if (!m_handle)
        return;
    m_db.transactionEnded(this);
    detail::Status st;
    m_handle->rollback(&st);
    if (st.failed())
        m_handle->release();
    m_handle = nullptr;
}

TransactionGuard::~TransactionGuard()
{
    if (m_owner && !m_done) {
        try {
            m_t.rollback();
        } catch (const DbError &) {
            // Nothing more can be done for a connection that is already gone.
        }
    }
}

void TransactionGuard::commit()
{
    if (m_owner)
        m_t.commit();
    m_done = true;
}

} // namespace kalvor::db
