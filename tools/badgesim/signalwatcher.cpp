#include "signalwatcher.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace lume {

namespace {
sigset_t terminationSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    return set;
}
} // namespace

void SignalWatcher::blockTerminationSignals()
{
    const sigset_t set = terminationSignals();
    ::pthread_sigmask(SIG_BLOCK, &set, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

SignalWatcher::SignalWatcher(QObject *parent)
    : QObject(parent)
{
    const sigset_t set = terminationSignals();
    m_fd = ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (m_fd < 0)
        return;
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalWatcher::readSignal);
}

SignalWatcher::~SignalWatcher()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

void SignalWatcher::readSignal()
{
    signalfd_siginfo info {};
    for (;;) {
        const ssize_t n = ::read(m_fd, &info, sizeof info);
        if (n < 0 && errno == EINTR)
            continue;
        if (n != ssize_t(sizeof info))
            return;
        Q_EMIT terminationRequested(int(info.ssi_signo));
    }
}

} // namespace lume
