#pragma once

#include <QString>
#include <QStringList>

namespace lume {

// Maps "COMn" to an operating-system serial device. On Windows COMn is the device itself; elsewhere
// COM1 is the first device of the list: USB and ACM adapters first, then the others by name.
// Console devices are never listed: a badge stream written to the console is never wanted.
class PortDirectory
{
public:
    // The machine's serial devices as Qt enumerates them, followed by the ports of running
    // virtual badges.
    [[nodiscard]] static PortDirectory system();
    // Exactly these devices, in this order, as COM1, COM2, ... (tests give pseudo-terminals).
    explicit PortDirectory(QStringList devices = {});

    // Empty when the number maps to no device.
    [[nodiscard]] QString device(int comNumber) const;
    [[nodiscard]] const QStringList &devices() const { return m_devices; }

    // Orders devices as the directory lists them and leaves the consoles out.
    [[nodiscard]] static QStringList arrange(const QStringList &devices, const QStringList &consoles);
    // The devices named in /sys/class/tty/console/active, as /dev paths.
    [[nodiscard]] static QStringList consoleDevices();

private:
    QStringList m_devices;
    bool m_windowsNames = false;
};

} // namespace lume
