#include "portinfo.h"

#include "devicenames.h"
#include "virtualports.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStandardPaths>

#include <algorithm>

namespace lume {

namespace {

constexpr int MaxAttributeLength = 80;
// From the tty up to the USB device: tty, usb-serial port, interface, device, with room to spare.
constexpr int MaxLevels = 8;

// A sysfs attribute or a USB string as one clean line; a device may report anything there.
QString cleanText(const QString &raw)
{
    QString text;
    for (const QChar c : raw) {
        if (c.isPrint())
            text += c;
        else if (c.isSpace())
            text += u' ';
    }
    return text.simplified().left(MaxAttributeLength);
}

QString readAttribute(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return cleanText(QString::fromUtf8(file.read(4 * MaxAttributeLength)));
}

int readHexId(const QString &path)
{
    bool ok = false;
    const QString text = readAttribute(path);
    const int value = text.toInt(&ok, 16);
    return ok && text.size() <= 4 && value >= 0 ? value : -1;
}

QString linkName(const QString &link)
{
    const QFileInfo info(link);
    return info.isSymLink() ? QFileInfo(info.symLinkTarget()).fileName() : QString();
}

// The active consoles as devices under the roots.
QStringList scanConsoles(const PortScanRoots &roots)
{
#ifdef Q_OS_LINUX
    QStringList consoles;
    for (const QString &console : consoleDevices(roots.sysfs + QStringLiteral("/class/tty/console/active")))
        consoles << roots.dev + u'/' + QFileInfo(console).fileName();
    return consoles;
#else
    Q_UNUSED(roots);
    return consoleDevices();
#endif
}

#ifdef Q_OS_LINUX
QList<PortInfo> scanSysfs(const PortScanRoots &roots, const QStringList &consoles)
{
    const QString classDir = roots.sysfs + QStringLiteral("/class/tty");
    QStringList devices;
    QHash<QString, QString> names;
    const QStringList entries = QDir(classDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    for (const QString &name : entries) {
        const QString ttyDir = classDir + u'/' + name;
        // Virtual terminals, ptmx and the console have no device behind them.
        if (!QFileInfo(ttyDir + QStringLiteral("/device")).isSymLink())
            continue;
        // A serial-core line without a UART (most ttyS1..ttyS31) says type 0.
        const QString type = readAttribute(ttyDir + QStringLiteral("/type"));
        if (type == u"0")
            continue;
        const QString device = roots.dev + u'/' + name;
        devices << device;
        names.insert(device, name);
    }
    QList<PortInfo> found;
    for (const QString &device : arrangeDevices(devices, consoles))
        found << sysfsPortInfo(roots, names.value(device), device);
    return found;
}
#endif

#ifndef Q_OS_LINUX
PortInfo qtPortInfo(const QSerialPortInfo &port)
{
    PortInfo info;
    info.device = port.systemLocation();
    if (port.hasVendorIdentifier())
        info.vendorId = port.vendorIdentifier();
    if (port.hasProductIdentifier())
        info.productId = port.productIdentifier();
    info.manufacturer = cleanText(port.manufacturer());
    info.product = cleanText(port.description());
    info.serialNumber = cleanText(port.serialNumber());
    info.kind = info.vendorId >= 0 ? PortInfo::Kind::Adapter : PortInfo::Kind::BuiltIn;
    return info;
}
#endif

} // namespace

QString PortInfo::description() const
{
    QStringList details;
    if (vendorId >= 0 && productId >= 0)
        details << QStringLiteral("%1:%2")
                       .arg(vendorId, 4, 16, QLatin1Char('0'))
                       .arg(productId, 4, 16, QLatin1Char('0'));
    if (!driver.isEmpty())
        details << driver;
    if (!serialNumber.isEmpty())
        details << QStringLiteral("serial %1").arg(serialNumber);
    QString name;
    switch (kind) {
    case Kind::Virtual:
        name = QCoreApplication::translate("lume::PortInfo", "virtual badge");
        details << QStringLiteral("pid %1").arg(processId);
        break;
    case Kind::Adapter:
        if (!manufacturer.isEmpty() && !product.startsWith(manufacturer, Qt::CaseInsensitive))
            name = manufacturer;
        if (!product.isEmpty())
            name += (name.isEmpty() ? QString() : QStringLiteral(" ")) + product;
        if (name.isEmpty())
            name = QCoreApplication::translate("lume::PortInfo", "USB serial adapter");
        break;
    case Kind::BuiltIn:
        name = product.isEmpty() ? QCoreApplication::translate("lume::PortInfo", "built-in serial port")
                                 : product;
        break;
    }
    return details.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, details.join(QStringLiteral(", ")));
}

QString PortInfo::identityKey() const
{
    if (kind == Kind::Adapter && !serialNumber.isEmpty())
        return QStringLiteral("usb:%1:%2:%3").arg(vendorId).arg(productId).arg(serialNumber);
    return QStringLiteral("device:") + device;
}

QDebug operator<<(QDebug debug, const PortInfo &info)
{
    const QDebugStateSaver saver(debug);
    debug.nospace() << "PortInfo(" << info.device << ", " << info.description() << ')';
    return debug;
}

PortInfo sysfsPortInfo(const PortScanRoots &roots, const QString &ttyName, const QString &device)
{
    const QString &sysfsRoot = roots.sysfs;
    PortInfo info;
    info.device = device;
    info.kind = isAdapterDevice(ttyName) ? PortInfo::Kind::Adapter : PortInfo::Kind::BuiltIn;
    const QString top = QFileInfo(sysfsRoot).canonicalFilePath();
    QString dir = QFileInfo(sysfsRoot + QStringLiteral("/class/tty/") + ttyName + QStringLiteral("/device"))
                      .canonicalFilePath();
    QString ttyDriver;
    QString interfaceDriver;
    for (int level = 0; level < MaxLevels && !top.isEmpty() && dir.startsWith(top + u'/'); ++level) {
        const QString driver = linkName(dir + QStringLiteral("/driver"));
        if (ttyDriver.isEmpty())
            ttyDriver = driver;
        // The USB interface's driver is the one users know (ch341, not its tty side ch341-uart).
        if (interfaceDriver.isEmpty() && QFile::exists(dir + QStringLiteral("/bInterfaceNumber")))
            interfaceDriver = driver;
        if (QFile::exists(dir + QStringLiteral("/idVendor"))) {
            info.kind = PortInfo::Kind::Adapter;
            info.vendorId = readHexId(dir + QStringLiteral("/idVendor"));
            info.productId = readHexId(dir + QStringLiteral("/idProduct"));
            info.manufacturer = readAttribute(dir + QStringLiteral("/manufacturer"));
            info.product = readAttribute(dir + QStringLiteral("/product"));
            info.serialNumber = readAttribute(dir + QStringLiteral("/serial"));
            break;
        }
        dir = QFileInfo(dir).path();
    }
    info.driver = interfaceDriver.isEmpty() ? ttyDriver : interfaceDriver;
    if (info.kind == PortInfo::Kind::Adapter && (info.manufacturer.isEmpty() || info.product.isEmpty()) &&
        roots.udevNames) {
        // Many CH340 and PL2303 chips report no strings: udev has the names of the USB id database.
        const UdevNames names = roots.udevNames(ttyName);
        if (info.manufacturer.isEmpty())
            info.manufacturer = cleanText(names.vendor);
        if (info.product.isEmpty())
            info.product = cleanText(names.model);
    }
    return info;
}

QList<PortInfo> scanSerialPorts(const PortScanRoots &roots)
{
    QList<PortInfo> found;
    const QStringList consoles = scanConsoles(roots);
#ifdef Q_OS_LINUX
    found = scanSysfs(roots, consoles);
#else
    {
        QStringList devices;
        QHash<QString, PortInfo> infos;
        const auto ports = QSerialPortInfo::availablePorts();
        for (const QSerialPortInfo &port : ports) {
            devices << port.systemLocation();
            infos.insert(port.systemLocation(), qtPortInfo(port));
        }
        for (const QString &device : arrangeDevices(devices, consoles))
            found << infos.value(device);
    }
#endif
    const QString runtime = roots.runtime.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
        : roots.runtime;
    if (runtime.isEmpty())
        return found;
    for (const auto &entry : virtualPortEntries(runtime)) {
        // Named, not bound: clang 14 (the fuzz build) cannot capture a structured binding.
        const auto &[pid, device] = entry;
        const QString &path = device;
        const bool listed = std::any_of(found.begin(), found.end(),
                                        [&path](const PortInfo &info) { return info.device == path; });
        // A registry entry may name any device: the consoles stay out all the same.
        if (listed || isConsoleDevice(device, consoles))
            continue;
        PortInfo info;
        info.device = device;
        info.kind = PortInfo::Kind::Virtual;
        info.processId = pid;
        info.driver = QStringLiteral("badgesim");
        found << info;
    }
    return found;
}

} // namespace lume
