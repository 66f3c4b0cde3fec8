#include "core/Prompter.h"

#include "core/ui/QtPrompter.h"

namespace kalvor {

namespace {
Prompter *g_installed = nullptr;
}

Prompter &Prompter::current()
{
    if (g_installed)
        return *g_installed;
    static QtPrompter qtPrompter;
    return qtPrompter;
}

QString Prompter::openFileName(const QString &caption, const QString &folder, const QString &filter,
                               const QString &)
{
    return openFileName(caption, folder, filter);
}

void Prompter::install(Prompter *prompter)
{
    g_installed = prompter;
}

} // namespace kalvor
