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

private:
    PortDirectory m_directory;
    QSerialPort m_port;
    int m_number = 1;
    SerialFailure m_failure;
};

} // namespace lume
