#include "simtestsupport.h"
#include "streamreceiver.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <array>
#include <vector>

using namespace lume;
using lume::test::streamBytes;
using Kind = ReceiverEvent::Kind;

namespace {

struct Rig
{
    explicit Rig(int quietMs = StreamReceiver::DefaultQuietMs)
        : receiver([this](const ReceiverEvent &event) { events.push_back(event); }, quietMs)
    { }
    std::vector<ReceiverEvent> events;
    StreamReceiver receiver;

    void feedInChunks(const QByteArray &bytes, quint32 seed, int maxChunk)
    {
        QRandomGenerator random(seed);
        for (qsizetype at = 0; at < bytes.size();) {
            const qsizetype n = std::min<qsizetype>(random.bounded(1, maxChunk + 1), bytes.size() - at);
            receiver.feed(QByteArrayView(bytes).sliced(at, n), at);
            at += n;
        }
    }
};

DecodedStream decoded(const QByteArray &bytes)
{
    const DecodeResult result = decodeStream(bytes);
    return result.stream.value_or(DecodedStream {});
}

QByteArray withByte(QByteArray bytes, qsizetype offset, char value)
{
    bytes[offset] = value;
    return bytes;
}

} // namespace

class TstStreamReceiver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldDecodeAWholeStream_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qsizetype>("size");
        QTest::newRow("message 1 of width 3") << streamBytes({3}) << qsizetype(725);
        QTest::newRow("300 and 300, clipped") << streamBytes({300, 300}) << qsizetype(6833);
        QTest::newRow("an empty message between two") << streamBytes({2, 0, 1}) << qsizetype(725);
        QTest::newRow("eight messages") << streamBytes({1, 2, 3, 4, 5, 6, 7, 8}) << qsizetype(689 + 12 * 36);
    }

    void shouldDecodeAWholeStream()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qsizetype, size);
        QCOMPARE(bytes.size(), size);
        Rig rig;
        rig.receiver.feed(bytes, 0);
        QCOMPARE(rig.events.size(), size_t(1));
        const ReceiverEvent &event = rig.events.front();
        QCOMPARE(event.kind, Kind::Stream);
        QCOMPARE(event.bytes, size);
        QCOMPARE(event.streamNumber, 1);
        QVERIFY(event.stream.has_value());
        QCOMPARE(*event.stream, decoded(bytes));
        QCOMPARE(event.lineSeconds(), double(size) / 120.0);
        QVERIFY(!rig.receiver.hasPending());
    }

    void shouldDecodeAStreamSplitIntoChunks_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("maxChunk");
        QTest::newRow("byte by byte") << 1u << 1;
        for (quint32 seed = 1; seed <= 6; ++seed)
            QTest::addRow("random chunks up to 64, seed %u", seed) << seed << 64;
        QTest::newRow("random chunks up to 4096") << 7u << 4096;
    }

    void shouldDecodeAStreamSplitIntoChunks()
    {
        QFETCH(quint32, seed);
        QFETCH(int, maxChunk);
        const QByteArray bytes = streamBytes({300, 13, 0, 7});
        Rig rig;
        rig.feedInChunks(bytes, seed, maxChunk);
        QCOMPARE(rig.events.size(), size_t(1));
        QCOMPARE(rig.events.front().kind, Kind::Stream);
        QCOMPARE(*rig.events.front().stream, decoded(bytes));
    }

    void shouldSkipWhatComesBeforeHello_data()
    {
        QTest::addColumn<QByteArray>("garbage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text") << QByteArray("xyz") << "3 bytes before \"Hello\"";
        QTest::newRow("one byte") << QByteArray(1, '\0') << "1 byte before \"Hello\"";
        QTest::newRow("a partial preamble") << QByteArray("HellHel") << "7 bytes before \"Hello\"";
        QTest::newRow("line noise") << QByteArray(5000, '\xff') << "5000 bytes before \"Hello\"";
    }

    void shouldSkipWhatComesBeforeHello()
    {
        QFETCH(QByteArray, garbage);
        QFETCH(QString, reason);
        const QByteArray stream = streamBytes({3});
        for (int maxChunk : {1, 5, 100000}) {
            Rig rig;
            rig.feedInChunks(garbage + stream, 3, maxChunk);
            QCOMPARE(rig.events.size(), size_t(2));
            QCOMPARE(rig.events[0].kind, Kind::Skipped);
            QCOMPARE(rig.events[0].reason, reason);
            QCOMPARE(rig.events[0].bytes, garbage.size());
            QCOMPARE(rig.events[1].kind, Kind::Stream);
            QCOMPARE(*rig.events[1].stream, decoded(stream));
        }
    }

    void shouldReportBytesWithoutHelloOnceTheLineIsQuiet()
    {
        Rig rig;
        rig.receiver.feed("noise Hel", 0); // the "Hel" might have begun a stream
        QVERIFY(rig.events.empty());
        QCOMPARE(rig.receiver.checkQuiet(999), qint64(1));
        QVERIFY(rig.events.empty());
        QCOMPARE(rig.receiver.checkQuiet(1000), qint64(-1));
        QCOMPARE(rig.events.size(), size_t(1));
        QCOMPARE(rig.events[0].kind, Kind::Skipped);
        QCOMPARE(rig.events[0].reason, QStringLiteral("9 bytes without \"Hello\""));
        QCOMPARE(rig.receiver.checkQuiet(5000), qint64(-1));
        QCOMPARE(rig.events.size(), size_t(1));
    }

    void shouldDecodeTwoStreamsBackToBack_data()
    {
        QTest::addColumn<int>("maxChunk");
        QTest::newRow("in one write") << 100000;
        QTest::newRow("in chunks across the boundary") << 97;
        QTest::newRow("byte by byte") << 1;
    }

    void shouldDecodeTwoStreamsBackToBack()
    {
        QFETCH(int, maxChunk);
        const QByteArray first = streamBytes({3});
        const QByteArray second = streamBytes({0, 40, 2});
        Rig rig;
        rig.feedInChunks(first + second, 11, maxChunk);
        QCOMPARE(rig.events.size(), size_t(2));
        QCOMPARE(rig.events[0].streamNumber, 1);
        QCOMPARE(*rig.events[0].stream, decoded(first));
        QCOMPARE(rig.events[1].streamNumber, 2);
        QCOMPARE(*rig.events[1].stream, decoded(second));
        QCOMPARE(rig.events[1].bytes, second.size());
        QCOMPARE(rig.receiver.streamsDecoded(), 2);
    }

    void shouldReportAStreamThatStopsOnceTheLineIsQuiet_data()
    {
        QTest::addColumn<int>("received");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<qsizetype>("expected");
        QTest::newRow("in the data") << 300 << "incomplete stream: 300 of 725 bytes" << qsizetype(725);
        QTest::newRow("in the trailer") << 724 << "incomplete stream: 724 of 725 bytes" << qsizetype(725);
        QTest::newRow("in the header") << 20 << "incomplete stream: 20 of at least 47 bytes" << qsizetype(-1);
        QTest::newRow("just the preamble")
            << 5 << "incomplete stream: 5 of at least 47 bytes" << qsizetype(-1);
    }

    void shouldReportAStreamThatStopsOnceTheLineIsQuiet()
    {
        QFETCH(int, received);
        QFETCH(QString, reason);
        QFETCH(qsizetype, expected);
        const QByteArray stream = streamBytes({3});
        Rig rig(1000);
        rig.receiver.feed(stream.first(received / 2), 100);
        rig.receiver.feed(stream.first(received).sliced(received / 2), 400);
        QCOMPARE(rig.receiver.checkQuiet(900), qint64(500)); // the quiet time counts from the last byte
        QCOMPARE(rig.receiver.checkQuiet(1399), qint64(1));
        QVERIFY(rig.events.empty());
        QCOMPARE(rig.receiver.checkQuiet(1400), qint64(-1));
        QCOMPARE(rig.events.size(), size_t(1));
        QCOMPARE(rig.events[0].kind, Kind::Incomplete);
        QCOMPARE(rig.events[0].reason, reason);
        QCOMPARE(rig.events[0].bytes, qsizetype(received));
        QCOMPARE(rig.events[0].expectedBytes, expected);
        // Reported once; the next stream is received as if nothing had happened.
        QCOMPARE(rig.receiver.checkQuiet(3000), qint64(-1));
        rig.receiver.feed(stream, 3000);
        QCOMPARE(rig.events.size(), size_t(2));
        QCOMPARE(rig.events[1].kind, Kind::Stream);
        QCOMPARE(rig.events[1].streamNumber, 1);
    }

    void shouldReportWhatIsPendingWhenFlushed()
    {
        Rig rig;
        rig.receiver.feed(streamBytes({3}).first(100), 0);
        rig.receiver.flush();
        QCOMPARE(rig.events.size(), size_t(1));
        QCOMPARE(rig.events[0].reason, QStringLiteral("incomplete stream: 100 of 725 bytes"));
        QVERIFY(!rig.receiver.hasPending());
    }

    void shouldRejectMalformedStreamsWithTheirReason_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<qsizetype>("size"); // -1: the header did not tell
        const QByteArray good = streamBytes({3});
        QTest::newRow("header byte 0")
            << withByte(good, 5, 1) << "header byte 0 is 0x01, expected 0" << qsizetype(-1);
        QTest::newRow("header byte 9")
            << withByte(good, 14, '\x7f') << "header byte 9 is 0x7F, expected 0" << qsizetype(-1);
        QTest::newRow("a gap between messages")
            << withByte(good, 5 + 14, 9) << "message 1 starts at 0x0903, expected 0x0803" << qsizetype(-1);
        QByteArray past = good;
        past[5 + 12] = 0x02; // width 0x0203 from 0x0800
        past[5 + 13] = 0x03;
        QTest::newRow("past the memory")
            << past << "message 0 ends at 0x0A03, past the end of the badge's memory at 0x0A00"
            << qsizetype(-1);
        QTest::newRow("a trailer byte set")
            << withByte(good, 724, 5) << "trailer byte 641 is 0x05, expected 0" << qsizetype(725);
    }

    void shouldRejectMalformedStreamsWithTheirReason()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QFETCH(qsizetype, size);
        const QByteArray next = streamBytes({1, 1});
        Rig rig;
        rig.receiver.feed(bytes + next, 0);
        rig.receiver.flush();
        QVERIFY(rig.events.size() >= 2);
        QCOMPARE(rig.events[0].kind, Kind::Malformed);
        QCOMPARE(rig.events[0].reason, reason);
        QCOMPARE(rig.events[0].expectedBytes, size);
        // The stream after a bad one still arrives.
        const ReceiverEvent &last = rig.events.back();
        QCOMPARE(last.kind, Kind::Stream);
        QCOMPARE(*last.stream, decoded(next));
        QCOMPARE(last.streamNumber, 1);
        if (size < 0) {
            QCOMPARE(rig.events.size(), size_t(3));
            QCOMPARE(rig.events[1].kind, Kind::Skipped);
            QCOMPARE(rig.events[0].bytes, qsizetype(47));
            QCOMPARE(rig.events[1].bytes, bytes.size() - 47);
        } else {
            QCOMPARE(rig.events.size(), size_t(2));
        }
    }

    // A rejected header accounts for its bytes up to where the next "Hello" may begin, and no
    // byte is reported twice (once as part of the header and again as skipped).
    void shouldReportRejectedHeaderBytesOnce_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<qsizetype>>("sizes"); // of the events in order
        const QByteArray header(42, '\x01');
        QTest::newRow("Hello and 42 rejected bytes") << QByteArray("Hello" + header) << QList<qsizetype> {47};
        QTest::newRow("a Hello inside the header")
            << QByteArray("Hello" + header.first(10) + "Hello" + header) << QList<qsizetype> {15, 47};
        QTest::newRow("a partial Hello at its end")
            << QByteArray("Hello" + header.first(39) + "Hel") << QList<qsizetype> {44, 3};
    }

    void shouldReportRejectedHeaderBytesOnce()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<qsizetype>, sizes);
        for (const int chunk : {int(bytes.size()), 1}) {
            Rig rig;
            rig.feedInChunks(bytes, 1, chunk);
            rig.receiver.flush();
            QList<qsizetype> got;
            for (const ReceiverEvent &event : rig.events)
                got << event.bytes;
            QCOMPARE(got, sizes);
            QCOMPARE(rig.events.front().kind, Kind::Malformed);
        }
    }

    // Whatever arrives, every byte is accounted for exactly once and nothing crashes (run it under
    // ASan): each byte ends up in a stream, a rejected stream, a cut-off stream or the skipped bytes.
    void shouldAccountForEveryByteOfAnyInput_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 40; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    void shouldAccountForEveryByteOfAnyInput()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        // Pieces of line traffic; after each the line may fall quiet for a while.
        QList<QByteArray> pieces;
        for (qsizetype total = 0; total < 60000; total += pieces.back().size()) {
            QByteArray input;
            switch (random.bounded(6)) {
            case 0: { // noise, now and then with a preamble inside
                QByteArray noise(random.bounded(1, 300), Qt::Uninitialized);
                for (char &c : noise)
                    c = char(random.bounded(256));
                if (random.bounded(3) == 0)
                    noise.insert(random.bounded(noise.size()), "Hello");
                input += noise;
                break;
            }
            case 1: // a good stream
                input += streamBytes({int(random.bounded(0, 400)), int(random.bounded(0, 200))});
                break;
            case 2: { // a stream with flipped bytes, often in the header
                QByteArray bytes = streamBytes({int(random.bounded(1, 50)), 3});
                for (int i = 0, flips = random.bounded(1, 4); i < flips; ++i) {
                    const qsizetype at =
                        random.bounded(2) ? random.bounded(47) : random.bounded(bytes.size());
                    bytes[at] = char(random.bounded(256));
                }
                input += bytes;
                break;
            }
            case 3: // a cut-off stream
                input += streamBytes({int(random.bounded(1, 100))}).first(random.bounded(1, 700));
                break;
            case 4: // the longest header there is, and random data
                input += QByteArray("Hello") + QByteArray::fromHex("00ffffffffffffffff00") +
                    QByteArray::fromHex("08000200") + QByteArray::fromHex("0a000000").repeated(7);
                break;
            default: // a preamble and a header of noise
                input += "Hello";
                for (int i = 0; i < 42; ++i)
                    input += char(random.bounded(256));
                break;
            }
            pieces << input;
        }

        qsizetype accounted = 0;
        int decodedCount = 0;
        std::array<int, 4> kinds {};
        StreamReceiver receiver(
            [&](const ReceiverEvent &event) {
                accounted += event.bytes;
                ++kinds[size_t(event.kind)];
                QVERIFY(event.bytes > 0);
                if (event.kind == Kind::Stream) {
                    QVERIFY(event.stream.has_value());
                    QCOMPARE(event.stream->size(), event.bytes);
                    QCOMPARE(event.streamNumber, ++decodedCount);
                } else {
                    QVERIFY(!event.reason.isEmpty());
                }
            },
            1000);
        qint64 now = 0;
        qsizetype fed = 0;
        for (const QByteArray &input : pieces) {
            for (qsizetype at = 0; at < input.size();) {
                const qsizetype n = std::min<qsizetype>(random.bounded(1, 2000), input.size() - at);
                receiver.feed(QByteArrayView(input).sliced(at, n), now);
                at += n;
                now += 10;
                receiver.checkQuiet(now);
            }
            fed += input.size();
            now += random.bounded(2) ? 10 : 1500;
            receiver.checkQuiet(now);
        }
        receiver.flush();
        QCOMPARE(accounted, fed);
        QVERIFY(!receiver.hasPending());
        QVERIFY2(std::all_of(kinds.begin(), kinds.end(), [](int n) { return n > 0; }),
                 "the input should have brought every kind of event");
    }
};

QTEST_GUILESS_MAIN(TstStreamReceiver)
#include "tst_streamreceiver.moc"
