#include "core/db/FbStatus.h"

#include "core/db/Database.h"
#include "core/db/Win1250.h"

namespace kalvor::db::detail {

Status::Status()
    : m_status(Database::master()->getStatus())
    , m_wrapper(m_status)
{
}

Status::~Status()
{
    m_status->dispose();
}

bool Status::failed() const
{
    return (m_wrapper.getState() & Firebird::IStatus::STATE_ERRORS) != 0;
}

DbError Status::error(const QString &statement) const
{
    Firebird::CheckStatusWrapper &w = const_cast<Firebird::CheckStatusWrapper &>(m_wrapper);
    char buffer[2048];
    Database::util()->formatStatus(buffer, sizeof buffer, &w);
    // The engine's texts are plain ASCII except for object names and values,
    // which travel as the database's own bytes.
    QString message = fromWin1250(QByteArray(buffer)).trimmed();

    QVector<long> codes;
    const ISC_STATUS *vector = w.getErrors();
    for (const ISC_STATUS *p = vector; *p != isc_arg_end;) {
        const ISC_STATUS kind = *p++;
        const ISC_STATUS value = *p++;
        if (kind == isc_arg_gds)
            codes << long(value);
        else if (kind == isc_arg_cstring)
            ++p;
    }
    const int sqlCode = int(isc_sqlcode(vector));
    return DbError(message, codes, sqlCode, statement);
}

void Status::check(const QString &statement)
{
    if (!failed())
        return;
    DbError e = error(statement);
    m_wrapper.init();
    throw e;
}

} // namespace kalvor::db::detail
