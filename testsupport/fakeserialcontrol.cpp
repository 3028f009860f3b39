#include "fakeserialcontrol.h"

#include <algorithm>
#include <cmath>

namespace lume {

FakeSerialControl::FakeSerialControl()
{
    m_elapsed.start();
}

qint64 FakeSerialControl::now() const
{
    return m_clock ? m_clock() : m_elapsed.elapsed();
}

void FakeSerialControl::drain()
{
    const qint64 t = now();
    if (!m_neverDrains) {
        if (m_rate <= 0)
            m_pending = 0;
        else
            m_pending = std::max(0.0, m_pending - m_rate * double(t - m_lastDrain) / 1000.0);
    }
    m_lastDrain = t;
}

bool FakeSerialControl::setCommPort(int number)
{
    m_calls << Call {Operation::SetCommPort, QString::number(number)};
    m_number = number;
    return true;
}

bool FakeSerialControl::setSettings(const QString &settings)
{
    m_calls << Call {Operation::SetSettings, settings};
    m_settings = settings;
    return true;
}

bool FakeSerialControl::open()
{
    m_calls << Call {Operation::Open, QString::number(m_number)};
    if (m_open) {
        m_failure = {SerialFailure::Kind::InUse, QStringLiteral("fake%1").arg(m_number),
                     QStringLiteral("Port already open")};
        return false;
    }
    if (m_openFailure.kind != SerialFailure::Kind::None) {
        m_failure = m_openFailure;
        return false;
    }
    if (!m_openable.isEmpty() && !m_openable.contains(m_number)) {
        m_failure = {SerialFailure::Kind::NoSuchPort, QString(), QStringLiteral("No such port")};
        return false;
    }
    ++m_openCount;
    m_open = !m_readsClosed;
    m_pending = 0;
    m_lastDrain = now();
    return true;
}

void FakeSerialControl::close()
{
    m_calls << Call {Operation::Close, QString()};
    m_open = false;
}

bool FakeSerialControl::isOpen() const
{
    return m_open;
}

bool FakeSerialControl::setOption9(bool on)
{
    m_calls << Call {Operation::SetOption9, on ? QStringLiteral("true") : QStringLiteral("false")};
    // As every control: a device without modem-control lines counts as done.
    if (m_open && m_option9Failure.kind != SerialFailure::Kind::None &&
        !lacksModemLines(m_option9Failure.systemError)) {
        m_failure = m_option9Failure;
        return false;
    }
    m_option9 = on;
    return true;
}

bool FakeSerialControl::write(const QByteArray &bytes)
{
    m_calls << Call {Operation::Write, QString::number(bytes.size())};
    if (m_writeObserver)
        m_writeObserver(bytes);
    const int index = int(m_writes.size());
    if (!m_open || index == m_failingWrite) {
        m_writes << QByteArray();
        m_failure = {SerialFailure::Kind::Other, QString(), QStringLiteral("Write failed")};
        return false;
    }
    drain();
    m_writes << bytes;
    m_pending += bytes.size();
    m_queued += bytes.size();
    return true;
}

std::optional<qint64> FakeSerialControl::pendingOutput()
{
    m_calls << Call {Operation::PendingOutput, QString()};
    if (m_pendingUnreadable) {
        m_failure = {SerialFailure::Kind::Other, QString(), QStringLiteral("Count unreadable")};
        return std::nullopt;
    }
    drain();
    return qint64(std::ceil(m_pending));
}

qint64 FakeSerialControl::sentBytes()
{
    drain();
    return m_queued - qint64(std::ceil(m_pending));
}

QByteArray FakeSerialControl::written() const
{
    QByteArray all;
    for (const QByteArray &bytes : m_writes)
        all += bytes;
    return all;
}

} // namespace lume
