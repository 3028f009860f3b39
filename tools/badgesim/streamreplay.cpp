#include "streamreplay.h"

#include "badgewindow.h"
#include "ledmatrix.h"
#include "streamreceiver.h"
#include "streamreport.h"

#include "streamfile.h"

#include <QDir>
#include <QSaveFile>

#include <algorithm>

namespace lume {

namespace {

bool printLines(std::FILE *file, const QStringList &lines)
{
    const QByteArray text = (lines.join(u'\n') + u'\n').toLocal8Bit();
    return std::fwrite(text.constData(), 1, size_t(text.size()), file) == size_t(text.size()) &&
        std::fflush(file) == 0;
}

// The event the receiver would have reported for these bytes had they come as one stream.
ReceiverEvent eventFor(const StreamFile &file, int number)
{
    ReceiverEvent event;
    event.bytes = file.size;
    if (file.decoded.stream) {
        event.kind = ReceiverEvent::Kind::Stream;
        event.stream = file.decoded.stream;
        event.streamNumber = number;
        event.expectedBytes = file.size;
        return event;
    }
    event.kind = ReceiverEvent::Kind::Malformed;
    event.reason = file.decoded.error;
    // As on the line: the length is shown only when the header told it.
    event.expectedBytes = expectedStreamSize(file.bytes).value_or(-1);
    return event;
}

} // namespace

QStringList writeStreamPictures(const QString &dir, const DecodedStream &stream, int number)
{
    QStringList failures;
    if (dir.isEmpty())
        return failures;
    for (int m = 0; m < int(stream.messages.size()); ++m) {
        const DecodedMessage &message = stream.messages[m];
        if (message.width == 0)
            continue; // an empty message shows nothing on the badge
        const QString path = QDir(dir).filePath(pngFileName(number, m));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !renderLeds(messageMatrix(message)).save(&file, "PNG") ||
            !file.commit()) {
            failures << QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        }
    }
    return failures;
}

ReplayResult replayStreamFiles(const QStringList &files, const QString &pngDir, std::FILE *out,
                               std::FILE *err)
{
    ReplayResult result;
    const auto warn = [&](const QString &text) {
        printLines(err, {QStringLiteral("badgesim: ") + text});
        result.exitCode = 1;
    };
    for (const QString &path : files) {
        const StreamFile file = readStreamFile(path);
        if (!file.readError.isEmpty()) {
            warn(file.readError);
            continue;
        }
        const int number = int(result.streams.size()) + 1;
        const ReceiverEvent event = eventFor(file, number);
        if (event.stream) {
            // Pictures first, as on the line: whoever reads the summary may look for them at once.
            for (const QString &failure : writeStreamPictures(pngDir, *event.stream, number))
                warn(failure);
            result.streams << ReplayedStream {*event.stream, number, path};
        } else {
            warn(QStringLiteral("%1: malformed stream: %2").arg(path, file.decoded.error));
        }
        if (!printLines(out, reportLines(event)))
            result.exitCode = 1;
    }
    return result;
}

ReplayRotation::ReplayRotation(BadgeWindow &window, QList<ReplayedStream> streams, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_streams(std::move(streams))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ReplayRotation::showNext);
    showNext();
}

void ReplayRotation::showNext()
{
    if (m_streams.isEmpty())
        return;
    m_current = (m_current + 1) % int(m_streams.size());
    const ReplayedStream &replayed = m_streams[m_current];
    m_window.setSource(replayed.file);
    m_window.showStream(replayed.stream, replayed.number);
    // One stream plays on for good, as the badge would keep it.
    if (m_streams.size() > 1)
        m_timer.start(int(std::max<qint64>(MinimumMs, m_window.player().cycleMs())));
}

} // namespace lume
