#include "streamreceiver.h"

#include <algorithm>

namespace lume {

namespace {
constexpr QByteArrayView Preamble("Hello");
constexpr qsizetype PrefixBytes = 5 + BadgeStream::HeaderBytes;

// The longest end of the bytes that could be the start of a "Hello" still to come.
qsizetype partialPreamble(QByteArrayView bytes)
{
    for (qsizetype n = std::min(bytes.size(), Preamble.size() - 1); n > 0; --n) {
        if (bytes.last(n) == Preamble.first(n))
            return n;
    }
    return 0;
}

// The bytes of a rejected preamble and header up to the first place after its "Hello" where
// another one starts or could start once more bytes arrive.
qsizetype rejectedHeaderBytes(QByteArrayView prefix)
{
    for (qsizetype at = 1; at < prefix.size(); ++at) {
        const QByteArrayView rest = prefix.sliced(at).first(std::min(prefix.size() - at, Preamble.size()));
        if (rest == Preamble.first(rest.size()))
            return at;
    }
    return prefix.size();
}

QString byteCount(qsizetype bytes)
{
    return bytes == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(bytes);
}
} // namespace

StreamReceiver::StreamReceiver(Handler handler, int quietMs)
    : m_handler(std::move(handler))
    , m_quietMs(std::max(quietMs, 0))
{ }

void StreamReceiver::feed(QByteArrayView bytes, qint64 nowMs)
{
    if (bytes.isEmpty())
        return;
    m_lastByteMs = nowMs;
    m_buffer.append(bytes);
    process();
}

void StreamReceiver::process()
{
    for (;;) {
        if (!m_inStream) {
            const qsizetype start = m_buffer.indexOf(Preamble);
            if (start < 0) {
                const qsizetype drop = m_buffer.size() - partialPreamble(m_buffer);
                m_skipped += drop;
                m_buffer.remove(0, drop);
                return;
            }
            m_skipped += start;
            m_buffer.remove(0, start);
            reportSkipped("before");
            m_inStream = true;
            m_expected = -1;
        }
        if (m_expected < 0) {
            if (m_buffer.size() < PrefixBytes)
                return;
            const QByteArrayView prefix = QByteArrayView(m_buffer).first(PrefixBytes);
            if (const std::optional<qsizetype> size = expectedStreamSize(prefix)) {
                m_expected = *size;
            } else {
                // Without a sound header the stream's length is unknown: give up this "Hello" and
                // look for the next one in what follows.
                ReceiverEvent event;
                event.kind = ReceiverEvent::Kind::Malformed;
                event.reason = decodeStream(prefix).error;
                if (event.reason.isEmpty())
                    event.reason = QStringLiteral("the header is malformed");
                // The rejected bytes run up to where the next "Hello" could begin, so that each
                // byte is reported once: as part of this event or of a later one, never both.
                event.bytes = rejectedHeaderBytes(QByteArrayView(m_buffer).first(PrefixBytes));
                m_buffer.remove(0, event.bytes);
                m_inStream = false;
                report(std::move(event));
                continue;
            }
        }
        if (m_buffer.size() < m_expected)
            return;
        DecodeResult result = decodeStream(QByteArrayView(m_buffer).first(m_expected));
        ReceiverEvent event;
        event.bytes = m_expected;
        event.expectedBytes = m_expected;
        if (result.stream) {
            event.kind = ReceiverEvent::Kind::Stream;
            event.stream = std::move(result.stream);
            event.streamNumber = ++m_decoded;
        } else {
            event.kind = ReceiverEvent::Kind::Malformed;
            event.reason = result.error;
        }
        m_buffer.remove(0, m_expected);
        m_inStream = false;
        m_expected = -1;
        report(std::move(event));
    }
}

qint64 StreamReceiver::checkQuiet(qint64 nowMs)
{
    if (!hasPending())
        return -1;
    const qint64 remaining = m_lastByteMs + m_quietMs - nowMs;
    if (remaining > 0)
        return remaining;
    flush();
    return -1;
}

void StreamReceiver::flush()
{
    if (m_inStream) {
        ReceiverEvent event;
        event.kind = ReceiverEvent::Kind::Incomplete;
        event.bytes = m_buffer.size();
        event.expectedBytes = m_expected;
        event.reason = m_expected >= 0
            ? QStringLiteral("incomplete stream: %1 of %2 bytes").arg(m_buffer.size()).arg(m_expected)
            : QStringLiteral("incomplete stream: %1 of at least %2 bytes")
                  .arg(m_buffer.size())
                  .arg(PrefixBytes);
        m_buffer.clear();
        m_inStream = false;
        m_expected = -1;
        report(std::move(event));
        return;
    }
    m_skipped += m_buffer.size();
    m_buffer.clear();
    reportSkipped("without");
}

void StreamReceiver::reportSkipped(const char *where)
{
    if (m_skipped == 0)
        return;
    ReceiverEvent event;
    event.kind = ReceiverEvent::Kind::Skipped;
    event.bytes = m_skipped;
    event.reason = QStringLiteral("%1 %2 \"Hello\"").arg(byteCount(m_skipped), QLatin1StringView(where));
    m_skipped = 0;
    report(std::move(event));
}

void StreamReceiver::report(ReceiverEvent event)
{
    if (m_handler)
        m_handler(event);
}

} // namespace lume
