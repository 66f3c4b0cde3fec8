#pragma once

#include <QString>

namespace kalvor {

class Prompter;

// Where the default database lives. The program folder holds
// "Baza/kalvbaza.fdb". When the program folder cannot be written (an
// installed program, or one started from read-only media), a copy in the
// user's data folder serves instead: it is made on first start and, once
// there, it is the default even for a writable program folder.
struct DefaultDatabasePlaces
{
    QString programFolder;
    QString userCopy;           // the copy in the user's data folder
    bool programFolderWritable = true;

    // The places of the running program.
    static DefaultDatabasePlaces current();
};

QString programFolderDatabase(const QString &programFolder);

// Decides the default database path, copying the delivered file to the
// user's folder when needed; a failed copy is reported through the prompter
// and leaves the file in the program folder as the default.
QString decideDefaultDatabase(const DefaultDatabasePlaces &places, Prompter &prompter);

// "Greška prilikom kopiranja baze na lokalni disk! Kontaktirajte autora."
// followed by two line breaks, the source, a line break and the target.
QString copyFailureMessage(const QString &source, const QString &target);

} // namespace kalvor
