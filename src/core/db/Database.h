#pragma once

#include "core/db/DbError.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <set>

namespace Firebird {
class IAttachment;
class IMaster;
class IUtil;
} // namespace Firebird

namespace kalvor::db {

class Transaction;
class Query;

// How to reach a database: the name as Firebird takes it ("/path/file.fdb"
// for the embedded engine, "host:/path/file.fdb" for a server) and the login.
struct ConnectParams
{
    QString databaseName;
    QString user;
    QString password;
    bool withLogin = true;     // false: no user_name/password in the parameters
    QString lcCtype = QStringLiteral("NONE");
};

// The one connection (attachment) of a program. Transactions and queries are
// created on it; closing the connection rolls back every active transaction
// and frees every statement, so objects that outlive a reconnect stay usable.
class Database
{
public:
    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    void open(const ConnectParams &params);
    void close();
    bool isOpen() const { return m_attachment != nullptr; }
    const QString &databaseName() const { return m_params.databaseName; }
    const ConnectParams &params() const { return m_params; }

    // Creates a new database file (SQL dialect 3, character set NONE) and
    // leaves it open. Fails when the file exists.
    void create(const ConnectParams &params, int pageSize = 8192);

    // Connection parameter buffer items in the order they are sent
    // (name, value), as the last open() built them.
    const QStringList &connectParameters() const { return m_dpbItems; }

    // Every SQL text sent to the database (prepared statements and script
    // statements) is counted and, when a sink is set, reported to it.
    void setStatementSink(std::function<void(const QString &)> sink) { m_sink = std::move(sink); }
    int statementsSent() const { return m_statementsSent; }

    Firebird::IAttachment *attachment() const { return m_attachment; }
    static Firebird::IMaster *master();
    static Firebird::IUtil *util();

    // Called by the layer before a statement text reaches the database.
    void noteStatement(const QString &sql);

private:
    friend class Transaction;
    friend class Query;
    void attachTransaction(Transaction *t) { m_transactions.insert(t); }
    void detachTransaction(Transaction *t) { m_transactions.erase(t); }
    void attachQuery(Query *q) { m_queries.insert(q); }
    void detachQuery(Query *q) { m_queries.erase(q); }
    void transactionEnded(Transaction *t);

    Firebird::IAttachment *m_attachment = nullptr;
    ConnectParams m_params;
    QStringList m_dpbItems;
    std::set<Transaction *> m_transactions;
    std::set<Query *> m_queries;
    std::function<void(const QString &)> m_sink;
    int m_statementsSent = 0;
};

} // namespace kalvor::db
