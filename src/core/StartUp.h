#pragma once

#include "core/DefaultDatabase.h"

namespace kalvor {

class Settings;
class Prompter;

// Before the first connect: decides the default database location, makes it
// the default of `DB`, reads the settings and, when the program is to open
// its own default database in local mode and that file is missing, creates
// it (delivered schema, then the upgrade). A database the user named
// explicitly is never created here. Returns the default path.
QString prepareSettingsAndDefaultDatabase(Settings &settings, const DefaultDatabasePlaces &places,
                                          Prompter &prompter);

} // namespace kalvor
