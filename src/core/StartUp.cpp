#include "core/StartUp.h"

#include "core/DatabaseCreator.h"
#include "core/Settings.h"
#include "core/TDataModule1.h"

#include <QDir>
#include <QFileInfo>

namespace kalvor {

QString prepareSettingsAndDefaultDatabase(Settings &settings, const DefaultDatabasePlaces &places,
                                          Prompter &prompter)
{
    const QString defaultPath = decideDefaultDatabase(places, prompter);
    settings.setDefault(QStringLiteral("DB"), defaultPath);
    settings.load();

    const bool opensDefault = settings.flag(QStringLiteral("Local"))
        && QFileInfo(settings.text(QStringLiteral("DB"))).absoluteFilePath()
            == QFileInfo(defaultPath).absoluteFilePath();
    if (opensDefault && !QFileInfo::exists(defaultPath)) {
        QDir().mkpath(QFileInfo(defaultPath).absolutePath());
        try {
            createKalvorDatabase(connectParamsFromSettings(settings));
        } catch (const db::DbError &) {
            // The connect that follows reports the database as unusable.
            QFile::remove(defaultPath);
        }
    }
    return defaultPath;
}

} // namespace kalvor
