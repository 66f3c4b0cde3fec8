#include "suite/BenchDatabases.h"

#include "companygen/CompanyGenerator.h"
#include "core/db/DbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <exception>

namespace kalvor::bench {

using companygen::CompanyGenerator;
using companygen::CompanyProfile;

QString BenchDatabases::pathOf(const QString &size) const
{
    return QDir(m_folder).absoluteFilePath(QStringLiteral("kalvor_%1.fdb").arg(size));
}

QString BenchDatabases::notePathOf(const QString &size) const
{
    return QDir(m_folder).absoluteFilePath(QStringLiteral("kalvor_%1.txt").arg(size));
}

QString BenchDatabases::generationNote(const QString &size) const
{
    QFile file(notePathOf(size));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

QString BenchDatabases::ensure(const QString &size, QString *error)
{
    const QString path = pathOf(size);
    if (QFileInfo::exists(path))
        return path;
    CompanyProfile::Size s;
    if (!CompanyProfile::parseSize(size, &s)) {
        *error = QStringLiteral("unknown size ") + size;
        return {};
    }
    QDir().mkpath(m_folder);
    QTextStream out(stdout);
    out << "Generating the " << size << " company into " << path << " (once; it is kept) …\n";
    out.flush();
    db::ConnectParams params;
    params.databaseName = path;
    params.user = QStringLiteral("SYSDBA");
    params.password = QStringLiteral("korimatno");
    CompanyGenerator generator(CompanyProfile::of(s), kSeed);
    generator.setProgress([&out](const QString &line) {
        out << "  " << line << '\n';
        out.flush();
    });
    try {
        const companygen::GenerationReport report = generator.generate(params);
        QFile note(notePathOf(size));
        if (note.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            QTextStream n(&note);
            n << "generated with seed " << kSeed << " in " << QString::number(report.seconds, 'f', 0) << " s: "
              << report.lines().join(QStringLiteral("; ")) << '\n';
        }
        return path;
    } catch (const db::DbError &e) {
        *error = e.message();
    } catch (const std::exception &e) {
        *error = QString::fromLocal8Bit(e.what());
    }
    return {};
}

} // namespace kalvor::bench
