#include "watchedserialcontrol.h"

#include <algorithm>

namespace lume {

bool WatchedSerialControl::open()
{
    m_queued = 0;
    m_pending = 0;
    return m_port.open();
}

bool WatchedSerialControl::write(const QByteArray &bytes)
{
    const bool written = m_port.write(bytes);
    if (written) {
        m_queued += bytes.size();
        m_pending += bytes.size();
    }
    return written;
}

std::optional<qint64> WatchedSerialControl::pendingOutput()
{
    const std::optional<qint64> pending = m_port.pendingOutput();
    if (pending)
        m_pending = std::clamp<qint64>(*pending, 0, m_queued);
    return pending;
}

} // namespace lume
