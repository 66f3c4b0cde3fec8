#pragma once

#include "core/Prompter.h"

namespace kalvor {

// The prompter of the running program: Qt message boxes with the program's
// title, Yes/No questions, the standard file and colour dialogs and the
// login dialog.
class QtPrompter : public Prompter
{
public:
    void message(const QString &text, Kind kind) override;
    bool question(const QString &text) override;
    QString openFileName(const QString &caption, const QString &folder, const QString &filter) override;
    QString openFileName(const QString &caption, const QString &folder, const QString &filter,
                         const QString &selectedFilter) override;
    QString saveFileName(const QString &caption, const QString &folder, const QString &filter) override;
    std::optional<QColor> color(const QColor &initial) override;
    bool login(const QString &databaseName, QString &user, QString &password) override;
};

} // namespace kalvor
