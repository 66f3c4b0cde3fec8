#include "core/db/Query.h"

#include "core/db/Decimal.h"
#include "core/db/FbStatus.h"
#include "core/db/Win1250.h"

#include <QHash>
#include <QRegularExpression>
#include <cmath>
#include <cstring>
#include <limits>
#include <firebird/Interface.h>
#include <vector>

namespace kalvor::db {

using namespace Firebird;

namespace {

constexpr unsigned kDialect = 3;

bool isIdentStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool isIdentChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// One input or output message: its metadata, buffer and field layout.
struct Message
{
    IMessageMetadata *meta = nullptr;
    std::vector<unsigned char> buffer;

    ~Message() { reset(); }
    void reset()
    {
        if (meta)
            meta->release();
        meta = nullptr;
        buffer.clear();
    }
    void adopt(detail::Status &st, IMessageMetadata *m)
    {
        reset();
        meta = m;
        buffer.assign(meta->getMessageLength(&st), 0);
        st.check();
    }
    unsigned count(detail::Status &st) const { return meta ? meta->getCount(&st) : 0; }
    unsigned char *data(detail::Status &st, unsigned i) { return buffer.data() + meta->getOffset(&st, i); }
    short *nullFlag(detail::Status &st, unsigned i)
    {
        return reinterpret_cast<short *>(buffer.data() + meta->getNullOffset(&st, i));
    }
};

qint64 toInteger(const QVariant &v, int scale)
{
    // scale is Firebird's: 0 or negative (number of decimals, negated).
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float)
        return detail::scaledFromDouble(v.toDouble(), -scale);
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const double d = v.toString().trimmed().toDouble(&ok);
        if (!ok)
            throw DbError(QStringLiteral("Vrijednost \"%1\" nije broj.").arg(v.toString()));
        return detail::scaledFromDouble(d, -scale);
    }
    if (v.typeId() == QMetaType::Bool)
        return qint64(v.toBool() ? 1 : 0) * qint64(std::pow(10, -scale));
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (!ok)
        throw DbError(QStringLiteral("Vrijednost \"%1\" nije broj.").arg(v.toString()));
    qint64 factor = 1;
    for (int i = 0; i < -scale; ++i)
        factor *= 10;
    return n * factor;
}

QDate toDate(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return v.toDate();
}

QTime toTime(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().time();
    return v.toTime();
}

QDateTime toDateTime(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDate)
        return QDateTime(v.toDate(), QTime(0, 0));
    return v.toDateTime();
}

ISC_DATE encodeDate(const QDate &d)
{
    return Database::util()->encodeDate(unsigned(d.year()), unsigned(d.month()), unsigned(d.day()));
}

ISC_TIME encodeTime(const QTime &t)
{
    return Database::util()->encodeTime(unsigned(t.hour()), unsigned(t.minute()), unsigned(t.second()),
                                        unsigned(t.msec()) * 10);
}

QDate decodeDate(ISC_DATE d)
{
    unsigned y = 0, m = 0, day = 0;
    Database::util()->decodeDate(d, &y, &m, &day);
    return QDate(int(y), int(m), int(day));
}

QTime decodeTime(ISC_TIME t)
{
    unsigned h = 0, m = 0, s = 0, f = 0;
    Database::util()->decodeTime(t, &h, &m, &s, &f);
    return QTime(int(h), int(m), int(s), int(f / 10));
}

QByteArray readBlob(detail::Status &st, IAttachment *att, ITransaction *tra, ISC_QUAD *id)
{
    IBlob *blob = att->openBlob(&st, tra, id, 0, nullptr);
    st.check();
    QByteArray data;
    char chunk[32768];
    for (;;) {
        unsigned got = 0;
        const int rc = blob->getSegment(&st, sizeof chunk, chunk, &got);
        if (rc == IStatus::RESULT_OK || rc == IStatus::RESULT_SEGMENT) {
            data.append(chunk, qsizetype(got));
            continue;
        }
        break;
    }
    if (st.failed()) {
        DbError e = st.error();
        blob->close(&st);
        throw e;
    }
    blob->close(&st);
    st.check();
    return data;
}

void writeBlob(detail::Status &st, IAttachment *att, ITransaction *tra, ISC_QUAD *id, const QByteArray &data)
{
    IBlob *blob = att->createBlob(&st, tra, id, 0, nullptr);
    st.check();
    for (qsizetype pos = 0; pos < data.size(); pos += 32000) {
        const qsizetype n = qMin<qsizetype>(32000, data.size() - pos);
        blob->putSegment(&st, unsigned(n), data.constData() + pos);
        if (st.failed()) {
            DbError e = st.error();
            blob->cancel(&st);
            throw e;
        }
    }
    blob->close(&st);
    st.check();
}

} // namespace

struct Query::Impl
{
    IStatement *stmt = nullptr;
    IResultSet *cursor = nullptr;
    QStringList positions;             // parameter name of each "?"
    QHash<QString, QVariant> bindings; // by upper-case name
    IMessageMetadata *declaredInput = nullptr;
    Message input;
    Message output;
    QStringList columns;
    QVector<QVariant> row;
    bool rowValid = false;
    unsigned type = 0;

    void fillInput(Transaction &tr, const QString &sql);
    QVariant readColumn(detail::Status &st, Transaction &tr, unsigned i);
};

Query::Query(Transaction &transaction, const QString &sql)
    : m_tr(transaction)
    , m_sql(sql)
    , d(std::make_unique<Impl>())
{
    m_tr.database().attachQuery(this);
}

Query::~Query()
{
    release();
    m_tr.database().detachQuery(this);
}

void Query::setSql(const QString &sql)
{
    if (sql == m_sql)
        return;
    release();
    m_sql = sql;
}

QString Query::translate(const QString &sql, QStringList *names)
{
    QString out;
    out.reserve(sql.size());
    names->clear();
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // Copy the quoted text; a doubled quote stays inside.
            out += c;
            qsizetype j = i + 1;
            for (; j < n; ++j) {
                out += sql.at(j);
                if (sql.at(j) == c) {
                    if (j + 1 < n && sql.at(j + 1) == c) {
                        out += sql.at(++j);
                        continue;
                    }
                    break;
                }
            }
            i = j;
        } else if (c == QLatin1Char('-') && i + 1 < n && sql.at(i + 1) == QLatin1Char('-')) {
            qsizetype j = sql.indexOf(QLatin1Char('\n'), i);
            if (j < 0)
                j = n - 1;
            out += sql.mid(i, j - i + 1);
            i = j;
        } else if (c == QLatin1Char('/') && i + 1 < n && sql.at(i + 1) == QLatin1Char('*')) {
            qsizetype j = sql.indexOf(QStringLiteral("*/"), i + 2);
            j = j < 0 ? n - 1 : j + 1;
            out += sql.mid(i, j - i + 1);
            i = j;
        } else if (c == QLatin1Char(':') && i + 1 < n && isIdentStart(sql.at(i + 1))
                   && (i == 0 || !isIdentChar(sql.at(i - 1)))) {
            qsizetype j = i + 1;
            while (j < n && isIdentChar(sql.at(j)))
                ++j;
            names->append(sql.mid(i + 1, j - i - 1).toUpper());
            out += QLatin1Char('?');
            i = j - 1;
        } else {
            out += c;
        }
    }
    return out;
}

QStringList Query::parameterNames() const
{
    QStringList names;
    translate(m_sql, &names);
    names.removeDuplicates();
    return names;
}

Query &Query::bind(const QString &name, const QVariant &value)
{
    QString key = name.toUpper();
    if (key.startsWith(QLatin1Char(':')))
        key.remove(0, 1);
    d->bindings.insert(key, value);
    return *this;
}

void Query::clearBindings()
{
    d->bindings.clear();
}

void Query::prepareIfNeeded()
{
    if (d->stmt)
        return;
    Database &db = m_tr.database();
    if (!db.isOpen())
        throw DbError(QStringLiteral("Veza s bazom nije otvorena."), {}, 0, m_sql);
    const QString translated = translate(m_sql, &d->positions);
    const QByteArray text = toWin1250(translated);
    detail::Status st;
    db.noteStatement(m_sql);
    IStatement *stmt = db.attachment()->prepare(&st, m_tr.handle(), unsigned(text.size()), text.constData(),
                                                kDialect, IStatement::PREPARE_PREFETCH_METADATA);
    st.check(m_sql);
    d->stmt = stmt;
    d->type = stmt->getType(&st);
    d->declaredInput = stmt->getInputMetadata(&st);
    IMessageMetadata *out = stmt->getOutputMetadata(&st);
    st.check(m_sql);
    d->output.adopt(st, out);
    d->columns.clear();
    const unsigned count = d->output.count(st);
    for (unsigned i = 0; i < count; ++i)
        d->columns << fromWin1250(QByteArray(out->getAlias(&st, i)));
    st.check(m_sql);
}

void Query::release()
{
    if (d->cursor) {
        detail::Status st;
        d->cursor->close(&st);
        if (st.failed())
            d->cursor->release();
        d->cursor = nullptr;
    }
    d->rowValid = false;
    d->input.reset();
    d->output.reset();
    if (d->declaredInput) {
        d->declaredInput->release();
        d->declaredInput = nullptr;
    }
    if (d->stmt) {
        detail::Status st;
        d->stmt->free(&st);
        if (st.failed())
            d->stmt->release();
        d->stmt = nullptr;
    }
}

// Builds the input message for the current values: a text parameter gets the
// length of its value, so that an over-long value reaches the database and
// fails there with its own "string right truncation" instead of being cut.
void Query::Impl::fillInput(Transaction &tr, const QString &sql)
{
    detail::Status st;
    const unsigned count = declaredInput ? declaredInput->getCount(&st) : 0;
    if (count == 0) {
        input.reset();
        return;
    }
    QVector<QVariant> values;
    values.resize(qsizetype(count));
    QVector<QByteArray> texts;
    texts.resize(qsizetype(count));
    for (unsigned i = 0; i < count; ++i) {
        const QString name = i < unsigned(positions.size()) ? positions.at(int(i)) : QString();
        const auto it = bindings.constFind(name);
        if (it == bindings.constEnd())
            throw DbError(QStringLiteral("Parametru :%1 nije zadana vrijednost.").arg(name), {}, 0, sql);
        values[int(i)] = *it;
    }
    IMetadataBuilder *builder = declaredInput->getBuilder(&st);
    st.check(sql);
    for (unsigned i = 0; i < count; ++i) {
        const unsigned type = declaredInput->getType(&st, i) & ~1u;
        const QVariant &v = values.at(int(i));
        if (type == SQL_TEXT || type == SQL_VARYING || type == SQL_NULL) {
            if (!v.isNull())
                texts[int(i)] = v.typeId() == QMetaType::QByteArray ? v.toByteArray() : toWin1250(v.toString());
            builder->setType(&st, i, SQL_VARYING + 1);
            builder->setLength(&st, i, unsigned(qMax<qsizetype>(1, texts.at(int(i)).size())));
        } else {
            builder->setType(&st, i, type + 1);
        }
    }
    IMessageMetadata *meta = builder->getMetadata(&st);
    builder->release();
    st.check(sql);
    input.adopt(st, meta);

    for (unsigned i = 0; i < count; ++i) {
        const QVariant &v = values.at(int(i));
        short *nullFlag = input.nullFlag(st, i);
        unsigned char *p = input.data(st, i);
        if (v.isNull()) {
            *nullFlag = -1;
            continue;
        }
        *nullFlag = 0;
        const unsigned type = meta->getType(&st, i) & ~1u;
        const int scale = meta->getScale(&st, i);
        switch (type) {
        case SQL_VARYING: {
            const QByteArray &b = texts.at(int(i));
            const unsigned short len = static_cast<unsigned short>(b.size());
            std::memcpy(p, &len, sizeof len);
            std::memcpy(p + sizeof len, b.constData(), size_t(b.size()));
            break;
        }
        case SQL_SHORT: {
            const qint64 n = toInteger(v, scale);
            if (n < -32768 || n > 32767)
                throw DbError(QStringLiteral("Broj %1 je prevelik za polje baze.").arg(v.toString()), {}, 0, sql);
            const short s = short(n);
            std::memcpy(p, &s, sizeof s);
            break;
        }
        case SQL_LONG: {
            const qint64 n = toInteger(v, scale);
            if (n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<qint32>::max())
                throw DbError(QStringLiteral("Broj %1 je prevelik za polje baze.").arg(v.toString()), {}, 0, sql);
            const qint32 l = qint32(n);
            std::memcpy(p, &l, sizeof l);
            break;
        }
        case SQL_INT64: {
            const qint64 n = toInteger(v, scale);
            std::memcpy(p, &n, sizeof n);
            break;
        }
        case SQL_FLOAT: {
            const float f = float(v.toDouble());
            std::memcpy(p, &f, sizeof f);
            break;
        }
        case SQL_DOUBLE:
        case SQL_D_FLOAT: {
            const double x = v.toDouble();
            std::memcpy(p, &x, sizeof x);
            break;
        }
        case SQL_TYPE_DATE: {
            const QDate date = toDate(v);
            if (!date.isValid())
                throw DbError(QStringLiteral("Neispravan datum."), {}, 0, sql);
            const ISC_DATE dt = encodeDate(date);
            std::memcpy(p, &dt, sizeof dt);
            break;
        }
        case SQL_TYPE_TIME: {
            const QTime time = toTime(v);
            if (!time.isValid())
                throw DbError(QStringLiteral("Neispravno vrijeme."), {}, 0, sql);
            const ISC_TIME t = encodeTime(time);
            std::memcpy(p, &t, sizeof t);
            break;
        }
        case SQL_TIMESTAMP: {
            const QDateTime dt = toDateTime(v);
            if (!dt.isValid())
                throw DbError(QStringLiteral("Neispravan datum i vrijeme."), {}, 0, sql);
            ISC_TIMESTAMP ts;
            ts.timestamp_date = encodeDate(dt.date());
            ts.timestamp_time = encodeTime(dt.time());
            std::memcpy(p, &ts, sizeof ts);
            break;
        }
        case SQL_BLOB: {
            const QByteArray data = v.typeId() == QMetaType::QByteArray ? v.toByteArray() : toWin1250(v.toString());
            ISC_QUAD id;
            writeBlob(st, tr.database().attachment(), tr.handle(), &id, data);
            std::memcpy(p, &id, sizeof id);
            break;
        }
        case SQL_BOOLEAN: {
            const unsigned char b = v.toBool() ? 1 : 0;
            *p = b;
            break;
        }
        default:
            throw DbError(QStringLiteral("Vrsta parametra %1 nije podržana.").arg(type), {}, 0, sql);
        }
    }
    st.check(sql);
}

QVariant Query::Impl::readColumn(detail::Status &st, Transaction &tr, unsigned i)
{
    IMessageMetadata *meta = output.meta;
    if (*output.nullFlag(st, i))
        return QVariant();
    const unsigned char *p = output.data(st, i);
    const unsigned type = meta->getType(&st, i) & ~1u;
    const int scale = meta->getScale(&st, i);
    switch (type) {
    case SQL_TEXT:
        return fromWin1250(QByteArray(reinterpret_cast<const char *>(p), qsizetype(meta->getLength(&st, i))));
    case SQL_VARYING: {
        unsigned short len = 0;
        std::memcpy(&len, p, sizeof len);
        return fromWin1250(QByteArray(reinterpret_cast<const char *>(p + sizeof len), len));
    }
    case SQL_SHORT: {
        short s;
        std::memcpy(&s, p, sizeof s);
        return scale < 0 ? QVariant(detail::doubleFromScaled(s, -scale)) : QVariant(int(s));
    }
    case SQL_LONG: {
        qint32 l;
        std::memcpy(&l, p, sizeof l);
        return scale < 0 ? QVariant(detail::doubleFromScaled(l, -scale)) : QVariant(int(l));
    }
    case SQL_INT64: {
        qint64 n;
        std::memcpy(&n, p, sizeof n);
        return scale < 0 ? QVariant(detail::doubleFromScaled(n, -scale)) : QVariant(n);
    }
    case SQL_FLOAT: {
        float f;
        std::memcpy(&f, p, sizeof f);
        return double(f);
    }
    case SQL_DOUBLE:
    case SQL_D_FLOAT: {
        double x;
        std::memcpy(&x, p, sizeof x);
        return x;
    }
    case SQL_TYPE_DATE: {
        ISC_DATE dt;
        std::memcpy(&dt, p, sizeof dt);
        return decodeDate(dt);
    }
    case SQL_TYPE_TIME: {
        ISC_TIME t;
        std::memcpy(&t, p, sizeof t);
        return decodeTime(t);
    }
    case SQL_TIMESTAMP: {
        ISC_TIMESTAMP ts;
        std::memcpy(&ts, p, sizeof ts);
        return QDateTime(decodeDate(ts.timestamp_date), decodeTime(ts.timestamp_time));
    }
    case SQL_BLOB: {
        ISC_QUAD id;
        std::memcpy(&id, p, sizeof id);
        const QByteArray data = readBlob(st, tr.database().attachment(), tr.handle(), &id);
        if (meta->getSubType(&st, i) == 1)
            return fromWin1250(data);
        return data;
    }
    case SQL_BOOLEAN:
        return bool(*p);
    case SQL_NULL:
        return QVariant();
    default:
        throw DbError(QStringLiteral("Vrsta stupca %1 nije podržana.").arg(type));
    }
}

void Query::fetchRow()
{
    detail::Status st;
    const unsigned count = d->output.count(st);
    d->row.resize(int(count));
    for (unsigned i = 0; i < count; ++i)
        d->row[int(i)] = d->readColumn(st, m_tr, i);
    d->rowValid = true;
}

int Query::exec()
{
    close();
    prepareIfNeeded();
    if (!m_tr.isActive())
        throw DbError(QStringLiteral("Transakcija nije pokrenuta."), {}, 0, m_sql);
    d->fillInput(m_tr, m_sql);
    detail::Status st;
    const bool hasOutput = d->output.meta && d->output.count(st) > 0;
    if (d->type == isc_info_sql_stmt_select && hasOutput) {
        // A select run for its effect or its first row: read that row.
        open();
        next();
        return 0;
    }
    d->stmt->execute(&st, m_tr.handle(), d->input.meta, d->input.meta ? d->input.buffer.data() : nullptr,
                     hasOutput ? d->output.meta : nullptr, hasOutput ? d->output.buffer.data() : nullptr);
    st.check(m_sql);
    if (hasOutput)
        fetchRow();
    const ISC_UINT64 affected = d->stmt->getAffectedRecords(&st);
    st.check(m_sql);
    return int(affected);
}

void Query::open()
{
    close();
    prepareIfNeeded();
    if (!m_tr.isActive())
        throw DbError(QStringLiteral("Transakcija nije pokrenuta."), {}, 0, m_sql);
    d->fillInput(m_tr, m_sql);
    detail::Status st;
    IResultSet *cursor = d->stmt->openCursor(&st, m_tr.handle(), d->input.meta,
                                             d->input.meta ? d->input.buffer.data() : nullptr,
                                             d->output.meta, 0);
    st.check(m_sql);
    d->cursor = cursor;
}

bool Query::next()
{
    d->rowValid = false;
    if (!d->cursor)
        return false;
    detail::Status st;
    const int rc = d->cursor->fetchNext(&st, d->output.buffer.data());
    st.check(m_sql);
    if (rc != IStatus::RESULT_OK) {
        close();
        return false;
    }
    fetchRow();
    return true;
}

void Query::dropCursor()
{
    if (d->cursor)
        d->cursor->release();
    d->cursor = nullptr;
    d->rowValid = false;
}

void Query::close()
{
    if (!d->cursor)
        return;
    detail::Status st;
    d->cursor->close(&st);
    if (st.failed())
        d->cursor->release(); // its transaction has ended already
    d->cursor = nullptr;
}

bool Query::isOpen() const
{
    return d->cursor != nullptr;
}

int Query::columnCount() const
{
    return int(d->columns.size());
}

QString Query::columnName(int i) const
{
    return d->columns.value(i);
}

int Query::columnIndex(const QString &name) const
{
    for (int i = 0; i < d->columns.size(); ++i)
        if (d->columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant Query::value(int i) const
{
    if (!d->rowValid || i < 0 || i >= d->row.size())
        return QVariant();
    return d->row.at(i);
}

QVariant Query::value(const QString &name) const
{
    const int i = columnIndex(name);
    if (i < 0)
        throw DbError(QStringLiteral("Stupac %1 ne postoji u upitu.").arg(name), {}, 0, m_sql);
    return value(i);
}

QVector<QVariantList> Query::fetchAll()
{
    QVector<QVariantList> rows;
    open();
    while (next())
        rows.append(QVariantList(d->row.begin(), d->row.end()));
    return rows;
}

QVariant Query::scalar()
{
    open();
    QVariant v;
    if (next())
        v = value(0);
    close();
    return v;
}

qint64 generatorValue(Transaction &t, const QString &generator, int increment)
{
    static const QRegularExpression ident(QStringLiteral("^[A-Za-z_][A-Za-z0-9_$]*$"));
    if (!ident.match(generator).hasMatch())
        throw DbError(QStringLiteral("Neispravno ime generatora: %1").arg(generator));
    Query q(t, QStringLiteral("SELECT GEN_ID(%1,%2) FROM RDB$DATABASE").arg(generator).arg(increment));
    return q.scalar().toLongLong();
}

} // namespace kalvor::db
