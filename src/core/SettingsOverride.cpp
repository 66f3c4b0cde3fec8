// A setting given on the command line as "KEY=VALUE".

#include "core/Settings.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace kalvor {

namespace {

std::optional<int> flagValue(const QString &text)
{
    const QString s = text.trimmed().toLower();
    if (s == u"1" || s == u"true")
        return 1;
    if (s == u"0" || s == u"false")
        return 0;
    return std::nullopt;
}

std::optional<int> integerValue(const QString &text)
{
    static const QRegularExpression whole(QStringLiteral("^[+-]?\\d+$"));
    const QString s = text.trimmed();
    if (!whole.match(s).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int n = QLocale::c().toInt(s.startsWith(u'+') ? s.mid(1) : s, &ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

// One decimal separator at most, comma or full stop; no thousands grouping,
// no exponent.
std::optional<double> numberValue(const QString &text)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    QString s = text.trimmed();
    if (!decimal.match(s).hasMatch())
        return std::nullopt;
    s.replace(u',', u'.');
    if (s.startsWith(u'+'))
        s.remove(0, 1);
    bool ok = false;
    const double d = QLocale::c().toDouble(s, &ok);
    return ok && std::isfinite(d) ? std::optional<double>(d) : std::nullopt;
}

} // namespace

bool Settings::applyOverride(const QString &pair, QString *error)
{
    const auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return false;
    };

    const qsizetype eq = pair.indexOf(u'=');
    const QString name = eq < 0 ? QString() : pair.left(eq).trimmed();
    if (name.isEmpty())
        return fail(QStringLiteral("Neispravno zadana postavka \"%1\" (očekuje se KLJUČ=VRIJEDNOST).")
                        .arg(pair));
    const Key *key = find(name);
    if (!key)
        return fail(QStringLiteral("Nepoznata postavka: %1").arg(name));

    const QString text = pair.mid(eq + 1);
    const auto badValue = [&](const QString &expected) {
        return fail(QStringLiteral("Neispravna vrijednost postavke %1: \"%2\" (%3).").arg(name, text, expected));
    };

    QVariant value;
    switch (key->kind) {
    case Kind::Flag:
        if (const auto v = flagValue(text))
            value = *v;
        else
            return badValue(QStringLiteral("očekuje se 0, 1, true ili false"));
        break;
    case Kind::Integer:
        if (const auto v = integerValue(text))
            value = *v;
        else
            return badValue(QStringLiteral("očekuje se cijeli broj"));
        break;
    case Kind::Number:
        if (const auto v = numberValue(text))
            value = *v;
        else
            return badValue(QStringLiteral("očekuje se broj"));
        break;
    case Kind::Text:
    case Kind::Scrambled:
        if (key->maxLength > 0 && text.size() > key->maxLength)
            return badValue(QStringLiteral("najviše %1 znakova").arg(key->maxLength));
        value = text;
        break;
    }
    m_values[key->name] = value;
    return true;
}

} // namespace kalvor
