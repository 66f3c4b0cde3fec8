#include "support/TestDatabase.h"

#include "core/DatabaseCreator.h"

#include <QDir>
#include <QFile>
#include <memory>

namespace kalvor::test {

namespace {

// One template file per schema kind and test process, made on first use.
struct Template
{
    QTemporaryDir dir;
    QString path;
};

const QString &templatePath(TestDatabase::Schema schema)
{
    static std::unique_ptr<Template> templates[2];
    auto &slot = templates[schema == TestDatabase::Schema::Full ? 0 : 1];
    if (!slot) {
        auto made = std::make_unique<Template>();
        if (!made->dir.isValid())
            throw db::DbError(QStringLiteral("Cannot create a temporary folder for the template database."));
        made->path = made->dir.filePath(QStringLiteral("template.fdb"));
        const db::ConnectParams params = TestDatabase::connectParams(made->path);
        if (schema == TestDatabase::Schema::Full)
            createKalvorDatabase(params);
        else
            createBaseDatabase(params);
        slot = std::move(made);
    }
    return slot->path;
}

void bindAll(db::Query &q, const QVariantMap &params)
{
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        q.bind(it.key(), it.value());
}

} // namespace

TestDatabase::TestDatabase(db::Database &database, Schema schema) : m_db(database)
{
    m_path = copyOfTemplate(schema, QStringLiteral("kalvor.fdb"));
    open();
}

TestDatabase::~TestDatabase()
{
    close();
}

db::ConnectParams TestDatabase::connectParams(const QString &path)
{
    db::ConnectParams params;
    params.databaseName = path;
    params.user = QStringLiteral("SYSDBA");
    params.password = QStringLiteral("masterkey");
    return params;
}

QString TestDatabase::copyOfTemplate(Schema schema, const QString &fileName)
{
    if (!m_dir.isValid())
        throw db::DbError(QStringLiteral("Cannot create a temporary folder for the test database."));
    const QString target = m_dir.filePath(fileName);
    QFile::remove(target);
    if (!QFile::copy(templatePath(schema), target))
        throw db::DbError(QStringLiteral("Cannot copy the template database to %1.").arg(target));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

void TestDatabase::open()
{
    if (!m_db.isOpen())
        m_db.open(params());
}

void TestDatabase::close()
{
    if (m_db.isOpen())
        m_db.close();
}

int TestDatabase::exec(const QString &sql, const QVariantMap &params)
{
    db::Transaction t(m_db);
    db::TransactionGuard guard(t);
    db::Query q(t, sql);
    bindAll(q, params);
    const int affected = q.exec();
    guard.commit();
    return affected;
}

QVariant TestDatabase::scalar(const QString &sql, const QVariantMap &params)
{
    const QVector<QVariantList> all = rows(sql, params);
    return all.isEmpty() || all.first().isEmpty() ? QVariant() : all.first().first();
}

QVector<QVariantList> TestDatabase::rows(const QString &sql, const QVariantMap &params)
{
    db::Transaction t(m_db);
    db::TransactionGuard guard(t);
    QVector<QVariantList> result;
    {
        db::Query q(t, sql);
        bindAll(q, params);
        result = q.fetchAll();
    }
    guard.commit();
    return result;
}

bool succeeds(const std::function<void()> &work, QString &message)
{
    try {
        work();
        return true;
    } catch (const db::DbError &e) {
        message = e.message();
        if (!e.statement().isEmpty())
            message += QStringLiteral("\n  statement: ") + e.statement();
        return false;
    }
}

} // namespace kalvor::test
