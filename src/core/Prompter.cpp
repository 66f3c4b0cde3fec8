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

void Prompter::install(Prompter *prompter)
{
    g_installed = prompter;
}

} // namespace kalvor
