#include "core/db/Database.h"

#include "core/db/FbStatus.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"
#include "core/db/Win1250.h"

#include <QFileInfo>
#include <firebird/Interface.h>

namespace kalvor::db {

using namespace Firebird;

namespace {

// A local path has no "host:" in front (a one-letter drive is not a host).
bool isLocalPath(const QString &name)
{
    const int colon = name.indexOf(QLatin1Char(':'));
    return colon < 0 || colon == 1;
}

struct Dpb
{
    IXpbBuilder *builder = nullptr;
    ~Dpb()
    {
        if (builder)
            builder->dispose();
    }
};

} // namespace

IMaster *Database::master()
{
    static IMaster *m = fb_get_master_interface();
    return m;
}

IUtil *Database::util()
{
    return master()->getUtilInterface();
}

Database::Database() = default;

Database::~Database()
{
    close();
}

void Database::noteStatement(const QString &sql)
{
    ++m_statementsSent;
    if (m_sink)
        m_sink(sql);
}

static void buildDpb(detail::Status &st, Dpb &dpb, const ConnectParams &params, QStringList &items,
                     int pageSize)
{
    dpb.builder = Database::util()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
    st.check();
    items.clear();
    const QByteArray ctype = params.lcCtype.toLatin1();
    dpb.builder->insertString(&st, isc_dpb_lc_ctype, ctype.constData());
    items << QStringLiteral("lc_ctype=") + params.lcCtype;
    if (params.withLogin) {
        const QByteArray user = toWin1250(params.user);
        const QByteArray password = toWin1250(params.password);
        dpb.builder->insertString(&st, isc_dpb_user_name, user.constData());
        dpb.builder->insertString(&st, isc_dpb_password, password.constData());
        items << QStringLiteral("user_name=") + params.user << QStringLiteral("password=") + params.password;
    }
    if (pageSize > 0) {
        dpb.builder->insertInt(&st, isc_dpb_page_size, pageSize);
        dpb.builder->insertInt(&st, isc_dpb_sql_dialect, 3);
    }
    st.check();
}

void Database::open(const ConnectParams &params)
{
    close();
    detail::Status st;
    Dpb dpb;
    m_params = params;
    buildDpb(st, dpb, params, m_dpbItems, 0);
    const QByteArray name = params.databaseName.toLocal8Bit();
    IAttachment *att = master()->getDispatcher()->attachDatabase(
        &st, name.constData(), dpb.builder->getBufferLength(&st), dpb.builder->getBuffer(&st));
    if (st.failed()) {
        if (att)
            att->release();
        st.check();
    }
    m_attachment = att;
}

void Database::create(const ConnectParams &params, int pageSize)
{
    close();
    if (isLocalPath(params.databaseName) && QFileInfo::exists(params.databaseName))
        throw DbError(QStringLiteral("Datoteka %1 već postoji; nova baza se ne stvara preko nje.")
                          .arg(params.databaseName));
    detail::Status st;
    Dpb dpb;
    m_params = params;
    buildDpb(st, dpb, params, m_dpbItems, pageSize);
    const QByteArray name = params.databaseName.toLocal8Bit();
    IAttachment *att = master()->getDispatcher()->createDatabase(
        &st, name.constData(), dpb.builder->getBufferLength(&st), dpb.builder->getBuffer(&st));
    if (st.failed()) {
        if (att)
            att->release();
        st.check();
    }
    m_attachment = att;
}

void Database::transactionEnded(Transaction *t)
{
    for (Query *q : m_queries)
        if (&q->m_tr == t)
            q->dropCursor();
}

void Database::close()
{
    if (!m_attachment)
        return;
    for (Query *q : std::set<Query *>(m_queries))
        q->release();
    for (Transaction *t : std::set<Transaction *>(m_transactions))
        t->abandon();
    detail::Status st;
    m_attachment->detach(&st);
    if (st.failed())
        m_attachment->release(); // the connection is gone already; free our handle
    m_attachment = nullptr;
}

} // namespace kalvor::db
