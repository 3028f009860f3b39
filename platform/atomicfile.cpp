#include "atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <filesystem>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace lume {

namespace {

QString temporaryPrefix(const QString &fileName)
{
    return fileName + QStringLiteral(".lume-");
}

// Temporary files of writes that were killed: nobody holds a lock on them any more.
void removeLeftoversOf(const QFileInfo &target)
{
    QDir dir = target.absoluteDir();
    const QString prefix = temporaryPrefix(target.fileName());
    const QStringList names = dir.entryList({prefix + QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        QFile leftover(dir.filePath(name));
#ifdef Q_OS_UNIX
        if (!leftover.open(QIODevice::ReadOnly))
            continue;
        if (::flock(leftover.handle(), LOCK_EX | LOCK_NB) != 0)
            continue; // a write in progress in another process
        QFile::remove(leftover.fileName());
#else
        leftover.remove(); // fails while another process has it open
#endif
    }
}

QFileInfo writeTarget(const QString &path)
{
    const QFileInfo target(path);
    // The link stays; the file it names is replaced.
    return target.isSymLink() ? QFileInfo(target.symLinkTarget()) : target;
}

} // namespace

AtomicFile::AtomicFile(QString path)
    : m_path(std::move(path))
{ }

AtomicFile::State AtomicFile::read(QByteArray *data) const
{
    QFile file(m_path);
    if (!file.exists())
        return State::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return State::Unreadable;
    *data = file.readAll();
    return file.error() == QFileDevice::NoError ? State::Read : State::Unreadable;
}

void AtomicFile::removeLeftovers() const
{
    removeLeftoversOf(writeTarget(m_path));
}

bool AtomicFile::replace(const QByteArray &bytes) const
{
    const QFileInfo target = writeTarget(m_path);
    if (target.isDir())
        return false;

    const QString prefix = target.absoluteDir().filePath(temporaryPrefix(target.fileName()));
    QFile temporary;
    for (int attempt = 0; attempt < 16 && !temporary.isOpen(); ++attempt) {
        temporary.setFileName(prefix + QString::number(QRandomGenerator::global()->generate(), 36) +
                              QStringLiteral(".tmp"));
        if (!temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
            !QFileInfo::exists(temporary.fileName()))
            return false; // no clash of names: the directory refuses
    }
    if (!temporary.isOpen())
        return false;
#ifdef Q_OS_UNIX
    ::flock(temporary.handle(), LOCK_EX); // tells the cleaning of other writes that this one lives
#endif
    bool ok = temporary.write(bytes) == bytes.size() && temporary.flush();
    if (ok && target.exists())
        temporary.setPermissions(QFile::permissions(target.absoluteFilePath()));
#ifdef Q_OS_UNIX
    ok = ok && ::fsync(temporary.handle()) == 0;
    ok = ok &&
        ::rename(QFile::encodeName(temporary.fileName()).constData(),
                 QFile::encodeName(target.absoluteFilePath()).constData()) == 0;
    temporary.close();
    if (ok) {
        // The rename lives in the folder: without its sync a power cut may bring back the old file.
        const int folder =
            ::open(QFile::encodeName(target.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder); // some file systems refuse it; the file itself is safe then too
            ::close(folder);
        }
    }
#else
    temporary.close();
    std::error_code error; // std::filesystem::rename replaces an existing file on Windows too
    if (ok)
        std::filesystem::rename(temporary.fileName().toStdU16String(),
                                target.absoluteFilePath().toStdU16String(), error);
    ok = ok && !error;
#endif
    if (!ok)
        QFile::remove(temporary.fileName());
    return ok;
}

} // namespace lume
