#include "core/db/Win1250.h"

#include "core/db/DbError.h"

#include <cerrno>
#include <iconv.h>

namespace kalvor::db {

namespace {

// One conversion descriptor per direction for the life of the program; the
// program converts on one thread only.
class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }

    // Converts the whole input; returns false at the first byte sequence the
    // target cannot hold, with its offset in the input.
    bool convert(const QByteArray &in, QByteArray &out, qsizetype *badOffset)
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw DbError(QStringLiteral("Pretvorba teksta u kodnu stranicu Windows-1250 nije dostupna."));
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        out.resize(in.size() * 4 + 16);
        char *src = const_cast<char *>(in.constData());
        size_t srcLeft = size_t(in.size());
        char *dst = out.data();
        size_t dstLeft = size_t(out.size());
        while (srcLeft > 0) {
            if (iconv(m_cd, &src, &srcLeft, &dst, &dstLeft) == size_t(-1)) {
                if (errno == E2BIG) {
                    const qsizetype used = dst - out.data();
                    out.resize(out.size() * 2);
                    dst = out.data() + used;
                    dstLeft = size_t(out.size() - used);
                    continue;
                }
                *badOffset = src - in.constData();
                return false;
            }
        }
        out.resize(dst - out.data());
        return true;
    }

private:
    iconv_t m_cd;
};

Converter &encoder()
{
    static Converter c("WINDOWS-1250", "UTF-8");
    return c;
}

Converter &decoder()
{
    static Converter c("UTF-8", "WINDOWS-1250");
    return c;
}

bool isAscii(const QString &text)
{
    for (QChar ch : text)
        if (ch.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

QByteArray toWin1250(const QString &text)
{
    if (isAscii(text))
        return text.toLatin1();
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    qsizetype bad = 0;
    if (!encoder().convert(utf8, out, &bad)) {
        const QString ch = QString::fromUtf8(utf8.mid(bad)).left(1);
        const QString code = QString::number(ch.isEmpty() ? 0 : ch.at(0).unicode(), 16)
                                 .toUpper()
                                 .rightJustified(4, QLatin1Char('0'));
        throw DbError(QStringLiteral("Znak \"%1\" (U+%2) ne može se zapisati u bazu: "
                                     "kodna stranica Windows-1250 ga ne sadrži.")
                          .arg(ch, code));
    }
    return out;
}

QString fromWin1250(const QByteArray &bytes)
{
    bool ascii = true;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return QString::fromLatin1(bytes);
    QByteArray out;
    qsizetype bad = 0;
    if (decoder().convert(bytes, out, &bad))
        return QString::fromUtf8(out);
    // The few byte values that Windows-1250 leaves undefined: keep the text
    // readable byte by byte rather than losing the rest of it.
    QString result;
    for (char c : bytes) {
        QByteArray one(1, c), conv;
        qsizetype b = 0;
        result += decoder().convert(one, conv, &b) ? QString::fromUtf8(conv) : QString(QChar(0xFFFD));
    }
    return result;
}

bool canEncodeWin1250(const QString &text)
{
    if (isAscii(text))
        return true;
    QByteArray out;
    qsizetype bad = 0;
    return encoder().convert(text.toUtf8(), out, &bad);
}

} // namespace kalvor::db
