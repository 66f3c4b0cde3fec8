#include "core/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QSettings>
#include <QStandardPaths>

#include <cmath>
#include <limits>
#include <optional>

namespace kalvor {

namespace {

Q_LOGGING_CATEGORY(lcSettings, "kalvor.settings")

const QString printGroup = QStringLiteral("PrintEvSetup");

QString storePath(const Settings::Key &key)
{
    return key.group == Settings::Group::PrintEvSetup ? printGroup + u'/' + key.name : key.name;
}

bool isNumeric(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

std::optional<int> inIntRange(long double n)
{
    if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(n);
}

// A whole number held by the value: an integer, a double without fraction or
// a text of decimal digits with an optional sign, within 32 bits.
std::optional<int> wholeNumber(const QVariant &v)
{
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const qlonglong n = v.toString().trimmed().toLongLong(&ok, 10);
        return ok ? inIntRange(n) : std::nullopt;
    }
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? 1 : 0;
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float) {
        const double d = v.toDouble();
        if (!std::isfinite(d) || d != std::trunc(d))
            return std::nullopt;
        return inIntRange(d);
    }
    if (isNumeric(v)) {
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        return ok ? inIntRange(n) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<double> finiteNumber(const QVariant &v)
{
    bool ok = false;
    double d = 0;
    if (v.typeId() == QMetaType::QString)
        d = v.toString().trimmed().toDouble(&ok);  // C notation, as the store writes it
    else if (isNumeric(v))
        d = v.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

std::optional<QString> textOf(const QVariant &v)
{
    // An unquoted text with commas in a file edited by hand reads as a list.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    if (v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray || isNumeric(v))
        return v.toString();
    return std::nullopt;
}

// The value converted to the key's kind; nothing when it does not convert.
std::optional<QVariant> toKind(const Settings::Key &key, const QVariant &v)
{
    switch (key.kind) {
    case Settings::Kind::Text:
    case Settings::Kind::Scrambled:
        if (auto s = textOf(v))
            return QVariant(*s);
        return std::nullopt;
    case Settings::Kind::Integer:
        if (auto n = wholeNumber(v))
            return QVariant(*n);
        return std::nullopt;
    case Settings::Kind::Flag: {
        if (v.typeId() == QMetaType::QString) {
            const QString s = v.toString().trimmed().toLower();
            if (s == u"true")
                return QVariant(1);
            if (s == u"false")
                return QVariant(0);
        }
        if (auto n = wholeNumber(v))
            return QVariant(*n != 0 ? 1 : 0);
        return std::nullopt;
    }
    case Settings::Kind::Number:
        if (auto d = finiteNumber(v))
            return QVariant(*d);
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

Settings &Settings::current()
{
    static Settings instance;
    return instance;
}

Settings::Settings()
{
    for (const Key &key : table())
        m_defaults.insert(key.name, key.defaultValue);
    if (QCoreApplication::instance()) {
        const QString logo = QStringLiteral("LogoPrint");
        m_defaults[logo] = QDir(QCoreApplication::applicationDirPath()).filePath(find(logo)->defaultValue.toString());
    }
    for (const JournalText &row : journalTable())
        m_journal.insert(row.name, row.text);
}

void Settings::setDefault(const QString &name, const QVariant &value)
{
    const Key *key = find(name);
    if (!key) {
        qCWarning(lcSettings) << "setDefault of an unknown setting" << name;
        return;
    }
    m_defaults[name] = toKind(*key, value).value_or(value);
}

QVariant Settings::defaultValue(const QString &name) const
{
    return m_defaults.value(name);
}

void Settings::load()
{
    m_values.clear();
    QSettings store(machineSettingsFile(), QSettings::IniFormat);
    for (const Key &key : table()) {
        const QString path = storePath(key);
        if (!store.contains(path))
            continue;
        const std::optional<QVariant> v = toKind(key, store.value(path));
        if (!v) {
            qCInfo(lcSettings) << "malformed value of" << path << "- the default applies";
            continue;
        }
        m_values.insert(key.name, key.kind == Kind::Scrambled
                                      ? QVariant(unscramblePassword(v->toString())) : *v);
    }
}

void Settings::save() const
{
    if (!write())
        qCWarning(lcSettings) << "the settings could not be written to" << machineSettingsFile();
}

bool Settings::write(const QStringList &names) const
{
    QDir().mkpath(configFolder());
    QSettings store(machineSettingsFile(), QSettings::IniFormat);
    const auto writeKey = [&](const Key &key) {
        const QVariant current = value(key.name);
        QVariant stored = toKind(key, current)
                              .value_or(key.saveFallback.isValid() ? key.saveFallback : current);
        if (key.kind == Kind::Scrambled)
            stored = scramblePassword(stored.toString());
        store.setValue(storePath(key), stored);
    };
    if (names.isEmpty()) {
        for (const Key &key : table())
            writeKey(key);
    } else {
        for (const QString &name : names) {
            if (const Key *key = find(name))
                writeKey(*key);
            else
                qCWarning(lcSettings) << "write of an unknown setting" << name;
        }
    }
    store.sync();
    return store.status() == QSettings::NoError;
}

void Settings::resetToDefaults()
{
    m_values.clear();
    m_journal.clear();
    for (const JournalText &row : journalTable())
        m_journal.insert(row.name, row.text);
}

QVariant Settings::value(const QString &name) const
{
    const auto it = m_values.constFind(name);
    if (it != m_values.constEnd())
        return *it;
    if (!m_defaults.contains(name))
        qCWarning(lcSettings) << "unknown setting" << name;
    return defaultValue(name);
}

QString Settings::text(const QString &name) const
{
    return value(name).toString();
}

int Settings::integer(const QString &name) const
{
    return value(name).toInt();
}

bool Settings::flag(const QString &name) const
{
    return value(name).toInt() != 0;
}

double Settings::number(const QString &name) const
{
    return value(name).toDouble();
}

void Settings::set(const QString &name, const QVariant &value)
{
    const Key *key = find(name);
    if (!key) {
        qCWarning(lcSettings) << "set of an unknown setting" << name;
        return;
    }
    if (const std::optional<QVariant> v = toKind(*key, value))
        m_values[name] = *v;
    else
        m_values[name] = key->saveFallback.isValid() ? key->saveFallback : defaultValue(name);
}

QString Settings::journalText(const QString &name) const
{
    return m_journal.value(name);
}

void Settings::setJournalText(const QString &name, const QString &text)
{
    if (!m_journal.contains(name)) {
        qCWarning(lcSettings) << "unknown cash journal text" << name;
        return;
    }
    m_journal[name] = text;
}

QColor settingColor(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int settingColorValue(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QString configFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("KALVOR_CONFIG_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Kalvor");
}

QString machineSettingsFile()
{
    return QDir(configFolder()).filePath(QStringLiteral("kalvor.ini"));
}

QString userSettingsFile()
{
    return QDir(configFolder()).filePath(QStringLiteral("kalvor-user.ini"));
}

} // namespace kalvor
