#pragma once

#include "portinfo.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

namespace lume {

struct PortEntry
{
    int number = 0; // COMn
    PortInfo info;

    friend bool operator==(const PortEntry &, const PortEntry &) = default;
};

// Maps "COMn" to an operating-system serial device. On Windows COMn is the device itself. Elsewhere
// the machine's devices are numbered when first listed so that the start-up preselection (the
// first entry of one or two, else the last) picks a plug-in adapter over built-in ports, and a
// virtual badge only when no adapter is there; listed again, every device that stayed keeps its
// number, and a replugged adapter gets its old one back when it is free.
// Console devices are never listed: a badge stream written to the console is never wanted.
class PortDirectory
{
public:
    using Source = std::function<QList<PortInfo>()>;

    // The machine's serial devices (scanSerialPorts), followed by the ports of running virtual
    // badges; refresh() lists them again.
    [[nodiscard]] static PortDirectory system();
    // The devices the source finds, numbered at once and again on each refresh().
    explicit PortDirectory(Source source);
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
    // The devices in the order of their numbers.
    [[nodiscard]] QStringList devices() const;
    [[nodiscard]] const QList<PortEntry> &entries() const { return m_entries; }
    // The identity of COMn; an empty device when the number maps to none.
    [[nodiscard]] PortInfo info(int comNumber) const;
    // "device  description" of COMn, for the port box's tooltips; empty when it maps to none.
    [[nodiscard]] QString toolTip(int comNumber) const;
    // (n, tooltip) of every listed port.
    [[nodiscard]] QList<std::pair<int, QString>> toolTips() const;
    // Lists the devices again; a directory of fixed devices stays as it is.
    void refresh();

    // Numbers what a listing found. Devices of the previous listing keep their numbers; a device
    // whose identity key was numbered before gets that number back when free; the others take
    // the lowest free numbers. A first listing orders the kinds for the preselection.
    [[nodiscard]] static QList<PortEntry>
    number(const QList<PortInfo> &found, const QList<PortEntry> &previous, QHash<QString, int> &remembered);

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
    // The same with each simulator's process id.
    [[nodiscard]] static QList<std::pair<qint64, QString>> virtualPortEntries(const QString &directory);

private:
    Source m_source;
    QList<PortEntry> m_entries; // ascending numbers
    QHash<QString, int> m_remembered; // identity key -> number it had
    bool m_windowsNames = false;
};

} // namespace lume
