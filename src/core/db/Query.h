#pragma once

#include "core/db/Transaction.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>
#include <QVector>
#include <memory>

namespace kalvor::db {

// One statement with named parameters (":ID", ":DAT"; a name may occur more
// than once and every occurrence gets the value). Values are QVariant:
// a null QVariant is SQL NULL; QString, int, qint64, double, QDate, QTime and
// QDateTime map to the column types. NUMERIC/DECIMAL values are read as the
// double nearest to their exact decimal value and written by rounding the
// decimal value of the double half away from zero at the column's scale.
// Text BLOBs are read and written as QString.
class Query
{
public:
    Query(Transaction &transaction, const QString &sql = {});
    ~Query();
    Query(const Query &) = delete;
    Query &operator=(const Query &) = delete;

    void setSql(const QString &sql);
    const QString &sql() const { return m_sql; }
    QStringList parameterNames() const; // distinct, in order of appearance

    Query &bind(const QString &name, const QVariant &value);
    void clearBindings();

    // Runs a statement that returns no rows (or one row, as EXECUTE PROCEDURE
    // does; it can then be read with value()). Returns the rows affected.
    int exec();
    // Opens a cursor; next() moves to the following row.
    void open();
    bool next();
    void close();
    bool isOpen() const;

    int columnCount() const;
    QString columnName(int i) const; // alias as the statement names it
    int columnIndex(const QString &name) const; // -1 when absent
    QVariant value(int i) const;
    QVariant value(const QString &name) const;
    bool isNull(int i) const { return value(i).isNull(); }

    // Convenience: runs the query and returns all rows / the first value.
    QVector<QVariantList> fetchAll();
    QVariant scalar();

    // Translates ":NAME" parameters to "?" outside quotes and comments and
    // returns the names in order of their positions.
    static QString translate(const QString &sql, QStringList *names);

private:
    struct Impl;
    friend class Database;
    void prepareIfNeeded();
    void release();          // frees statement and cursor
    void dropCursor();       // its transaction ended: the cursor is gone
    void fetchRow();
    Transaction &m_tr;
    QString m_sql;
    std::unique_ptr<Impl> d;
};

// Reads a generator: SELECT GEN_ID(<name>,<increment>) FROM RDB$DATABASE.
qint64 generatorValue(Transaction &t, const QString &generator, int increment);

} // namespace kalvor::db
