#pragma once

#include "serialcontrol.h"

namespace lume {

// Passes every operation on to the real control and keeps count of what the transfer queued and of
// the pending count it last read, so that progress can be shown without touching the port itself.
class WatchedSerialControl final : public SerialControl
{
public:
    explicit WatchedSerialControl(SerialControl &port)
        : m_port(port)
    { }

    bool setCommPort(int number) override { return m_port.setCommPort(number); }
    bool setSettings(const QString &settings) override { return m_port.setSettings(settings); }
    bool open() override;
    void close() override { m_port.close(); }
    [[nodiscard]] bool isOpen() const override { return m_port.isOpen(); }
    bool setOption9(bool on) override { return m_port.setOption9(on); }
    bool write(const QByteArray &bytes) override;
    [[nodiscard]] std::optional<qint64> pendingOutput() override;
    [[nodiscard]] SerialFailure lastFailure() const override { return m_port.lastFailure(); }

    // Bytes that have left the port, as far as the last pending count tells.
    [[nodiscard]] qint64 sent() const { return m_queued - m_pending; }

private:
    SerialControl &m_port;
    qint64 m_queued = 0; // since the port was opened
    qint64 m_pending = 0;
};

} // namespace lume
