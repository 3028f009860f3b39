#pragma once

#include "portinfo.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <memory>

namespace lume::test {

// A sysfs tree in a temporary folder, laid out as Linux lays out serial devices: the tty class
// links to the device, a usb-serial port sits under its USB interface, which sits under the USB
// device with its ids and strings.
class FakeSysfs
{
public:
    explicit FakeSysfs(const QString &folder)
        : m_root(folder + QStringLiteral("/sys"))
    {
        QDir().mkpath(m_root + QStringLiteral("/class/tty"));
        QDir().mkpath(folder + QStringLiteral("/dev"));
        QDir().mkpath(folder + QStringLiteral("/run"));
        m_roots.sysfs = m_root;
        m_roots.dev = folder + QStringLiteral("/dev");
        m_roots.runtime = folder + QStringLiteral("/run");
        m_roots.udevNames = [names = m_udevNames](const QString &tty) { return names->value(tty); };
    }

    [[nodiscard]] const PortScanRoots &roots() const { return m_roots; }

    // ttyUSB<n> of a usb-serial driver ("ch341" gives the interface driver ch341 and the port
    // driver ch341-uart). Empty strings are left out, as a device without them has none.
    void addUsbSerial(const QString &tty, const QString &busPort, const QString &driver, int vendor,
                      int product, const QString &manufacturer, const QString &productName,
                      const QString &serial)
    {
        const QString usb = usbDevice(busPort, vendor, product, manufacturer, productName, serial);
        const QString interface = usbInterface(usb, busPort, driver);
        const QString portDir = interface + u'/' + tty;
        QDir().mkpath(portDir);
        link(m_root + QStringLiteral("/bus/usb-serial/drivers/") + driver + QStringLiteral("-uart"),
             portDir + QStringLiteral("/driver"));
        addTty(tty, portDir);
        m_devices.insert(tty, usb);
    }

    void addAcm(const QString &tty, const QString &busPort, int vendor, int product,
                const QString &manufacturer, const QString &productName, const QString &serial)
    {
        const QString usb = usbDevice(busPort, vendor, product, manufacturer, productName, serial);
        addTty(tty, usbInterface(usb, busPort, QStringLiteral("cdc_acm")));
        m_devices.insert(tty, usb);
    }

    // type 0: a serial-core line without a UART.
    void addBuiltIn(const QString &tty, int type)
    {
        const QString device = m_root + QStringLiteral("/devices/platform/serial8250");
        QDir().mkpath(device);
        link(m_root + QStringLiteral("/bus/platform/drivers/serial8250"), device + QStringLiteral("/driver"));
        addTty(tty, device);
        write(m_root + QStringLiteral("/class/tty/") + tty + QStringLiteral("/type"),
              QByteArray::number(type) + '\n');
    }

    // What udev's database tells of a tty: the USB id database's names.
    void addUdevNames(const QString &tty, const QString &vendor, const QString &model)
    {
        m_udevNames->insert(tty, UdevNames {vendor, model});
    }

    void addVirtualTerminal(const QString &tty)
    {
        QDir().mkpath(m_root + QStringLiteral("/class/tty/") + tty);
    }

    void setConsoles(const QByteArray &active)
    {
        QDir().mkpath(m_root + QStringLiteral("/class/tty/console"));
        write(m_root + QStringLiteral("/class/tty/console/active"), active);
    }

    // The device is unplugged: its tty and its USB device go.
    void remove(const QString &tty)
    {
        QDir(m_root + QStringLiteral("/class/tty/") + tty).removeRecursively();
        if (m_devices.contains(tty))
            QDir(m_devices.take(tty)).removeRecursively();
    }

private:
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    static void link(const QString &target, const QString &name) { QFile::link(target, name); }

    QString usbDevice(const QString &busPort, int vendor, int product, const QString &manufacturer,
                      const QString &productName, const QString &serial)
    {
        const QString usb = m_root + QStringLiteral("/devices/pci0000:00/0000:00:14.0/usb1/") + busPort;
        QDir().mkpath(usb);
        write(usb + QStringLiteral("/idVendor"),
              QByteArray::number(vendor, 16).rightJustified(4, '0') + '\n');
        write(usb + QStringLiteral("/idProduct"),
              QByteArray::number(product, 16).rightJustified(4, '0') + '\n');
        if (!manufacturer.isEmpty())
            write(usb + QStringLiteral("/manufacturer"), manufacturer.toUtf8() + '\n');
        if (!productName.isEmpty())
            write(usb + QStringLiteral("/product"), productName.toUtf8() + '\n');
        if (!serial.isEmpty())
            write(usb + QStringLiteral("/serial"), serial.toUtf8() + '\n');
        return usb;
    }

    QString usbInterface(const QString &usb, const QString &busPort, const QString &driver)
    {
        const QString interface = usb + u'/' + busPort + QStringLiteral(":1.0");
        QDir().mkpath(interface);
        write(interface + QStringLiteral("/bInterfaceNumber"), "00\n");
        link(m_root + QStringLiteral("/bus/usb/drivers/") + driver, interface + QStringLiteral("/driver"));
        return interface;
    }

    void addTty(const QString &tty, const QString &device)
    {
        const QString dir = m_root + QStringLiteral("/class/tty/") + tty;
        QDir().mkpath(dir);
        link(device, dir + QStringLiteral("/device"));
        write(dir + QStringLiteral("/dev"), "188:0\n");
    }

    QString m_root;
    std::shared_ptr<QHash<QString, UdevNames>> m_udevNames = std::make_shared<QHash<QString, UdevNames>>();
    PortScanRoots m_roots;
    QHash<QString, QString> m_devices; // tty -> its USB device folder
};

} // namespace lume::test
