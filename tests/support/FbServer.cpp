#include "support/FbServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <firebird/Interface.h>

#include <sys/stat.h>

namespace kalvor::test {

namespace {

// KEY=VALUE lines as scripts/fbserver writes them (values shell-quoted
// with printf %q, which for plain words is the word itself).
QHash<QString, QString> readEnvFile(const QString &fileName)
{
    QHash<QString, QString> values;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return values;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        QString value = line.mid(eq + 1);
        if (value.size() >= 2 && value.startsWith(QLatin1Char('\'')) && value.endsWith(QLatin1Char('\'')))
            value = value.mid(1, value.size() - 2);
        else
            value.replace(QRegularExpression(QStringLiteral("\\\\(.)")), QStringLiteral("\\1"));
        values.insert(line.left(eq), value);
    }
    return values;
}

QString statusText(Firebird::IStatus *status)
{
    char buffer[1024];
    db::Database::util()->formatStatus(buffer, sizeof buffer, status);
    return QString::fromLocal8Bit(buffer).simplified();
}

} // namespace

using db::Database;

const FbServer &FbServer::instance()
{
    static const FbServer server;
    return server;
}

FbServer::FbServer()
{
    m_host = qEnvironmentVariable("KALVOR_FB_SERVER");
    m_user = qEnvironmentVariable("KALVOR_FB_USER");
    m_password = qEnvironmentVariable("KALVOR_FB_PASSWORD");
    if (m_host.isEmpty()) {
        const auto file = readEnvFile(QCoreApplication::applicationDirPath()
                                      + QStringLiteral("/fbserver/env"));
        m_host = file.value(QStringLiteral("KALVOR_FB_SERVER"));
        m_user = file.value(QStringLiteral("KALVOR_FB_USER"));
        m_password = file.value(QStringLiteral("KALVOR_FB_PASSWORD"));
    }
    if (m_user.isEmpty())
        m_user = QStringLiteral("SYSDBA");
}

bool FbServer::requiredByCi()
{
    const QString ci = qEnvironmentVariable("CI").toLower();
    return !ci.isEmpty() && ci != QLatin1String("false") && ci != QLatin1String("0");
}

QString FbServer::unavailableReason() const
{
    if (!m_probed) {
        m_reason = probe();
        m_probed = true;
    }
    return m_reason;
}

// Attaches the server's service manager with the login: proves that the
// server answers and that the password is right, without any database.
QString FbServer::probe() const
{
    if (!configured())
        return QStringLiteral("KALVOR_FB_SERVER is not set (make test starts the server "
                              "with scripts/fbserver)");

    Firebird::IMaster *master = Database::master();
    Firebird::IStatus *status = master->getStatus();
    Firebird::CheckStatusWrapper st(status);
    Firebird::IProvider *provider = master->getDispatcher();
    Firebird::IXpbBuilder *spb =
        Database::util()->getXpbBuilder(&st, Firebird::IXpbBuilder::SPB_ATTACH, nullptr, 0);
    const QByteArray user = m_user.toUtf8();
    const QByteArray password = m_password.toUtf8();
    spb->insertString(&st, isc_spb_user_name, user.constData());
    spb->insertString(&st, isc_spb_password, password.constData());
    const QByteArray service = (m_host + QStringLiteral(":service_mgr")).toUtf8();
    Firebird::IService *svc = provider->attachServiceManager(
        &st, service.constData(), spb->getBufferLength(&st), spb->getBuffer(&st));
    QString reason;
    if (st.getState() & Firebird::IStatus::STATE_ERRORS)
        reason = QStringLiteral("%1 does not answer as %2: %3")
                     .arg(m_host, m_user, statusText(&st));
    if (svc) {
        st.init();
        svc->detach(&st);
    }
    spb->dispose();
    provider->release();
    status->dispose();
    return reason;
}

db::ConnectParams FbServer::params(const QString &path) const
{
    db::ConnectParams p;
    p.databaseName = m_host + QLatin1Char(':') + path;
    p.user = m_user;
    p.password = m_password;
    return p;
}

ServerDatabase::ServerDatabase(const QString &fileName)
    : m_dir(QDir::tempPath() + QStringLiteral("/kalvor-fbserver-XXXXXX"))
{
    if (!m_dir.isValid())
        qFatal("cannot create a temporary folder: %s", qPrintable(m_dir.errorString()));
    // The server may run as another user than the test.
    ::chmod(QFile::encodeName(m_dir.path()).constData(), 0777);
    m_path = m_dir.filePath(fileName);
}

void ServerDatabase::create()
{
    Database db;
    db.create(params());
    db.close();
    // Readable for whoever opens it next (the server or an embedded tool).
    ::chmod(QFile::encodeName(m_path).constData(), 0666);
}

} // namespace kalvor::test
