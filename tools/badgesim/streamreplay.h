#pragma once

#include "streamdecoder.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdio>

namespace lume {

class BadgeWindow;

// Writes DIR/stream<k>-message<n>.png for every message of the stream that has content; returns a
// line for each picture that could not be written.
[[nodiscard]] QStringList writeStreamPictures(const QString &dir, const DecodedStream &stream, int number);

struct ReplayedStream
{
    DecodedStream stream;
    int number = 0; // k of its summary lines
    QString file;
};

struct ReplayResult
{
    QList<ReplayedStream> streams; // the files that decoded, in the order given
    int exitCode = 0; // 0, or 1 when a file could not be read or was no stream, or output failed
};

// Decodes saved stream files (lumesend --output) one by one, each a whole stream, and reports them
// as the line would: the summary lines on out, and the pictures in pngDir (none when empty). A file
// that cannot be read or is no stream gets its reason on err, "badgesim: FILE: ...".
[[nodiscard]] ReplayResult replayStreamFiles(const QStringList &files, const QString &pngDir, std::FILE *out,
                                             std::FILE *err);

// Plays replayed streams in the window one after the other, each for one round of its messages
// (at least MinimumMs), then from the first again.
class ReplayRotation : public QObject
{
    Q_OBJECT
public:
    static constexpr int MinimumMs = 2000;

    ReplayRotation(BadgeWindow &window, QList<ReplayedStream> streams, QObject *parent = nullptr);

    [[nodiscard]] int current() const { return m_current; }
    void showNext();

private:
    BadgeWindow &m_window;
    QList<ReplayedStream> m_streams;
    QTimer m_timer;
    int m_current = -1;
};

} // namespace lume
