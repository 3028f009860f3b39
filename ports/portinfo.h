#pragma once

#include "udevnames.h"

#include <QDebug>
#include <QList>
#include <QString>

namespace lume {

// What the system tells about one serial device, so that a user with two adapters can tell which
// is the badge's.
struct PortInfo
{
    enum class Kind {
        BuiltIn, // a UART of the machine
        Adapter, // a USB (or other plug-in) adapter
        Virtual, // a running virtual badge's pseudo-terminal
    };
    QString device; // "/dev/ttyUSB0", "COM3"
    Kind kind = Kind::BuiltIn;
    int vendorId = -1; // USB ids, -1 when unknown
    int productId = -1;
    QString manufacturer;
    QString product;
    QString serialNumber;
    QString driver; // the kernel driver: ch341, pl2303, ftdi_sio, cp210x, cdc_acm, serial8250, ...
    qint64 processId = 0; // Virtual: the simulator's process

    // "QinHeng CH340 serial converter (1a86:7523, ch341)"
    [[nodiscard]] QString description() const;
    // Tells a replugged adapter from another one: ids and serial number, else the device.
    [[nodiscard]] QString identityKey() const;

    friend bool operator==(const PortInfo &, const PortInfo &) = default;
};

QDebug operator<<(QDebug debug, const PortInfo &info);

// Where the scan looks; tests point every part into a temporary folder.
struct PortScanRoots
{
    QString sysfs = QStringLiteral("/sys");
    QString dev = QStringLiteral("/dev");
    QString runtime; // the virtual badges' registry; empty: the per-user runtime directory
    // The names of the USB id database for adapters that report no strings of their own; tests
    // give them as data. Empty: no names.
    UdevLookup udevNames = systemUdevLookup();
};

// The serial devices of the machine with their identity, consoles left out, followed by the
// running virtual badges. On Linux from sysfs alone: Qt's enumeration opens every 8250 port to
// see whether it is real, which would disturb a serial console; sysfs tells the same unopened.
[[nodiscard]] QList<PortInfo> scanSerialPorts(const PortScanRoots &roots = {});

// One identity from sysfs (and udev's names where the device has no strings): the tty's name
// ("ttyUSB0") under the given roots.
[[nodiscard]] PortInfo sysfsPortInfo(const PortScanRoots &roots, const QString &ttyName,
                                     const QString &device);

} // namespace lume
