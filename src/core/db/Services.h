#pragma once

#include "core/db/DbError.h"

#include <QString>
#include <QStringList>

namespace Firebird {
class IService;
}

namespace kalvor::db {

// How to reach the services of a database server: locally ("service_mgr",
// the embedded engine) when `server` is empty, otherwise over TCP
// ("server:service_mgr"), with the server's login.
struct ServiceLogin
{
    QString server;
    QString user;
    QString password;
};

// An attachment to the service manager of the Firebird server. Every call
// throws DbError with the server's own message on failure.
class ServiceManager
{
public:
    explicit ServiceManager(const ServiceLogin &login);
    ~ServiceManager();
    ServiceManager(const ServiceManager &) = delete;
    ServiceManager &operator=(const ServiceManager &) = delete;

    static QString serviceName(const QString &server);

    // The names of the databases in use on the server
    // (isc_info_svc_svr_db_info).
    QStringList attachedDatabases();
    // The user names of the server's security database
    // (isc_action_svc_display_user).
    QStringList userNames();

private:
    QByteArray query(const QByteArray &receiveItems);

    Firebird::IService *m_service = nullptr;
};

} // namespace kalvor::db
