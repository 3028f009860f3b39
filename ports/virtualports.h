#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace lume {

// The registry of running virtual badges. A badge announces its pseudo-terminal with a file
// "lume-badgesim-<pid>.port" in the per-user runtime directory (QStandardPaths::RuntimeLocation),
// <pid> being its process id in decimal. The file holds one line, the absolute device path in
// UTF-8 ("/dev/pts/3\n"), is written at once (QSaveFile) and removed when the badge ends. An entry
// whose process has ended, whose device is gone or is no character device, or whose name or
// content does not fit this format is ignored.

[[nodiscard]] QString virtualPortFile(qint64 pid);
// The live entries of the runtime directory, ordered by process id.
[[nodiscard]] QStringList virtualPorts();
// The same from the entries in the given directory.
[[nodiscard]] QStringList virtualPorts(const QString &directory);
// The same with each simulator's process id.
[[nodiscard]] QList<std::pair<qint64, QString>> virtualPortEntries(const QString &directory);

// Whether the process runs (also one of another user); ids that would name process groups are
// never alive.
[[nodiscard]] bool processAlive(qint64 pid);

} // namespace lume
