#pragma once

#include "portdirectory.h"
#include "serialcontrol.h"

#include <QSerialPort>

namespace lume {

// The serial control on a real port through QSerialPort.
class QtSerialControl final : public SerialControl
{
public:
    explicit QtSerialControl(PortDirectory directory = PortDirectory::system());
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

    [[nodiscard]] const PortDirectory &directory() const { return m_directory; }
    // The line settings the next open applies (or the open port has), as "1200,n,8,1".
    [[nodiscard]] QString settings() const;

private:
    PortDirectory m_directory;
    QSerialPort m_port;
    int m_number = 1;
    QString m_device; // the device of the open port
    SerialFailure m_failure;
};

} // namespace lume
