#include "portregistration.h"

#include "virtualports.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace lume {

PortRegistration::~PortRegistration()
{
    remove();
}

bool PortRegistration::announce(const QString &device, qint64 pid)
{
    remove();
    const QString path = virtualPortFile(pid);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isAbsolute() || !QDir().mkpath(info.absolutePath())) {
        m_error = QStringLiteral("there is no per-user runtime directory for %1").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(device.toUtf8() + '\n') < 0 || !file.commit()) {
        m_error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    m_path = path;
    m_error.clear();
    return true;
}

void PortRegistration::remove()
{
    if (m_path.isEmpty())
        return;
    QFile::remove(m_path);
    m_path.clear();
}

} // namespace lume
