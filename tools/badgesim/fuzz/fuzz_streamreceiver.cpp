// Whole, in chunks or byte by byte, the receiver reports the same events, and they account for
// every byte that arrived exactly once, in order; a decoded stream is what its own bytes decode to.
#include "fuzzbank.h"

#include "streamreceiver.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace lume;

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_streamreceiver: %s\n", what);
    std::abort();
}

struct Seen
{
    ReceiverEvent::Kind kind;
    qsizetype bytes;
    qsizetype expectedBytes;
    QString reason;
    std::optional<DecodedStream> stream;
    friend bool operator==(const Seen &, const Seen &) = default;
};

std::vector<Seen> receive(const QByteArray &line, const std::vector<qsizetype> &chunks)
{
    std::vector<Seen> seen;
    StreamReceiver receiver([&seen](const ReceiverEvent &e) {
        if (e.bytes <= 0)
            fail("an event of no bytes");
        if ((e.kind == ReceiverEvent::Kind::Stream) != e.stream.has_value())
            fail("a stream event without its stream, or the other way round");
        seen.push_back({e.kind, e.bytes, e.expectedBytes, e.reason, e.stream});
    });
    qsizetype at = 0;
    for (size_t i = 0; at < line.size(); ++i) {
        const qsizetype n =
            std::min(chunks.empty() ? line.size() : chunks[i % chunks.size()], line.size() - at);
        receiver.feed(QByteArrayView(line).sliced(at, n), 0); // one moment: the line never falls quiet
        at += n;
    }
    receiver.flush();
    if (receiver.hasPending())
        fail("something is pending after a flush");
    return seen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    // The line: pieces of noise and streams built from fuzz banks, some of them damaged.
    QByteArray line;
    while (data.remaining_bytes() > 0 && line.size() < 6000) {
        switch (data.ConsumeIntegralInRange<int>(0, 3)) {
        case 0: {
            const std::string noise = data.ConsumeRandomLengthString(200);
            line.append(noise.data(), qsizetype(noise.size()));
            break;
        }
        case 1: {
            const QByteArray stream = buildBadgeStream(fuzz::fuzzBank(data).bank, {}, {}).bytes();
            line += stream;
            break;
        }
        case 2: { // a stream with a byte changed, or cut short
            QByteArray stream = buildBadgeStream(fuzz::fuzzBank(data).bank, {}, {}).bytes();
            const qsizetype at = data.ConsumeIntegralInRange<qsizetype>(0, stream.size() - 1);
            if (data.ConsumeBool())
                stream[at] = char(data.ConsumeIntegral<quint8>());
            else
                stream.truncate(at);
            line += stream;
            break;
        }
        default:
            line += "Hello";
            break;
        }
    }
    std::vector<qsizetype> chunks;
    for (int i = 0; i < 8; ++i)
        chunks.push_back(data.ConsumeIntegralInRange<qsizetype>(1, 800));

    // The events cover the line in order, each byte once: a decoded stream is what its bytes
    // decode to, and skipped bytes hold no "Hello".
    const std::vector<Seen> whole = receive(line, {});
    qsizetype at = 0;
    for (const Seen &s : whole) {
        if (at + s.bytes > line.size())
            fail("the events account for more bytes than arrived");
        const QByteArrayView part = QByteArrayView(line).sliced(at, s.bytes);
        if (s.stream && decodeStream(part).stream != s.stream)
            fail("a stream event is not what its bytes decode to");
        if (s.kind == ReceiverEvent::Kind::Skipped && part.indexOf(QByteArrayView("Hello")) >= 0)
            fail("skipped bytes hold a \"Hello\"");
        if (s.kind != ReceiverEvent::Kind::Skipped && !part.startsWith(QByteArrayView("Hello")))
            fail("a stream event does not start with \"Hello\"");
        at += s.bytes;
    }
    if (at != line.size())
        fail("the events do not account for every byte");
    if (receive(line, chunks) != whole)
        fail("feeding in chunks gives other events than feeding whole");
    if (receive(line, {1}) != whole)
        fail("feeding byte by byte gives other events than feeding whole");
    return 0;
}
