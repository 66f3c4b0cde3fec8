#include "core/TDataModule1.h"

#include "core/Prompter.h"
#include "core/SchemaUpgrade.h"
#include "core/Settings.h"

namespace kalvor {

TDataModule1::TDataModule1()
    : IBTransaction1(DB)
    , Read(DB)
    , IBS(IBTransaction1)
{
}

TDataModule1::~TDataModule1() = default;

TDataModule1 &TDataModule1::instance()
{
    static TDataModule1 module;
    return module;
}

QString databaseFailureMessage()
{
    return QStringLiteral("Greška - baza nije dobro konfigurirana!\nRad nije moguć. Kontaktirajte autora!");
}

db::ConnectParams connectParamsFromSettings(const Settings &settings)
{
    db::ConnectParams params;
    const QString path = settings.text(QStringLiteral("DB"));
    params.databaseName = settings.flag(QStringLiteral("Local"))
        ? path
        : settings.text(QStringLiteral("Server")) + QLatin1Char(':') + path;
    params.withLogin = !settings.flag(QStringLiteral("Prompt"));
    params.user = settings.text(QStringLiteral("USER"));
    params.password = settings.text(QStringLiteral("USER2"));
    return params;
}

bool TDataModule1::OpenDatabase(const Settings &settings, Prompter &prompter)
{
    m_tables.clear();
    m_lastError.clear();
    DB.close();
    db::ConnectParams params = connectParamsFromSettings(settings);
    try {
        if (!params.withLogin) {
            // The prompt mode: the user name and password come from the login
            // dialog at every connect and are sent as typed.
            QString user = params.user;
            QString password;
            if (!prompter.login(params.databaseName, user, password))
                throw db::DbError(QStringLiteral("Prijava u bazu je otkazana."));
            params.user = user;
            params.password = password;
            params.withLogin = true;
        }
        DB.open(params);
        m_tables = readUserTables(IBTransaction1);
        UpgradeSchema(IBTransaction1, m_tables);
        return true;
    } catch (const db::DbError &e) {
        m_lastError = e.message();
        if (IBTransaction1.isActive())
            IBTransaction1.rollback();
        prompter.message(databaseFailureMessage(), Prompter::Kind::Error);
        return false;
    }
}

namespace {
void bindAll(db::Query &q, const QVariantMap &params)
{
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        q.bind(it.key(), it.value());
}
} // namespace

int TDataModule1::execute(const QString &sql, const QVariantMap &params)
{
    db::TransactionGuard guard(IBTransaction1);
    db::Query q(IBTransaction1, sql);
    bindAll(q, params);
    const int rows = q.exec();
    guard.commit();
    return rows;
}

QVariant TDataModule1::scalar(const QString &sql, const QVariantMap &params)
{
    db::TransactionGuard guard(IBTransaction1);
    db::Query q(IBTransaction1, sql);
    bindAll(q, params);
    const QVariant v = q.scalar();
    guard.commit();
    return v;
}

} // namespace kalvor
