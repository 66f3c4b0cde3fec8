#include "core/DefaultDatabase.h"

#include "core/Prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace kalvor {

namespace {

bool folderWritable(const QString &folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

// The user's copy must be writable whatever the source's attributes were.
void clearReadOnly(const QString &path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
}

} // namespace

DefaultDatabasePlaces DefaultDatabasePlaces::current()
{
    DefaultDatabasePlaces places;
    places.programFolder = QCoreApplication::applicationDirPath();
    places.userCopy = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/kalvbaza.fdb");
    places.programFolderWritable = folderWritable(places.programFolder);
    return places;
}

QString programFolderDatabase(const QString &programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("Baza/kalvbaza.fdb"));
}

QString copyFailureMessage(const QString &source, const QString &target)
{
    return QStringLiteral("Greška prilikom kopiranja baze na lokalni disk! Kontaktirajte autora.")
        + QStringLiteral("\n\n") + source + QLatin1Char('\n') + target;
}

QString decideDefaultDatabase(const DefaultDatabasePlaces &places, Prompter &prompter)
{
    const QString source = programFolderDatabase(places.programFolder);
    const QString &copy = places.userCopy;
    if (!places.programFolderWritable && !QFileInfo::exists(copy)) {
        const bool copied = QDir().mkpath(QFileInfo(copy).absolutePath()) && QFile::copy(source, copy);
        if (!copied) {
            prompter.message(copyFailureMessage(source, copy), Prompter::Kind::Error);
            return source;
        }
        clearReadOnly(copy);
        return copy;
    }
    if (QFileInfo::exists(copy)) {
        clearReadOnly(copy);
        return copy;
    }
    return source;
}

} // namespace kalvor
