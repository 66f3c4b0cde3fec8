#pragma once

#include "core/Prompter.h"

#include <QQueue>
#include <QStringList>

namespace kalvor::test {

// A prompter for tests: records every text it is shown and answers questions
// and dialogs from queues the test fills. An unexpected question answers No,
// an unexpected dialog is cancelled; both are recorded too.
class ScriptedPrompter : public Prompter
{
public:
    ScriptedPrompter() { Prompter::install(this); }
    ~ScriptedPrompter() override { Prompter::install(nullptr); }

    void message(const QString &text, Kind kind) override;
    bool question(const QString &text) override;
    QString openFileName(const QString &caption, const QString &folder, const QString &filter) override;
    QString openFileName(const QString &caption, const QString &folder, const QString &filter,
                         const QString &selectedFilter) override;
    QString saveFileName(const QString &caption, const QString &folder, const QString &filter) override;
    std::optional<QColor> color(const QColor &initial) override;
    bool login(const QString &databaseName, QString &user, QString &password) override;

    struct Login { bool accept; QString user; QString password; };

    QStringList messages;          // message texts in order
    QList<Kind> kinds;             // their kinds
    QStringList questions;         // question texts in order
    QStringList dialogs;           // captions of file dialogs, "colour", "login:<db>"
    QStringList fileFilters;       // filters of the open-file dialogs, in order
    QStringList selectedFilters;   // the filter each open-file dialog opened with
    QQueue<bool> answers;          // answers to questions, in order
    QQueue<QString> fileNames;     // results of file dialogs
    QQueue<QColor> colors;         // results of colour dialogs
    QQueue<Login> logins;          // results of login dialogs

    void clear();
};

} // namespace kalvor::test
