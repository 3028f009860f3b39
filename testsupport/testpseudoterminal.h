#pragma once

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace lume::test {

// A pseudo-terminal made by the test: the code under test opens the slave by its path, the test
// reads what arrives on the master. The test keeps a slave descriptor of its own open, so the
// master never reads end-of-line while the port under test is closed and reopened.
class PseudoTerminal
{
public:
    PseudoTerminal()
    {
        char name[256] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
            m_master = m_slave = -1;
            return;
        }
        m_slavePath = QString::fromLocal8Bit(name);
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
        // Raw both ways, as a badge line is: no echo, no newline translation.
        termios settings {};
        if (::tcgetattr(m_slave, &settings) == 0) {
            ::cfmakeraw(&settings);
            ::tcsetattr(m_slave, TCSANOW, &settings);
        }
    }
    ~PseudoTerminal()
    {
        if (m_master >= 0)
            ::close(m_master);
        if (m_slave >= 0)
            ::close(m_slave);
    }
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    [[nodiscard]] bool isValid() const { return m_master >= 0; }
    [[nodiscard]] QString slavePath() const { return m_slavePath; }
    [[nodiscard]] int master() const { return m_master; }
    [[nodiscard]] int slave() const { return m_slave; }

    // The far end goes away, as when a virtual badge ends: the slave side is hung up.
    void closeMaster()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

    // Everything that has arrived on the master so far, without waiting.
    QByteArray readAvailable()
    {
        QByteArray all;
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n > 0) {
                all.append(buffer, n);
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            break; // EAGAIN: nothing more now
        }
        return all;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};

} // namespace lume::test
