#include "support/ScriptedPrompter.h"

namespace kalvor::test {

void ScriptedPrompter::message(const QString &text, Kind kind)
{
    messages << text;
    kinds << kind;
}

bool ScriptedPrompter::question(const QString &text)
{
    questions << text;
    return answers.isEmpty() ? false : answers.dequeue();
}

QString ScriptedPrompter::openFileName(const QString &caption, const QString &folder, const QString &filter)
{
    return openFileName(caption, folder, filter, filter.section(QStringLiteral(";;"), 0, 0));
}

QString ScriptedPrompter::openFileName(const QString &caption, const QString &, const QString &filter,
                                       const QString &selectedFilter)
{
    dialogs << caption;
    fileFilters << filter;
    selectedFilters << selectedFilter;
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString ScriptedPrompter::saveFileName(const QString &caption, const QString &, const QString &)
{
    dialogs << caption;
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

std::optional<QColor> ScriptedPrompter::color(const QColor &)
{
    dialogs << QStringLiteral("colour");
    if (colors.isEmpty())
        return std::nullopt;
    return colors.dequeue();
}

bool ScriptedPrompter::login(const QString &databaseName, QString &user, QString &password)
{
    dialogs << QStringLiteral("login:") + databaseName;
    if (logins.isEmpty())
        return false;
    const Login l = logins.dequeue();
    if (l.accept) {
        user = l.user;
        password = l.password;
    }
    return l.accept;
}

void ScriptedPrompter::clear()
{
    messages.clear();
    kinds.clear();
    questions.clear();
    dialogs.clear();
    fileFilters.clear();
    selectedFilters.clear();
}

} // namespace kalvor::test
