#include "virtualports.h"

#include <QDir>
#include <QFile>
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

#ifdef Q_OS_UNIX
bool isCharacterDevice(const QString &path)
{
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISCHR(info.st_mode);
}
#endif

} // namespace

bool processAlive(qint64 pid)
{
#ifdef Q_OS_UNIX
    // pid 0 and negative ids would name process groups.
    if (pid <= 0 || pid > INT_MAX)
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#else
    Q_UNUSED(pid);
    return false;
#endif
}

QString virtualPortFile(qint64 pid)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(VirtualPortPrefix + QString::number(pid) + VirtualPortSuffix);
}

QStringList virtualPorts()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return {};
    return virtualPorts(runtime);
}

QStringList virtualPorts(const QString &directory)
{
    QStringList devices;
    for (const auto &entry : virtualPortEntries(directory))
        devices << entry.second;
    return devices;
}

QList<std::pair<qint64, QString>> virtualPortEntries(const QString &directory)
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
