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
    // What system() makes of these serial devices: arranged, the consoles left out, followed by
    // the ports of running virtual badges (tests give devices that are theirs to open).
    [[nodiscard]] static PortDirectory withVirtualPorts(const QStringList &devices,
                                                        const QStringList &consoles);
    // Exactly these devices, in this order, as COM1, COM2, ... (tests give pseudo-terminals).
    explicit PortDirectory(QStringList devices = {});
    // Windows naming: COMn is the device "COMn" itself, whether or not the machine has it.
    [[nodiscard]] static PortDirectory windowsPorts();

    // Empty when the number maps to no device.
    [[nodiscard]] QString device(int comNumber) const;
    [[nodiscard]] const QStringList &devices() const { return m_devices; }

    // Orders devices as the directory lists them and leaves the consoles out.
    [[nodiscard]] static QStringList arrange(const QStringList &devices, const QStringList &consoles);
    // The devices named in /sys/class/tty/console/active, as /dev paths.
    [[nodiscard]] static QStringList consoleDevices();
    // The same from a file of that format: names separated by white space, "tty0 ttyS0".
    [[nodiscard]] static QStringList consoleDevices(const QString &activeFile);

    // A running virtual badge announces its pseudo-terminal with a file "lume-badgesim-<pid>.port"
    // in the per-user runtime directory (QStandardPaths::RuntimeLocation), <pid> being its process
    // id in decimal. The file holds one line, the absolute device path in UTF-8 ("/dev/pts/3\n"),
    // is written at once (QSaveFile) and removed when the badge ends. An entry whose process has
    // ended, whose device is gone or is no character device, or whose name or content does not fit
    // this format is ignored.
    [[nodiscard]] static QString virtualPortFile(qint64 pid);
    // The live entries, ordered by process id.
    [[nodiscard]] static QStringList virtualPorts();
    // The same from the entries in the given directory.
    [[nodiscard]] static QStringList virtualPorts(const QString &directory);

private:
    QStringList m_devices;
    bool m_windowsNames = false;
};

} // namespace lume
