#include "TerminationSignals.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace kalvor {

namespace {

int g_pipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
}

void watch(std::function<void()> quit)
{
    auto *notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier, quit = std::move(quit)] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(g_pipe[0], &byte, 1);
        notifier->setEnabled(false);
        quit();
    });
}

} // namespace

void quitOnTerminationSignals(std::function<void()> quit)
{
    if (g_pipe[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) != 0)
            return;
        watch(std::move(quit));
    }
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace kalvor
