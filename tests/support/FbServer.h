#pragma once

#include "core/db/Database.h"

#include <QString>
#include <QTemporaryDir>
#include <QtTest>

namespace kalvor::test {

// The Firebird server of the multi-client tests (scripts/fbserver starts it
// for `make test`). Its parameters come from KALVOR_FB_SERVER, KALVOR_FB_USER
// and KALVOR_FB_PASSWORD, or, when those are not set, from the file
// fbserver/env that scripts/fbserver writes into the build folder.
class FbServer
{
public:
    static const FbServer &instance();

    bool configured() const { return !m_host.isEmpty(); }
    // Empty when the server answers and takes the login; otherwise why not.
    // Checked once per test program.
    QString unavailableReason() const;
    // Under CI (CI=true) a missing server fails the test instead of skipping it.
    static bool requiredByCi();

    const QString &host() const { return m_host; }
    const QString &user() const { return m_user; }
    const QString &password() const { return m_password; }

    // "host:/path/file.fdb" with the server's login.
    db::ConnectParams params(const QString &path) const;

private:
    FbServer();
    QString probe() const;

    QString m_host;
    QString m_user;
    QString m_password;
    mutable bool m_probed = false;
    mutable QString m_reason;
};

// A fresh database for server tests in a temporary folder that the server
// process can reach (the folder is open to every user, so that a server that
// runs as the firebird user can create and write the file too).
class ServerDatabase
{
public:
    explicit ServerDatabase(const QString &fileName = QStringLiteral("server.fdb"));

    QString path() const { return m_path; }
    db::ConnectParams params() const { return FbServer::instance().params(m_path); }

    // Creates the (empty) database through the server and detaches.
    void create();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

} // namespace kalvor::test

// Skips the current test with the reason when the server is not there;
// under CI it fails instead.
#define KALVOR_REQUIRE_FB_SERVER()                                                    \
    do {                                                                              \
        const QString kalvorFbWhy = ::kalvor::test::FbServer::instance().unavailableReason(); \
        if (!kalvorFbWhy.isEmpty()) {                                                 \
            if (::kalvor::test::FbServer::requiredByCi())                             \
                QFAIL(qPrintable(QStringLiteral("CI needs the Firebird server: ") + kalvorFbWhy)); \
            QSKIP(qPrintable(QStringLiteral("no Firebird server: ") + kalvorFbWhy));  \
        }                                                                             \
    } while (false)
