#include "interrupt.h"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1};

void onSigint(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
}

} // namespace

Interrupt::Interrupt(std::function<void()> interrupted, QObject *parent)
    : QObject(parent), m_interrupted(std::move(interrupted))
{
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // without the pipe Ctrl+C keeps its default action: the program ends
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &Interrupt::readPipe);
    struct sigaction action = {};
    action.sa_handler = onSigint;
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

Interrupt::~Interrupt()
{
    std::signal(SIGINT, SIG_DFL);
    delete m_notifier;
    for (int &end : g_pipe) {
        if (end >= 0)
            ::close(std::exchange(end, -1));
    }
}

void Interrupt::readPipe()
{
    char byte = 0;
    while (::read(g_pipe[0], &byte, 1) > 0) {
    }
    m_interrupted();
}
