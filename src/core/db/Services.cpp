#include "core/db/Services.h"

#include "core/db/Database.h"
#include "core/db/FbStatus.h"
#include "core/db/Win1250.h"

#include <firebird/Interface.h>
#include <ibase.h>

namespace kalvor::db {

using namespace Firebird;

namespace {

constexpr int responseSize = 65000;

// Reads the items of a service response; every read checks the bounds and
// a response that ends early or has an unknown item is an error.
class Response
{
public:
    explicit Response(const QByteArray &data) : m_data(data) {}

    bool atEnd() const { return m_pos >= m_data.size(); }
    unsigned char tag() { return byte(); }
    int length2()
    {
        const int low = byte();
        const int high = byte();
        return low | (high << 8);
    }
    qint32 int4()
    {
        quint32 v = 0;
        for (int i = 0; i < 4; ++i)
            v |= quint32(byte()) << (8 * i);
        return qint32(v);
    }
    QString string()
    {
        const int n = length2();
        need(n);
        const QByteArray bytes = m_data.mid(m_pos, n);
        m_pos += n;
        return fromWin1250(bytes);
    }
    QByteArray block(int n)
    {
        need(n);
        const QByteArray bytes = m_data.mid(m_pos, n);
        m_pos += n;
        return bytes;
    }
    [[noreturn]] static void malformed()
    {
        throw DbError(QStringLiteral("Neočekivan odgovor servisa poslužitelja."));
    }

private:
    unsigned char byte()
    {
        need(1);
        return static_cast<unsigned char>(m_data.at(m_pos++));
    }
    void need(int n) const
    {
        if (n < 0 || m_pos + n > m_data.size())
            malformed();
    }

    QByteArray m_data;
    qsizetype m_pos = 0;
};

struct Builder
{
    IXpbBuilder *xpb = nullptr;
    ~Builder()
    {
        if (xpb)
            xpb->dispose();
    }
};

} // namespace

QString ServiceManager::serviceName(const QString &server)
{
    const QString service = QStringLiteral("service_mgr");
    return server.isEmpty() ? service : server + QLatin1Char(':') + service;
}

ServiceManager::ServiceManager(const ServiceLogin &login)
{
    detail::Status st;
    Builder spb;
    spb.xpb = Database::util()->getXpbBuilder(&st, IXpbBuilder::SPB_ATTACH, nullptr, 0);
    st.check();
    const QByteArray user = toWin1250(login.user);
    const QByteArray password = toWin1250(login.password);
    spb.xpb->insertString(&st, isc_spb_user_name, user.constData());
    spb.xpb->insertString(&st, isc_spb_password, password.constData());
    st.check();
    const QByteArray name = serviceName(login.server).toLocal8Bit();
    IService *service = Database::master()->getDispatcher()->attachServiceManager(
        &st, name.constData(), spb.xpb->getBufferLength(&st), spb.xpb->getBuffer(&st));
    if (st.failed()) {
        if (service)
            service->release();
        st.check();
    }
    m_service = service;
}

ServiceManager::~ServiceManager()
{
    if (!m_service)
        return;
    detail::Status st;
    m_service->detach(&st);
    if (st.failed())
        m_service->release();
}

QByteArray ServiceManager::query(const QByteArray &receiveItems)
{
    detail::Status st;
    QByteArray buffer(responseSize, '\0');
    m_service->query(&st, 0, nullptr, unsigned(receiveItems.size()),
                     reinterpret_cast<const unsigned char *>(receiveItems.constData()), unsigned(buffer.size()),
                     reinterpret_cast<unsigned char *>(buffer.data()));
    st.check();
    return buffer;
}

QStringList ServiceManager::attachedDatabases()
{
    Response r(query(QByteArray(1, char(isc_info_svc_svr_db_info))));
    if (r.tag() != isc_info_svc_svr_db_info)
        Response::malformed();
    QStringList names;
    for (;;) {
        switch (r.tag()) {
        case isc_spb_num_att:
        case isc_spb_num_db:
            r.int4();
            break;
        case isc_spb_dbname:
            names << r.string();
            break;
        case isc_info_flag_end:
            return names;
        default:
            Response::malformed();
        }
    }
}

QStringList ServiceManager::userNames()
{
    detail::Status st;
    Builder spb;
    spb.xpb = Database::util()->getXpbBuilder(&st, IXpbBuilder::SPB_START, nullptr, 0);
    st.check();
    spb.xpb->insertTag(&st, isc_action_svc_display_user);
    st.check();
    m_service->start(&st, spb.xpb->getBufferLength(&st), spb.xpb->getBuffer(&st));
    st.check();

    // The list comes in blocks of clusters; an empty block ends it.
    QStringList names;
    for (;;) {
        Response r(query(QByteArray(1, char(isc_info_svc_get_users))));
        if (r.tag() != isc_info_svc_get_users)
            Response::malformed();
        const int length = r.length2();
        if (length == 0)
            return names;
        Response block(r.block(length));
        while (!block.atEnd()) {
            switch (block.tag()) {
            case isc_spb_sec_username:
                names << block.string();
                break;
            case isc_spb_sec_firstname:
            case isc_spb_sec_middlename:
            case isc_spb_sec_lastname:
            case isc_spb_sec_groupname:
                block.string();
                break;
            case isc_spb_sec_userid:
            case isc_spb_sec_groupid:
            case isc_spb_sec_admin:
                block.int4();
                break;
            default:
                Response::malformed();
            }
        }
    }
}

} // namespace kalvor::db
