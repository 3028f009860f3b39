#include "settingslocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace lume {

bool canCreateFileIn(const QString &directory)
{
    QTemporaryFile probe(QDir(directory).filePath(QStringLiteral(".lume-probe-XXXXXX")));
    return probe.open(); // removed again when probe goes
}

bool isSystemProgramDir(const QString &directory)
{
#ifdef Q_OS_WIN
    Q_UNUSED(directory);
    return false;
#else
    // /usr belongs to the package manager (and is read-only on many systems): an installed program
    // keeps its settings per user, even when run as root, who could write there.
    const QString path = QDir::cleanPath(QFileInfo(directory).absoluteFilePath()) + u'/';
    return path.startsWith(QStringLiteral("/usr/")) || path == u"/bin/" || path == u"/sbin/";
#endif
}

QString settingsFilePath(const QString &programDir, const QString &fileName)
{
    return settingsFilePath(programDir, fileName, [](const QString &directory) {
        return !isSystemProgramDir(directory) && canCreateFileIn(directory);
    });
}

QString settingsFilePath(const QString &programDir, const QString &fileName,
                         const std::function<bool(const QString &directory)> &isWritable)
{
    // The name may come as "\Lumeset.ini", the way it is appended to the directory on Windows.
    QString name = fileName;
    while (name.startsWith(u'/') || name.startsWith(u'\\'))
        name.remove(0, 1);
    const QString local = QDir(programDir).filePath(name);
    const QFileInfo localInfo(local);
    const bool writable = isWritable ? isWritable(programDir) : canCreateFileIn(programDir);
    if (writable && (!localInfo.exists() || localInfo.isWritable()))
        return local;

    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (userDir.isEmpty() || !QDir().mkpath(userDir))
        return local; // still readable; writing fails, as it would have anyway
    const QString user = QDir(userDir).filePath(name);
    if (!QFileInfo::exists(user) && localInfo.exists()) {
        if (!QFile::copy(local, user))
            return local; // an empty per-user file would hide the stored settings
        // A copy keeps the permissions of a read-only original, which would refuse every write.
        QFile::setPermissions(user,
                              QFile::permissions(user) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return user;
}

} // namespace lume
