#include "platform/QuitOnSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int Signals[] = {SIGTERM, SIGINT, SIGHUP};

int wakeFds[2] = {-1, -1};
volatile sig_atomic_t requested = 0;
bool caught = false;
bool notifying = false;

// Only async-signal-safe work here: a flag and one byte into the socket.
void OnSignal(int)
{
    requested = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(wakeFds[0], &byte, 1);
}

sigset_t SignalSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (int sig : Signals)
        sigaddset(&set, sig);
    return set;
}

void InstallHandler()
{
    struct sigaction sa = {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : Signals)
        sigaction(sig, &sa, nullptr);
}

}

void CatchTerminationSignals()
{
    if (caught)
        return;
    caught = true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeFds) == 0)
        ::fcntl(wakeFds[0], F_SETFL, O_NONBLOCK);
    const sigset_t set = SignalSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    InstallHandler();
}

bool TerminationRequested()
{
    if (requested)
        return true;
    sigset_t pending;
    sigemptyset(&pending);
    sigpending(&pending);
    for (int sig : Signals)
        if (sigismember(&pending, sig))
            return true;
    return false;
}

void AcceptTerminationSignals()
{
    CatchTerminationSignals();
    InstallHandler();
    const sigset_t set = SignalSet();
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

void QuitOnTerminationSignals()
{
    CatchTerminationSignals();
    if (!notifying && wakeFds[1] >= 0) {
        notifying = true;
        auto *notifier = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notifier, &QSocketNotifier::activated, [] {
            char byte;
            [[maybe_unused]] const ssize_t n = ::read(wakeFds[1], &byte, 1);
            // exit, not quit: quit does nothing before the main loop runs,
            // and a modal box's own loop must end too.
            QCoreApplication::exit(0);
        });
    }
}
