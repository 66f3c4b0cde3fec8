// Scrambling of the database password `USER2` in the settings store.
//
// Short form: the stored text has the password's length; its character at
// each position is the password's character exclusive-or the character of
// the key "#Q7v-Kd3" at that position, the key repeated after its eighth
// character. For passwords of up to eight characters this is the store's
// original scheme, so every text it ever wrote reads back the same.
//
// The short form cannot hold a password character equal to the key's
// character at its position (it scrambles to code 0, which a stored text
// cannot carry), so such a password, and any password longer than 31
// characters (the login dialog's limit), is stored in the long form: the
// scrambled codes as four upper-case hexadecimal digits each, filled on the
// left with '.' to at least 32 characters. A short form is never longer than
// 31 characters, so the length alone tells the reader which form it has.

#include "core/Settings.h"

#include <optional>

namespace kalvor {

namespace {

constexpr char16_t scrambleKey[] = u"#Q7v-Kd3";
constexpr qsizetype scrambleKeyLength = 8;
constexpr qsizetype shortFormLongest = 31;
constexpr qsizetype longFormShortest = 32;
constexpr QChar longFormFill = u'.';

QString withKey(const QString &text)
{
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        result[i] = QChar(char16_t(text[i].unicode() ^ scrambleKey[i % scrambleKeyLength]));
    return result;
}

std::optional<QString> readLongForm(const QString &stored)
{
    qsizetype start = 0;
    while (start < stored.size() && stored[start] == longFormFill)
        ++start;
    const qsizetype digits = stored.size() - start;
    if (digits % 4 != 0)
        return std::nullopt;
    QString codes;
    codes.reserve(digits / 4);
    for (qsizetype i = start; i < stored.size(); i += 4) {
        bool ok = false;
        const uint code = QStringView(stored).mid(i, 4).toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        codes.append(QChar(char16_t(code)));
    }
    return codes;
}

} // namespace

QString scramblePassword(const QString &password)
{
    const QString scrambled = withKey(password);
    if (password.size() <= shortFormLongest && !scrambled.contains(QChar(u'\0')))
        return scrambled;

    QString stored;
    stored.reserve(scrambled.size() * 4);
    for (const QChar c : scrambled)
        stored += QStringLiteral("%1").arg(uint(c.unicode()), 4, 16, QChar(u'0')).toUpper();
    if (stored.size() < longFormShortest)
        stored.prepend(QString(longFormShortest - stored.size(), longFormFill));
    return stored;
}

QString unscramblePassword(const QString &stored)
{
    if (stored.size() >= longFormShortest) {
        if (const std::optional<QString> codes = readLongForm(stored))
            return withKey(*codes);
    }
    // A short form, or a long one damaged by hand: read position by position.
    return withKey(stored);
}

} // namespace kalvor
