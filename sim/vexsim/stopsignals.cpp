#include "stopsignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

int g_wakeFds[2] = {-1, -1}; // a signal writes one byte to [1]; the event loop reads [0]

void onStopSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_wakeFds[1], &byte, 1);
    errno = saved;
}

} // namespace

bool quitOnStopSignals(QString &error)
{
    if (::pipe2(g_wakeFds, O_NONBLOCK | O_CLOEXEC) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    auto *notifier = new QSocketNotifier(g_wakeFds[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char byte;
        while (::read(g_wakeFds[0], &byte, 1) > 0) {
        }
        QCoreApplication::quit();
    });
    struct sigaction action{};
    action.sa_handler = onStopSignal;
    ::sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (::sigaction(SIGINT, &action, nullptr) != 0 || ::sigaction(SIGTERM, &action, nullptr) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}
