#include "reference/AllowanceRateFile.h"

#include "core/Amounts.h"
#include "core/db/Win1250.h"

#include <QFile>
#include <QFileInfo>

namespace kalvor {

AllowanceRateFile::Status AllowanceRateFile::read(const QString &path)
{
    parse({});
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return Status::Missing;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        return Status::Unreadable;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Status::Unreadable;
    if (bytes.contains('\0'))
        return Status::NotText;
    parse(bytes);
    return Status::Read;
}

void AllowanceRateFile::parse(const QByteArray &bytes)
{
    m_rows.clear();
    m_countries.clear();
    m_currencies.clear();
    QByteArray text = bytes;
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    const QList<QByteArray> lines = text.split('\n');
    for (const QByteArray &bytesOfLine : lines) {
        const QString line = db::fromWin1250(bytesOfLine);
        const qsizetype first = line.indexOf(QLatin1Char('\t'));
        const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char('\t'), first + 1);
        if (second < 0)
            continue;
        AllowanceRateRow row;
        row.country = line.left(first).trimmed();
        row.amount = ParseAmount(line.mid(first + 1, second - first - 1).trimmed());
        row.currency = line.mid(second + 1).trimmed();
        m_rows.push_back(row);
        // Kept trimmed, as the rows use them: a name with blanks around it is
        // the same country, not a new one.
        if (!m_countries.contains(row.country))
            m_countries << row.country;
        if (!m_currencies.contains(row.currency))
            m_currencies << row.currency;
    }
}

QString AllowanceRateFile::failureMessage(Status status, const QString &path)
{
    switch (status) {
    case Status::Read:
        return {};
    case Status::Missing:
        return QStringLiteral("Datoteka %1 ne postoji!").arg(path);
    case Status::Unreadable:
        return QStringLiteral("Datoteku %1 nije moguće pročitati!").arg(path);
    case Status::NotText:
        return QStringLiteral("Datoteka %1 nije tekstualna datoteka s podacima o dnevnicama!").arg(path);
    }
    return {};
}

} // namespace kalvor
