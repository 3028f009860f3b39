#include "portdirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <climits>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <signal.h>
#include <sys/stat.h>
#endif

namespace lume {

namespace {

const QString VirtualPortPrefix = QStringLiteral("lume-badgesim-");
const QString VirtualPortSuffix = QStringLiteral(".port");

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

bool isUsbAdapter(const QString &path)
{
    const QString name = fileNameOf(path);
    if (name.contains(QLatin1String("ttyUSB")) || name.contains(QLatin1String("ttyACM")))
        return true;
    // macOS: cu.usbserial-…, cu.usbmodem…, and the vendors' cu.SLAB_USBtoUART, cu.wchusbserial….
    return (name.startsWith(QLatin1String("cu.")) || name.startsWith(QLatin1String("tty."))) &&
        name.contains(QLatin1String("usb"), Qt::CaseInsensitive);
}

// The console, the controlling terminal and the virtual consoles /dev/tty0, /dev/tty1, ...
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

// macOS lists each port twice: /dev/cu.X for calling out and /dev/tty.X waiting for carrier.
bool isCalloutTwin(const QString &path, const QStringList &devices)
{
    const QString name = fileNameOf(path);
    if (!name.startsWith(QLatin1String("tty.")))
        return false;
    const QString callout = path.left(path.size() - name.size()) + QLatin1String("cu.") + name.mid(4);
    return devices.contains(callout);
}

#ifdef Q_OS_UNIX
bool processAlive(qint64 pid)
{
    // pid 0 and negative ids would name process groups: never a badge simulator.
    if (pid <= 0 || pid > INT_MAX)
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

bool isCharacterDevice(const QString &path)
{
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISCHR(info.st_mode);
}
#endif

} // namespace

PortDirectory::PortDirectory(QStringList devices)
{
    int number = 0;
    for (const QString &device : devices) {
        PortInfo info;
        info.device = device;
        info.kind = isUsbAdapter(device) ? PortInfo::Kind::Adapter : PortInfo::Kind::BuiltIn;
        m_entries << PortEntry {++number, info};
    }
}

PortDirectory::PortDirectory(Source source)
    : m_source(std::move(source))
{
    refresh();
}

void PortDirectory::refresh()
{
    if (!m_source)
        return;
    if (m_windowsNames) {
        // COMn is its own number there.
        m_entries.clear();
        for (const PortInfo &info : m_source()) {
            bool ok = false;
            const int n = info.device.startsWith(QLatin1String("COM")) ? info.device.mid(3).toInt(&ok) : 0;
            if (ok && n >= 1)
                m_entries << PortEntry {n, info};
        }
        std::sort(m_entries.begin(), m_entries.end(),
                  [](const PortEntry &a, const PortEntry &b) { return a.number < b.number; });
        return;
    }
    m_entries = number(m_source(), m_entries, m_remembered);
}

QStringList PortDirectory::devices() const
{
    QStringList devices;
    for (const PortEntry &entry : m_entries)
        devices << entry.info.device;
    return devices;
}

PortInfo PortDirectory::info(int comNumber) const
{
    for (const PortEntry &entry : m_entries) {
        if (entry.number == comNumber)
            return entry.info;
    }
    PortInfo none;
    if (m_windowsNames && comNumber >= 1)
        none.device = device(comNumber);
    return none;
}

QString PortDirectory::toolTip(int comNumber) const
{
    const PortInfo port = info(comNumber);
    if (port.device.isEmpty())
        return {};
    return port.device + QStringLiteral("  ") + port.description();
}

QList<std::pair<int, QString>> PortDirectory::toolTips() const
{
    QList<std::pair<int, QString>> tips;
    for (const PortEntry &entry : m_entries)
        tips.append({entry.number, toolTip(entry.number)});
    return tips;
}

QList<PortEntry> PortDirectory::number(const QList<PortInfo> &found, const QList<PortEntry> &previous,
                                       QHash<QString, int> &remembered)
{
    QList<PortEntry> entries;
    QList<PortInfo> fresh;
    QSet<int> taken;
    for (const PortInfo &info : found) {
        const auto kept = std::find_if(previous.begin(), previous.end(), [&info](const PortEntry &entry) {
            return entry.info.device == info.device && entry.info.identityKey() == info.identityKey();
        });
        if (kept != previous.end() && !taken.contains(kept->number)) {
            entries << PortEntry {kept->number, info};
            taken.insert(kept->number);
        } else {
            fresh << info;
        }
    }
    if (previous.isEmpty() && remembered.isEmpty()) {
        // The preselection takes the first of one or two ports, else the last: the kind to be
        // preselected (adapters, else virtual badges) goes first or last accordingly.
        QList<PortInfo> adapters;
        QList<PortInfo> virtuals;
        QList<PortInfo> builtIns;
        for (const PortInfo &info : fresh) {
            (info.kind == PortInfo::Kind::Adapter       ? adapters
                 : info.kind == PortInfo::Kind::Virtual ? virtuals
                                                        : builtIns)
                << info;
        }
        fresh = fresh.size() <= 2 ? adapters + virtuals + builtIns : builtIns + virtuals + adapters;
    }
    for (const PortInfo &info : fresh) {
        int number = remembered.value(info.identityKey(), 0);
        if (number < 1 || taken.contains(number)) {
            number = 1;
            while (taken.contains(number))
                ++number;
        }
        entries << PortEntry {number, info};
        taken.insert(number);
    }
    std::sort(entries.begin(), entries.end(),
              [](const PortEntry &a, const PortEntry &b) { return a.number < b.number; });
    for (const PortEntry &entry : entries)
        remembered.insert(entry.info.identityKey(), entry.number);
    return entries;
}

PortDirectory PortDirectory::windowsPorts()
{
    PortDirectory directory;
    directory.m_windowsNames = true;
    return directory;
}

PortDirectory PortDirectory::system()
{
#ifdef Q_OS_WIN
    PortDirectory directory = windowsPorts();
    directory.m_source = [] {
        QList<PortInfo> found = scanSerialPorts();
        // COMn is its own number there; the list carries only the identities.
        for (PortInfo &info : found)
            info.device = QFileInfo(info.device).fileName();
        return found;
    };
    directory.refresh();
    return directory;
#else
    return PortDirectory(Source([] { return scanSerialPorts(); }));
#endif
}

PortDirectory PortDirectory::withVirtualPorts(const QStringList &devices, const QStringList &consoles)
{
    QStringList listed = arrange(devices, consoles);
    for (const QString &port : virtualPorts()) {
        if (!listed.contains(port) && !isConsole(port, consoles))
            listed << port;
    }
    return PortDirectory(listed);
}

QString PortDirectory::device(int comNumber) const
{
    if (comNumber < 1)
        return {};
    if (m_windowsNames)
        return QStringLiteral("COM%1").arg(comNumber);
    for (const PortEntry &entry : m_entries) {
        if (entry.number == comNumber)
            return entry.info.device;
    }
    return {};
}

QStringList PortDirectory::arrange(const QStringList &devices, const QStringList &consoles)
{
    QStringList adapters;
    QStringList others;
    for (const QString &device : devices) {
        if (device.isEmpty() || isConsole(device, consoles) || isCalloutTwin(device, devices))
            continue;
        QStringList &group = isUsbAdapter(device) ? adapters : others;
        if (!group.contains(device))
            group << device;
    }
    std::sort(adapters.begin(), adapters.end(), naturalLess);
    std::sort(others.begin(), others.end(), naturalLess);
    return adapters + others;
}

QStringList PortDirectory::consoleDevices()
{
    return consoleDevices(QStringLiteral("/sys/class/tty/console/active"));
}

QStringList PortDirectory::consoleDevices(const QString &activeFile)
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

QString PortDirectory::virtualPortFile(qint64 pid)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(VirtualPortPrefix + QString::number(pid) + VirtualPortSuffix);
}

QStringList PortDirectory::virtualPorts()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return {};
    return virtualPorts(runtime);
}

QStringList PortDirectory::virtualPorts(const QString &directory)
{
    QStringList devices;
    for (const auto &entry : virtualPortEntries(directory))
        devices << entry.second;
    return devices;
}

QList<std::pair<qint64, QString>> PortDirectory::virtualPortEntries(const QString &directory)
{
#ifdef Q_OS_UNIX
    QList<std::pair<qint64, QString>> entries;
    const QStringList names =
        QDir(directory).entryList({VirtualPortPrefix + u'*' + VirtualPortSuffix}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        const QString digits = name.mid(VirtualPortPrefix.size(),
                                        name.size() - VirtualPortPrefix.size() - VirtualPortSuffix.size());
        if (digits.isEmpty() || digits.size() > 10 ||
            !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            continue;
        const qint64 pid = digits.toLongLong();
        if (!processAlive(pid))
            continue;
        QFile file(QDir(directory).filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString device = QString::fromUtf8(file.read(4096)).section(QLatin1Char('\n'), 0, 0).trimmed();
        if (!device.startsWith(QLatin1Char('/')) || !isCharacterDevice(device))
            continue;
        entries.append({pid, device});
    }
    std::sort(entries.begin(), entries.end());
    QList<std::pair<qint64, QString>> unique;
    for (const auto &entry : entries) {
        const bool seen = std::any_of(unique.begin(), unique.end(),
                                      [&entry](const auto &other) { return other.second == entry.second; });
        if (!seen)
            unique << entry;
    }
    return unique;
#else
    Q_UNUSED(directory);
    return {}; // virtual badges run on pseudo-terminals, which this system does not have
#endif
}

} // namespace lume
