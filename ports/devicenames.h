#pragma once

#include <QString>
#include <QStringList>

namespace lume {

// What a device's path alone tells: whether it is a plug-in adapter or a console, and the order in
// which the programs list devices. Nothing is opened.

// ttyUSB and ttyACM (Linux); on macOS cu.usbserial-..., cu.usbmodem..., the vendors'
// cu.SLAB_USBtoUART and cu.wchusbserial..., and their tty. twins.
[[nodiscard]] bool isAdapterDevice(const QString &path);

// One of the given consoles, the controlling terminal, or a virtual console /dev/tty0, /dev/tty1, ...
[[nodiscard]] bool isConsole(const QString &path, const QStringList &consoles);

// A device that is, or leads to through symbolic links, a console: a badge stream is never
// written there.
[[nodiscard]] bool isConsoleDevice(const QString &device, const QStringList &consoles);

// The devices named in /sys/class/tty/console/active, as /dev paths.
[[nodiscard]] QStringList consoleDevices();
// The same from a file of that format: names separated by white space, "tty0 ttyS0".
[[nodiscard]] QStringList consoleDevices(const QString &activeFile);

// Adapters first, then the others, each in natural order (ttyS2 before ttyS10); consoles, macOS
// dial-in twins, empty names and repeats left out.
[[nodiscard]] QStringList arrangeDevices(const QStringList &devices, const QStringList &consoles);

} // namespace lume
