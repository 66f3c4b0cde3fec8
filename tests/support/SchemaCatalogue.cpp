#include "support/SchemaCatalogue.h"

#include "core/db/Query.h"
#include "core/db/Transaction.h"

namespace kalvor::test {

namespace {

QString typeText(const QVariantList &r, int at)
{
    // r[at..]: field type, sub type, precision, scale, length, segment length, character length
    const int type = r[at].toInt();
    const int subType = r[at + 1].toInt();
    const int precision = r[at + 2].toInt();
    const int scale = -r[at + 3].toInt();
    const int charLength = r[at + 6].isNull() ? r[at + 4].toInt() : r[at + 6].toInt();
    if ((type == 7 || type == 8 || type == 16) && subType > 0)
        return QStringLiteral("%1(%2,%3)").arg(subType == 1 ? "NUMERIC" : "DECIMAL").arg(precision).arg(scale);
    switch (type) {
    case 7: return QStringLiteral("SMALLINT");
    case 8: return QStringLiteral("INTEGER");
    case 16: return QStringLiteral("BIGINT");
    case 10: return QStringLiteral("FLOAT");
    case 27: return QStringLiteral("DOUBLE PRECISION");
    case 12: return QStringLiteral("DATE");
    case 13: return QStringLiteral("TIME");
    case 35: return QStringLiteral("TIMESTAMP");
    case 14: return QStringLiteral("CHAR(%1)").arg(charLength);
    case 37: return QStringLiteral("VARCHAR(%1)").arg(charLength);
    case 261: return QStringLiteral("BLOB SUB_TYPE %1 SEGMENT SIZE %2").arg(subType).arg(r[at + 5].toInt());
    default: return QStringLiteral("TYPE%1").arg(type);
    }
}

QVector<QVariantList> fetch(db::Transaction &t, const QString &sql)
{
    db::Query q(t, sql);
    return q.fetchAll();
}

QString trimmed(const QVariant &v)
{
    return v.toString().trimmed();
}

} // namespace

SchemaCatalogue SchemaCatalogue::read(db::Database &database)
{
    SchemaCatalogue c;
    db::Transaction t(database);
    db::TransactionGuard guard(t);

    for (const QVariantList &r : fetch(t, "SELECT RDB$RELATION_NAME FROM RDB$RELATIONS WHERE RDB$SYSTEM_FLAG = 0 "
                                          "AND RDB$VIEW_BLR IS NULL ORDER BY RDB$RELATION_NAME"))
        c.tables << trimmed(r[0]);

    const QString fieldColumns = QStringLiteral(
        "F.RDB$FIELD_TYPE, F.RDB$FIELD_SUB_TYPE, F.RDB$FIELD_PRECISION, F.RDB$FIELD_SCALE, "
        "F.RDB$FIELD_LENGTH, F.RDB$SEGMENT_LENGTH, F.RDB$CHARACTER_LENGTH");
    for (const QVariantList &r :
         fetch(t, "SELECT R.RDB$RELATION_NAME, R.RDB$FIELD_NAME, R.RDB$NULL_FLAG, R.RDB$DEFAULT_SOURCE, "
                      + fieldColumns
                      + " FROM RDB$RELATION_FIELDS R JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = R.RDB$FIELD_SOURCE "
                        "JOIN RDB$RELATIONS T ON T.RDB$RELATION_NAME = R.RDB$RELATION_NAME "
                        "WHERE T.RDB$SYSTEM_FLAG = 0 ORDER BY R.RDB$RELATION_NAME, R.RDB$FIELD_POSITION")) {
        QString text = trimmed(r[0]) + QStringLiteral(": ") + trimmed(r[1]) + QLatin1Char(' ') + typeText(r, 4);
        if (!r[3].isNull())
            text += QLatin1Char(' ') + r[3].toString().simplified();
        if (r[2].toInt() == 1)
            text += QStringLiteral(" NOT NULL");
        c.columns << text;
    }

    for (const QVariantList &r :
         fetch(t, "SELECT I.RDB$INDEX_NAME, I.RDB$RELATION_NAME, I.RDB$UNIQUE_FLAG, I.RDB$INDEX_TYPE, "
                  "(SELECT LIST(TRIM(S.RDB$FIELD_NAME)) FROM RDB$INDEX_SEGMENTS S "
                  "WHERE S.RDB$INDEX_NAME = I.RDB$INDEX_NAME) FROM RDB$INDICES I "
                  "WHERE COALESCE(I.RDB$SYSTEM_FLAG, 0) = 0 ORDER BY I.RDB$RELATION_NAME, I.RDB$INDEX_NAME")) {
        QString name = trimmed(r[0]);
        if (name.startsWith(QLatin1String("RDB$")))
            name = QStringLiteral("PK");
        QString text = QStringLiteral("%1 ON %2 (%3)").arg(name, trimmed(r[1]), r[4].toString());
        if (r[2].toInt() == 1)
            text += QStringLiteral(" UNIQUE");
        if (r[3].toInt() == 1)
            text += QStringLiteral(" DESC");
        c.indexes << text;
    }
    c.indexes.sort();

    for (const QVariantList &r : fetch(t, "SELECT RDB$GENERATOR_NAME FROM RDB$GENERATORS "
                                          "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 ORDER BY RDB$GENERATOR_NAME"))
        c.generators << trimmed(r[0]);

    for (const QVariantList &r :
         fetch(t, "SELECT RDB$TRIGGER_NAME, RDB$RELATION_NAME, RDB$TRIGGER_TYPE, RDB$TRIGGER_SEQUENCE, "
                  "RDB$TRIGGER_INACTIVE FROM RDB$TRIGGERS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 "
                  "ORDER BY RDB$TRIGGER_NAME"))
        c.triggers << QStringLiteral("%1 ON %2 type %3 sequence %4 %5")
                          .arg(trimmed(r[0]), trimmed(r[1]))
                          .arg(r[2].toInt())
                          .arg(r[3].toInt())
                          .arg(r[4].toInt() == 0 ? "active" : "inactive");

    for (const QVariantList &p :
         fetch(t, "SELECT RDB$PROCEDURE_NAME FROM RDB$PROCEDURES WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 "
                  "ORDER BY RDB$PROCEDURE_NAME")) {
        const QString name = trimmed(p[0]);
        QStringList inputs;
        QStringList outputs;
        for (const QVariantList &r :
             fetch(t, "SELECT P.RDB$PARAMETER_NAME, P.RDB$PARAMETER_TYPE, 0, 0, " + fieldColumns
                          + " FROM RDB$PROCEDURE_PARAMETERS P JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = "
                            "P.RDB$FIELD_SOURCE WHERE P.RDB$PROCEDURE_NAME = '"
                          + name + "' ORDER BY P.RDB$PARAMETER_TYPE, P.RDB$PARAMETER_NUMBER"))
            (r[1].toInt() == 0 ? inputs : outputs) << trimmed(r[0]) + QLatin1Char(' ') + typeText(r, 4);
        c.procedures << QStringLiteral("%1 (%2) RETURNS (%3)")
                            .arg(name, inputs.join(QStringLiteral(", ")), outputs.join(QStringLiteral(", ")));
    }

    guard.commit();
    return c;
}

QString SchemaCatalogue::columnsOf(const QString &table) const
{
    QStringList result;
    const QString prefix = table + QStringLiteral(": ");
    for (const QString &column : columns)
        if (column.startsWith(prefix))
            result << column.mid(prefix.size());
    return result.join(QStringLiteral(", "));
}

QStringList SchemaCatalogue::columnNames(const QString &table) const
{
    QStringList names;
    const QString prefix = table + QStringLiteral(": ");
    for (const QString &column : columns)
        if (column.startsWith(prefix))
            names << column.mid(prefix.size()).section(QLatin1Char(' '), 0, 0);
    return names;
}

} // namespace kalvor::test
