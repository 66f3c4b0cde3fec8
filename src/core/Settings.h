#pragma once

#include <QColor>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace kalvor {

// The program's current settings. Every key lives in one table with its kind
// and default; load() reads the store (a missing or malformed value gives the
// default, never an error), save() writes every key back. Other code reads the
// current settings from here and never touches the store.
//
// Values in memory: texts as QString, integers and flags as int (a flag is
// 1 or 0), numbers as double, the scrambled password `USER2` as the plain
// password (it is scrambled only in the store).
class Settings
{
public:
    enum class Kind { Text, Integer, Flag, Number, Scrambled };
    enum class Group { Main, PrintEvSetup };

    struct Key
    {
        QString name;
        Kind kind;
        QVariant defaultValue;
        Group group = Group::Main;
        // The value saved when the field holds no valid value of the kind (a
        // text that is not a whole number for an integer, not a number for a
        // number); invalid when the key has none and the default is saved.
        QVariant saveFallback = {};
        // Longest text the field accepts; 0 for no limit.
        int maxLength = 0;
    };

    // A text of the cash journal: its name (the row of the table on the
    // settings screen, what the journal asks for) and the printed text.
    struct JournalText
    {
        QString name;
        QString text;
    };

    // The table of every setting with its kind and default.
    static const QVector<Key> &table();
    static const Key *find(const QString &name);
    // The connection values that "Zapamti" writes on its own.
    static const QStringList &connectionKeys();
    // The cash journal texts with their defaults, in the order of the table
    // on the settings screen.
    static const QVector<JournalText> &journalTable();

    // The program's one instance (what the settings screen holds).
    static Settings &current();

    Settings();

    // Replaces a table default at run time; used for `DB`, whose default is
    // the default database location decided at start.
    void setDefault(const QString &name, const QVariant &value);
    QVariant defaultValue(const QString &name) const;

    void load();
    // Writes every key. write() does the same, or only the named keys, and
    // tells whether the store took them.
    void save() const;
    bool write(const QStringList &names = {}) const;
    // Every key back to its default, the cash journal texts too.
    void resetToDefaults();

    QVariant value(const QString &name) const;
    QString text(const QString &name) const;
    int integer(const QString &name) const;
    bool flag(const QString &name) const;
    double number(const QString &name) const;
    // Stores the value converted to the key's kind. A value that does not
    // convert (a text that is not a whole number for an integer, not a number
    // for a number) becomes the key's saving fallback, or its default when
    // the key has none. Numbers arrive as double (the field's text read with
    // ParseAmount); a text converts only in the C notation ("0.18").
    void set(const QString &name, const QVariant &value);
    // Sets one value from a "KEY=VALUE" pair of the command line (--set), for
    // this run only: nothing reaches the store unless the settings are saved.
    // The value must be one of the key's kind: a flag 0, 1, true or false; an
    // integer a whole number; a number with a comma or a full stop as the
    // decimal separator; a text (the password too) as it is, within the
    // field's length. An unknown key, a pair without "=" or a value not of
    // the kind changes nothing and returns false with the reason in *error.
    bool applyOverride(const QString &pair, QString *error = nullptr);

    // The cash journal texts live only here: load() and save() leave them
    // alone, every start begins with the defaults.
    QString journalText(const QString &name) const;
    void setJournalText(const QString &name, const QString &text);

private:
    QHash<QString, QVariant> m_values;
    QHash<QString, QVariant> m_defaults;
    QHash<QString, QString> m_journal;
};

// Password scrambling of `USER2` (the stored text of the password).
QString scramblePassword(const QString &password);
QString unscramblePassword(const QString &stored);

// Colour settings hold the colour as 0x00BBGGRR (red in the lowest byte):
// 128 is maroon, 65535 yellow.
QColor settingColor(int value);
int settingColorValue(const QColor &color);

// Folder of the settings files: KALVOR_CONFIG_DIR when set, otherwise the
// user's XDG configuration folder followed by "Kalvor".
QString configFolder();
// The machine-wide settings file (with its PrintEvSetup group) and the
// per-user window-position file.
QString machineSettingsFile();
QString userSettingsFile();

} // namespace kalvor
