#pragma once

#include "serialcontrol.h"

#include <QElapsedTimer>
#include <QList>
#include <QSet>

#include <functional>

namespace lume {

// A serial control for tests and benchmarks: records every operation and write, and simulates a
// line that drains at a given rate in real or virtual time, and every way a port can fail.
class FakeSerialControl final : public SerialControl
{
public:
    enum class Operation { SetCommPort, SetSettings, Open, Close, IsOpen, SetOption9, Write, PendingOutput };
    struct Call
    {
        Operation operation;
        QString argument; // port number, settings, option state or write size
        friend bool operator==(const Call &, const Call &) = default;
    };

    FakeSerialControl();

    bool setCommPort(int number) override;
    bool setSettings(const QString &settings) override;
    bool open() override;
    void close() override;
    [[nodiscard]] bool isOpen() const override;
    bool setOption9(bool on) override;
    bool write(const QByteArray &bytes) override;
    [[nodiscard]] std::optional<qint64> pendingOutput() override;
    [[nodiscard]] SerialFailure lastFailure() const override { return m_failure; }

    // Ports that open; all others fail as if there were no such device. Empty set: every port opens.
    void setOpenablePorts(const QSet<int> &ports) { m_openable = ports; }
    void setOpenFailure(const SerialFailure &failure) { m_openFailure = failure; }
    void setOpenReadsClosed(bool on) { m_readsClosed = on; }
    // Setting option 9 on the open port fails with this (None: it succeeds).
    void setOption9Failure(const SerialFailure &failure) { m_option9Failure = failure; }
    void setFailingWrite(int index) { m_failingWrite = index; } // 0-based, -1 for none
    void setPendingUnreadable(bool on) { m_pendingUnreadable = on; }
    void setNeverDrains(bool on) { m_neverDrains = on; }
    // 0 drains at once; otherwise bytes per second of the clock.
    void setDrainRate(double bytesPerSecond) { m_rate = bytesPerSecond; }
    // Milliseconds of a virtual clock; the default is real time.
    void setClock(std::function<qint64()> msecs) { m_clock = std::move(msecs); }
    // Called with each write as it arrives, before it is queued: what the window shows at that moment.
    void setWriteObserver(std::function<void(const QByteArray &bytes)> observer)
    {
        m_writeObserver = std::move(observer);
    }

    [[nodiscard]] const QList<Call> &calls() const { return m_calls; }
    [[nodiscard]] const QList<QByteArray> &writes() const { return m_writes; }
    [[nodiscard]] QByteArray written() const;
    // Bytes that have left the simulated line so far.
    [[nodiscard]] qint64 sentBytes();
    [[nodiscard]] int portNumber() const { return m_number; }
    [[nodiscard]] QString settings() const { return m_settings; }
    [[nodiscard]] std::optional<bool> option9() const { return m_option9; }
    [[nodiscard]] int openCount() const { return m_openCount; }

private:
    void drain();
    qint64 now() const;

    QList<Call> m_calls;
    QList<QByteArray> m_writes;
    QSet<int> m_openable;
    SerialFailure m_openFailure;
    SerialFailure m_option9Failure;
    SerialFailure m_failure;
    std::function<qint64()> m_clock;
    std::function<void(const QByteArray &)> m_writeObserver;
    QElapsedTimer m_elapsed;
    std::optional<bool> m_option9;
    QString m_settings;
    double m_rate = 0;
    double m_pending = 0;
    qint64 m_lastDrain = 0;
    qint64 m_queued = 0;
    int m_number = 1;
    int m_failingWrite = -1;
    int m_openCount = 0;
    bool m_open = false;
    bool m_readsClosed = false;
    bool m_pendingUnreadable = false;
    bool m_neverDrains = false;
};

} // namespace lume
