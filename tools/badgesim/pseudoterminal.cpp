#include "pseudoterminal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace lume {

namespace {
QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool setFlag(int fd, int getCommand, int setCommand, int flag)
{
    const int flags = ::fcntl(fd, getCommand);
    return flags >= 0 && ::fcntl(fd, setCommand, flags | flag) == 0;
}

// Enough for any burst a sender queues, small enough to keep the event loop responsive.
constexpr qsizetype MaxBytesPerWakeUp = 64 * 1024;
} // namespace

PseudoTerminal::PseudoTerminal(QObject *parent)
    : QObject(parent)
{ }

PseudoTerminal::~PseudoTerminal()
{
    close();
}

bool PseudoTerminal::open()
{
    close();
    int master = -1;
    int slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) {
        m_error = QStringLiteral("cannot open a pseudo-terminal: %1").arg(systemError(errno));
        return false;
    }
    char name[128] = {};
    termios settings {};
    bool ok = ::ptsname_r(master, name, sizeof name) == 0;
    if (ok && ::tcgetattr(slave, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::cfsetispeed(&settings, B1200);
        ::cfsetospeed(&settings, B1200);
        ok = ::tcsetattr(slave, TCSANOW, &settings) == 0;
    } else {
        ok = false;
    }
    ok = ok && setFlag(master, F_GETFL, F_SETFL, O_NONBLOCK) &&
        setFlag(master, F_GETFD, F_SETFD, FD_CLOEXEC) && setFlag(slave, F_GETFD, F_SETFD, FD_CLOEXEC);
    if (!ok) {
        m_error = QStringLiteral("cannot set up the pseudo-terminal: %1").arg(systemError(errno));
        ::close(master);
        ::close(slave);
        return false;
    }
    m_master = master;
    m_slave = slave;
    m_slavePath = QString::fromLocal8Bit(name);
    m_error.clear();
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PseudoTerminal::readPending);
    return true;
}

void PseudoTerminal::close()
{
    if (m_notifier) {
        // close() may run inside the notifier's own signal: let the event loop delete it.
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
    m_master = m_slave = -1;
    m_slavePath.clear();
}

void PseudoTerminal::readPending()
{
    if (m_master < 0)
        return;
    QByteArray bytes;
    char buffer[4096];
    int error = 0;
    while (bytes.size() < MaxBytesPerWakeUp) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        error = n == 0 ? EIO : errno;
        break;
    }
    if (!bytes.isEmpty())
        Q_EMIT bytesReceived(bytes);
    if (error != 0 && m_notifier) {
        // A master that stays readable but fails would wake the loop forever.
        m_notifier->setEnabled(false);
        Q_EMIT failed(QStringLiteral("cannot read the pseudo-terminal: %1").arg(systemError(error)));
    }
}

} // namespace lume
