#pragma once

#include "serialcontrol.h"
#include "streamdecoder.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

namespace lume {

// What the receiver found on the line.
struct ReceiverEvent
{
    enum class Kind {
        Stream, // a whole stream that decoded
        Malformed, // the decoder rejected it
        Incomplete, // the line went quiet in the middle of a stream
        Skipped, // bytes that belong to no stream
    };
    static constexpr double LineBytesPerSecond = SerialControl::BadgeLineBytesPerSecond;

    Kind kind = Kind::Stream;
    std::optional<DecodedStream> stream; // Kind::Stream only
    int streamNumber = 0; // Kind::Stream: 1 for the first stream that decoded, then 2, ...
    QString reason; // Malformed, Incomplete, Skipped: in words
    qsizetype bytes = 0; // the bytes this event stands for
    qsizetype expectedBytes = -1; // the length the header announced; -1 when it is not known

    // How long a real badge's line needs for these bytes.
    [[nodiscard]] double lineSeconds() const { return double(bytes) / LineBytesPerSecond; }
};

// Finds badge streams in whatever arrives on the line, byte by byte or in any chunks, and reports
// each one once: decoded, rejected with the decoder's reason, or cut off when the line has been
// quiet for quietMs in the middle of one. It resynchronises on "Hello"; bytes before one are
// reported as skipped. The time is given by the caller, so it runs without a port or a clock.
class StreamReceiver
{
public:
    static constexpr int DefaultQuietMs = 1000;
    using Handler = std::function<void(const ReceiverEvent &)>;

    // The handler is called from feed(), checkQuiet() and flush(); it must not call them itself.
    explicit StreamReceiver(Handler handler, int quietMs = DefaultQuietMs);

    void feed(QByteArrayView bytes, qint64 nowMs);
    // Reports what is pending once the line has been quiet long enough. Returns the milliseconds
    // still to wait before that, or -1 when nothing is pending (any more).
    qint64 checkQuiet(qint64 nowMs);
    // Reports what is pending now, whatever the time: the line is going away.
    void flush();

    [[nodiscard]] bool hasPending() const { return !m_buffer.isEmpty() || m_skipped > 0; }
    [[nodiscard]] int quietMs() const { return m_quietMs; }
    [[nodiscard]] int streamsDecoded() const { return m_decoded; }

private:
    void process();
    void reportSkipped(const char *where);
    void report(ReceiverEvent event);

    Handler m_handler;
    int m_quietMs;
    QByteArray m_buffer; // from a "Hello" on while in a stream, else at most a partial "Hello"
    bool m_inStream = false;
    qsizetype m_expected = -1;
    qsizetype m_skipped = 0;
    qint64 m_lastByteMs = 0;
    int m_decoded = 0;
};

} // namespace lume
