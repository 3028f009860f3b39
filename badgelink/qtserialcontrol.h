#pragma once

#include "portresolver.h"
#include "serialcontrol.h"

#include <QSerialPort>

#include <memory>

namespace lume {

// The serial control on a real port through QSerialPort.
class QtSerialControl final : public SerialControl
{
public:
    // The resolver maps the port number to a device at each open.
    explicit QtSerialControl(PortResolver ports);
    ~QtSerialControl() override;

    bool setCommPort(int number) override;
    bool setSettings(const QString &settings) override;
    bool open() override;
    void close() override;
    [[nodiscard]] bool isOpen() const override;
    bool setOption9(bool on) override;
    bool write(const QByteArray &bytes) override;
    [[nodiscard]] std::optional<qint64> pendingOutput() override;
    [[nodiscard]] SerialFailure lastFailure() const override { return m_failure; }


private:
    struct HardwareDrain;
    // Once the driver's queue is empty, waits for the hardware (UART FIFO, the adapter's chip) in
    // a worker thread; true when it has finished.
    bool hardwareDrained();

    PortResolver m_ports;
    QSerialPort m_port;
    int m_number = 1;
    QString m_device; // the device of the open port
    SerialFailure m_failure;
    std::shared_ptr<HardwareDrain> m_drain; // the running or finished wait for the hardware
    bool m_hardwareIdle = true; // nothing written since the hardware last finished
};

} // namespace lume
