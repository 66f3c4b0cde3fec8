#pragma once

#include "core/db/Database.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"

#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantMap>
#include <QVector>
#include <QtTest/QTest>
#include <functional>

namespace kalvor::test {

// A database file of its own for one test, opened on a db::Database of the
// test (embedded engine: the plain path, user SYSDBA). The file is a copy of
// a template that is made once per test process with the real schema code:
// Schema::Full is a database as `createKalvorDatabase` makes it (base schema
// and upgrade), Schema::Base the bare delivered database without the upgrade.
// The destructor closes the connection; the folder is removed with it.
class TestDatabase
{
public:
    enum class Schema { Full, Base };

    explicit TestDatabase(db::Database &database, Schema schema = Schema::Full);
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    db::Database &database() const { return m_db; }
    const QString &path() const { return m_path; }
    db::ConnectParams params() const { return connectParams(m_path); }
    static db::ConnectParams connectParams(const QString &path);

    void open();   // opens the file again after close()
    void close();

    // Runs one statement in a transaction of its own and commits it; a
    // failure rolls back and throws db::DbError.
    int exec(const QString &sql, const QVariantMap &params = {});
    QVariant scalar(const QString &sql, const QVariantMap &params = {});
    QVector<QVariantList> rows(const QString &sql, const QVariantMap &params = {});

    // A fresh folder of the test's own, for further database files.
    const QTemporaryDir &folder() const { return m_dir; }

    // Path of a new copy of a template (not opened), inside folder().
    QString copyOfTemplate(Schema schema, const QString &fileName);

private:
    db::Database &m_db;
    QTemporaryDir m_dir;
    QString m_path;
};

// Runs `work`; on db::DbError returns false and puts the database's message
// (and the statement) into `message`.
bool succeeds(const std::function<void()> &work, QString &message);

} // namespace kalvor::test

// QVERIFY for database work: fails the test with the database's own message
// when the statement throws db::DbError.
#define VERIFY_DB(statement)                                                                                 \
    do {                                                                                                     \
        QString kalvorDbMessage_;                                                                            \
        if (!kalvor::test::succeeds([&]() { statement; }, kalvorDbMessage_))                                 \
            QTest::qFail(qPrintable(QStringLiteral(#statement ": ") + kalvorDbMessage_), __FILE__, __LINE__); \
        if (QTest::currentTestFailed())                                                                      \
            return;                                                                                          \
    } while (false)
