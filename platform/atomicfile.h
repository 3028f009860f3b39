#pragma once

#include <QByteArray>
#include <QString>

namespace lume {

// A file that is replaced whole or not at all: the file on disk is the old or the new one, never a
// part, also when the writing process is killed or the power fails.
// The new file is made beside the old one as "<file name>.lume-XXXXXX.tmp" and renamed over it;
// such files that a killed write left behind are removed by the next write. A symbolic link stays
// and the file it names is replaced.
class AtomicFile
{
public:
    enum class State { Missing, Read, Unreadable };

    explicit AtomicFile(QString path);

    [[nodiscard]] const QString &path() const { return m_path; }
    // The whole file into data; Missing leaves data alone.
    [[nodiscard]] State read(QByteArray *data) const;
    // Removes the temporary files of killed writes; those of writes still running stay.
    void removeLeftovers() const;
    // A temporary file beside it, synced, renamed over it, the folder synced. False when the file
    // cannot be replaced; it then stays as it was.
    bool replace(const QByteArray &bytes) const;

private:
    QString m_path;
};

} // namespace lume
