#pragma once

#include <QString>

#include <functional>

namespace lume {

// The settings file of a program: fileName in programDir when that directory can be written and is
// not a system directory (isSystemProgramDir());
// otherwise in the per-user configuration directory, which is first seeded with the program
// directory's file when that exists, so that no stored setting is lost.
// The directory counts as writable when a temporary file can be made in it (permission bits
// alone say nothing for root or on network drives) and an existing settings file can be written.
[[nodiscard]] QString settingsFilePath(const QString &programDir, const QString &fileName);
// The same with the test for "a file can be created in this directory" given by the caller.
[[nodiscard]] QString settingsFilePath(const QString &programDir, const QString &fileName,
                                       const std::function<bool(const QString &directory)> &isWritable);
// Whether a file can be created in the directory: made and removed again to find out.
[[nodiscard]] bool canCreateFileIn(const QString &directory);
// Whether the directory is one of the system's program directories (below /usr, /bin, /sbin),
// where an installed program's folder is never written to.
[[nodiscard]] bool isSystemProgramDir(const QString &directory);

} // namespace lume
