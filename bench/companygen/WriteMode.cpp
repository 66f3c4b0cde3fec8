#include "companygen/WriteMode.h"

#include "core/db/DbError.h"

#include <firebird/Interface.h>
#include <ibase.h>

namespace kalvor::companygen {

using namespace Firebird;

namespace {

class Status
{
public:
    Status() : m_status(db::Database::master()->getStatus()), m_wrapper(m_status) {}
    ~Status() { m_status->dispose(); }
    CheckStatusWrapper *operator&() { return &m_wrapper; }
    bool failed() const { return (m_wrapper.getState() & IStatus::STATE_ERRORS) != 0; }
    void check()
    {
        if (!failed())
            return;
        char text[1024];
        db::Database::util()->formatStatus(text, sizeof text, &m_wrapper);
        m_wrapper.init();
        throw db::DbError(QString::fromLocal8Bit(text));
    }

private:
    IStatus *m_status;
    CheckStatusWrapper m_wrapper;
};

// An SPB built by the engine's own builder, freed with it.
class Spb
{
public:
    Spb(Status &st, unsigned kind) : m_xpb(db::Database::util()->getXpbBuilder(&st, kind, nullptr, 0)) { st.check(); }
    ~Spb() { m_xpb->dispose(); }
    IXpbBuilder *operator->() const { return m_xpb; }
    unsigned length(Status &st) const { return m_xpb->getBufferLength(&st); }
    const unsigned char *buffer(Status &st) const { return m_xpb->getBuffer(&st); }

private:
    IXpbBuilder *m_xpb;
};

} // namespace

void SetForcedWrites(const db::ConnectParams &params, bool on)
{
    Status st;
    Spb attach(st, IXpbBuilder::SPB_ATTACH);
    attach->insertString(&st, isc_spb_user_name, params.user.toUtf8().constData());
    attach->insertString(&st, isc_spb_password, params.password.toUtf8().constData());
    st.check();
    IService *service =
        db::Database::master()->getDispatcher()->attachServiceManager(&st, "service_mgr", attach.length(st),
                                                                      attach.buffer(st));
    st.check();

    Spb start(st, IXpbBuilder::SPB_START);
    start->insertTag(&st, isc_action_svc_properties);
    start->insertString(&st, isc_spb_dbname, params.databaseName.toLocal8Bit().constData());
    const unsigned char mode = on ? isc_spb_prp_wm_sync : isc_spb_prp_wm_async;
    start->insertBytes(&st, isc_spb_prp_write_mode, &mode, 1);
    if (!st.failed())
        service->start(&st, start.length(st), start.buffer(st));
    if (!st.failed()) {
        // The action is done when the service has no more lines to give.
        const unsigned char items[] = {isc_info_svc_line};
        unsigned char buffer[1024];
        for (int guard = 0; guard < 1000; ++guard) {
            service->query(&st, 0, nullptr, sizeof items, items, sizeof buffer, buffer);
            if (st.failed())
                break;
            const int length = buffer[0] == isc_info_svc_line ? (buffer[1] | (buffer[2] << 8)) : 0;
            if (length == 0)
                break;
        }
    }
    Status detach;
    service->detach(&detach);
    st.check();
}

} // namespace kalvor::companygen
