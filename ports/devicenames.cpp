#include "devicenames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace lume {

namespace {

// Natural order: runs of digits compare by value, so ttyS2 comes before ttyS10.
bool naturalLess(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype iEnd = i;
            qsizetype jEnd = j;
            while (iEnd < a.size() && a[iEnd].isDigit())
                ++iEnd;
            while (jEnd < b.size() && b[jEnd].isDigit())
                ++jEnd;
            // Compare the values without converting: leading zeros off, then length, then digits.
            QStringView x = QStringView(a).sliced(i, iEnd - i);
            QStringView y = QStringView(b).sliced(j, jEnd - j);
            while (x.size() > 1 && x.front() == u'0')
                x = x.sliced(1);
            while (y.size() > 1 && y.front() == u'0')
                y = y.sliced(1);
            if (x.size() != y.size())
                return x.size() < y.size();
            if (const int order = x.compare(y); order != 0)
                return order < 0;
            i = iEnd;
            j = jEnd;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
    return a < b; // "ttyS01" and "ttyS1" still get a fixed order
}

QString fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// macOS lists each port twice: /dev/cu.X for calling out and /dev/tty.X waiting for carrier.
bool isCalloutTwin(const QString &path, const QStringList &devices)
{
    const QString name = fileNameOf(path);
    if (!name.startsWith(QLatin1String("tty.")))
        return false;
    const QString callout = path.left(path.size() - name.size()) + QLatin1String("cu.") + name.mid(4);
    return devices.contains(callout);
}

} // namespace

bool isAdapterDevice(const QString &path)
{
    const QString name = fileNameOf(path);
    if (name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM")))
        return true;
    return (name.startsWith(QLatin1String("cu.")) || name.startsWith(QLatin1String("tty."))) &&
        name.contains(QLatin1String("usb"), Qt::CaseInsensitive);
}

bool isConsole(const QString &path, const QStringList &consoles)
{
    const QString clean = QDir::cleanPath(path);
    for (const QString &console : consoles) {
        if (QDir::cleanPath(console) == clean)
            return true;
    }
    if (!clean.startsWith(QLatin1String("/dev/")) || clean.count(QLatin1Char('/')) != 2)
        return false;
    const QString name = fileNameOf(clean);
    if (name == u"console" || name == u"tty")
        return true;
    if (name.size() > 3 && name.startsWith(QLatin1String("tty"))) {
        const QStringView number = QStringView(name).sliced(3);
        return std::all_of(number.begin(), number.end(), [](QChar c) { return c.isDigit(); });
    }
    return false;
}

bool isConsoleDevice(const QString &device, const QStringList &consoles)
{
    if (isConsole(device, consoles))
        return true;
    const QString target = QFileInfo(device).canonicalFilePath();
    return !target.isEmpty() && target != device && isConsole(target, consoles);
}

QStringList consoleDevices()
{
    return consoleDevices(QStringLiteral("/sys/class/tty/console/active"));
}

QStringList consoleDevices(const QString &activeFile)
{
    QFile file(activeFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList consoles;
    const QList<QByteArray> names = file.read(4096).simplified().split(' ');
    for (const QByteArray &name : names) {
        // A name is a device of /dev, never a path of its own.
        if (!name.isEmpty() && !name.contains('/') && name != "." && name != "..")
            consoles << QStringLiteral("/dev/") + QString::fromUtf8(name);
    }
    return consoles;
}

QStringList arrangeDevices(const QStringList &devices, const QStringList &consoles)
{
    QStringList adapters;
    QStringList others;
    for (const QString &device : devices) {
        if (device.isEmpty() || isConsole(device, consoles) || isCalloutTwin(device, devices))
            continue;
        QStringList &group = isAdapterDevice(device) ? adapters : others;
        if (!group.contains(device))
            group << device;
    }
    std::sort(adapters.begin(), adapters.end(), naturalLess);
    std::sort(others.begin(), others.end(), naturalLess);
    return adapters + others;
}

} // namespace lume
