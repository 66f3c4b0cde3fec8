#pragma once

#include <QColor>
#include <QString>
#include <optional>

namespace kalvor {

// The one seam for every message box, question and standard dialog. Screens
// and logic classes call the current prompter; the program installs the Qt
// one, tests install a scripted one that records each text and answers as
// told.
class Prompter
{
public:
    enum class Kind { Information, Warning, Error };

    virtual ~Prompter() = default;

    virtual void message(const QString &text, Kind kind = Kind::Information) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(const QString &text) = 0;
    // File dialogs: empty result when cancelled.
    virtual QString openFileName(const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    // The same with one of the filters (";;"-separated in `filter`) chosen
    // when the dialog opens; by default the first filter is.
    virtual QString openFileName(const QString &caption, const QString &folder, const QString &filter,
                                 const QString &selectedFilter);
    virtual QString saveFileName(const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual std::optional<QColor> color(const QColor &initial) = 0;
    // The login dialog "Database Login": false when cancelled.
    virtual bool login(const QString &databaseName, QString &user, QString &password) = 0;

    static Prompter &current();
    // Installs a prompter (not owned); nullptr restores the Qt one.
    static void install(Prompter *prompter);
};

} // namespace kalvor
