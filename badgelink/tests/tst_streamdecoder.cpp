#include "badgestream.h"
#include "streamdecoder.h"
#include "testseed.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QTest>

using namespace lume;
using lume::test::LongDirections;
using lume::test::ShortDirections;

namespace {

MessageSettingsList defaultSettings(const QStringList &directions)
{
    MessageSettingsList settings;
    for (MessageSettings &message : settings)
        message.direction = directions.first();
    return settings;
}

// Only message 0 has content, width 3, all at speed "4": the 725-byte stream.
QByteArray widthThreeStream()
{
    MessageBank bank;
    bank.setWidth(0, 3);
    for (int r = 0; r < MessageBank::RowCount; ++r)
        for (int k = 0; k < 3; ++k)
            bank.setByte(0, r, k, quint8(0x10 * r + k + 1));
    return buildBadgeStream(bank, defaultSettings(LongDirections), LongDirections).bytes();
}

QByteArray streamWithWidths(const std::array<qint16, MessageBank::MessageCount> &widths)
{
    MessageBank bank;
    bank.setWidths(widths);
    return buildBadgeStream(bank, defaultSettings(ShortDirections), ShortDirections).bytes();
}

void putWord(QByteArray &stream, int headerOffset, int value)
{
    stream[5 + headerOffset] = char(value >> 8);
    stream[5 + headerOffset + 1] = char(value & 0xFF);
}

MessageBank randomBank(QRandomGenerator &random)
{
    MessageBank bank;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        // Mostly short messages, sometimes long ones that get clipped, sometimes none.
        const int kind = random.bounded(4);
        const int width = kind == 0 ? 0 : kind == 1 ? random.bounded(1, 513) : random.bounded(1, 80);
        bank.setWidth(m, qint16(width));
        for (int r = 0; r < MessageBank::RowCount; ++r)
            for (int k = 0; k < MessageBank::RowBytes; ++k)
                bank.setByte(m, r, k, quint8(random.bounded(256)));
    }
    return bank;
}

MessageSettingsList randomSettings(QRandomGenerator &random, const QStringList &list)
{
    const QStringList directions = QStringList(list) << QStringLiteral("sideways");
    MessageSettingsList settings;
    for (MessageSettings &message : settings) {
        message.speed = QString::number(random.bounded(1, 9));
        message.flash = random.bounded(2) == 1;
        message.direction = directions[random.bounded(int(directions.size()))];
    }
    return settings;
}

// The bank as the badge would hold it: the clipped widths and nothing past them.
MessageBank restricted(const MessageBank &bank, const std::array<qint16, MessageBank::MessageCount> &widths)
{
    MessageBank result;
    result.setWidths(widths);
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        for (int r = 0; r < MessageBank::RowCount; ++r)
            for (int k = 0; k < widths[m]; ++k)
                result.setByte(m, r, k, bank.byte(m, r, k));
    return result;
}

} // namespace

class TstStreamDecoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldDecodeOneMessageOfWidthThree()
    {
        const QByteArray bytes = widthThreeStream();
        QCOMPARE(bytes.size(), 725);
        const DecodeResult result = decodeStream(bytes);
        QCOMPARE(result.error, QString());
        QVERIFY(result.stream);
        const DecodedStream &stream = *result.stream;
        QCOMPARE(stream.dataWidth, 3);
        QCOMPARE(stream.size(), 725);
        for (int m = 0; m < MessageBank::MessageCount; ++m) {
            const DecodedMessage &message = stream.messages[m];
            QCOMPARE(message.mode, quint8(0x30));
            QCOMPARE(message.speed, 4);
            QCOMPARE(message.flash, false);
            QCOMPARE(message.direction, 0);
            QCOMPARE(message.startAddress, quint16(m == 0 ? 0x0800 : 0x0803));
            QCOMPARE(message.width, quint16(m == 0 ? 3 : 0));
        }
        for (int r = 0; r < MessageBank::RowCount; ++r) {
            const char row[] = {char(0x10 * r + 1), char(0x10 * r + 2), char(0x10 * r + 3)};
            QCOMPARE(stream.messages[0].rows[r], QByteArray(row, 3));
            QCOMPARE(stream.messages[1].rows[r], QByteArray());
        }
        QCOMPARE(expectedStreamSize(bytes.first(47)), std::optional<qsizetype>(725));
    }

    void shouldDecodeTheModeBits_data()
    {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<bool>("flash");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<int>("decodedSpeed");
        QTest::addColumn<int>("decodedDirection");
        QTest::newRow("slowest, right to left") << "1" << false << "From right to left" << 1 << 0;
        QTest::newRow("fastest, flashing, frozen") << "8" << true << "Freeze show" << 8 << 4;
        QTest::newRow("speed 5, down to up") << "5" << false << "From down to up" << 5 << 2;
        QTest::newRow("no speed: direction alone") << "" << true << "From up to down" << 1 << 3;
    }

    void shouldDecodeTheModeBits()
    {
        QFETCH(QString, speed);
        QFETCH(bool, flash);
        QFETCH(QString, direction);
        QFETCH(int, decodedSpeed);
        QFETCH(int, decodedDirection);
        MessageBank bank;
        bank.setWidth(2, 1);
        MessageSettingsList settings = defaultSettings(LongDirections);
        settings[2] = {speed, flash, direction};
        const DecodeResult result = decodeStream(buildBadgeStream(bank, settings, LongDirections).bytes());
        QVERIFY2(result.stream, qPrintable(result.error));
        const DecodedMessage &message = result.stream->messages[2];
        QCOMPARE(message.speed, decodedSpeed);
        // Without a speed the mode byte holds the direction alone, and so no flash either.
        QCOMPARE(message.flash, flash && !speed.isEmpty());
        QCOMPARE(message.direction, decodedDirection);
    }

    void shouldRoundTripRandomBanksAndSettings()
    {
        test::TestSeed seed(20240611);
        QRandomGenerator &random = seed.generator();
        for (int round = 0; round < 150; ++round) {
            const QStringList &directions = round % 2 ? ShortDirections : LongDirections;
            const MessageBank bank = randomBank(random);
            const MessageSettingsList settings = randomSettings(random, directions);
            const BadgeStream built = buildBadgeStream(bank, settings, directions);
            const DecodeResult result = decodeStream(built.bytes());
            QVERIFY2(result.stream, qPrintable(QStringLiteral("round %1: %2").arg(round).arg(result.error)));
            const DecodedStream &stream = *result.stream;
            QCOMPARE(stream.dataWidth, built.dataWidth);
            QCOMPARE(stream.size(), built.bytes().size());
            for (int m = 0; m < MessageBank::MessageCount; ++m) {
                const DecodedMessage &message = stream.messages[m];
                const quint8 mode = modeByte(settings[m], directions);
                QCOMPARE(message.mode, mode);
                QCOMPARE(message.speed, settings[m].speed.toInt());
                QCOMPARE(message.flash, settings[m].flash);
                QCOMPARE(message.direction, directionCode(settings[m].direction, directions));
                QCOMPARE(message.startAddress, built.startAddresses[m]);
                QCOMPARE(int(message.width), int(built.clippedWidths[m]));
            }
            QCOMPARE(toBank(stream), restricted(bank, built.clippedWidths));
        }
    }

    void shouldDecodeAFullBank()
    {
        MessageBank bank;
        for (int m = 0; m < MessageBank::MessageCount; ++m) {
            bank.setWidth(m, 100);
            for (int r = 0; r < MessageBank::RowCount; ++r)
                for (int k = 0; k < 100; ++k)
                    bank.setByte(m, r, k, quint8(m * 31 + r * 7 + k));
        }
        const BadgeStream built = buildBadgeStream(bank, defaultSettings(LongDirections), LongDirections);
        const QByteArray bytes = built.bytes();
        QCOMPARE(bytes.size(), 6833);
        const DecodeResult result = decodeStream(bytes);
        QVERIFY2(result.stream, qPrintable(result.error));
        QCOMPARE(result.stream->dataWidth, 512);
        QCOMPARE(result.stream->messages[5].width, quint16(12));
        QCOMPARE(result.stream->messages[6].startAddress, quint16(0x0A00));
        QCOMPARE(result.stream->messages[6].width, quint16(0));
        QCOMPARE(toBank(*result.stream), restricted(bank, built.clippedWidths));
        QCOMPARE(expectedStreamSize(bytes), std::optional<qsizetype>(6833));
    }

    void shouldAcceptAStreamWithoutData()
    {
        const DecodeResult result = decodeStream(streamWithWidths({}));
        QVERIFY2(result.stream, qPrintable(result.error));
        QCOMPARE(result.stream->dataWidth, 0);
        QCOMPARE(result.stream->size(), 689);
        QCOMPARE(result.stream->messages[7].startAddress, quint16(0x0800));
    }

    void shouldRejectMalformedStreams_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");

        const QByteArray valid = widthThreeStream();
        QTest::newRow("empty") << QByteArray()
                               << "stream is 0 bytes, too short for the preamble and header (47 bytes)";
        QTest::newRow("header cut off")
            << valid.first(46) << "stream is 46 bytes, too short for the preamble and header (47 bytes)";
        QByteArray jello = valid;
        jello[0] = 'J';
        QTest::newRow("wrong preamble")
            << jello << "wrong preamble: 0x4A 0x65 0x6C 0x6C 0x6F, expected \"Hello\"";
        QTest::newRow("short wrong preamble")
            << QByteArray("He!") << "wrong preamble: 0x48 0x65 0x21, expected \"Hello\"";
        QByteArray byte0 = valid;
        byte0[5] = 1;
        QTest::newRow("header byte 0") << byte0 << "header byte 0 is 0x01, expected 0";
        QByteArray byte9 = valid;
        byte9[5 + 9] = char(0xFF);
        QTest::newRow("header byte 9") << byte9 << "header byte 9 is 0xFF, expected 0";

        QByteArray firstStart = valid;
        putWord(firstStart, 10, 0);
        QTest::newRow("first start") << firstStart << "message 0 starts at 0x0000, expected 0x0800";
        QByteArray gap = streamWithWidths({0x40, 0x40, 0, 5});
        putWord(gap, 10 + 4 * 3, 0x0900);
        QTest::newRow("gap before message 3") << gap << "message 3 starts at 0x0900, expected 0x0880";
        QByteArray overlap = streamWithWidths({10, 10});
        putWord(overlap, 10 + 4 * 1, 0x0805);
        QTest::newRow("overlap") << overlap << "message 1 starts at 0x0805, expected 0x080A";
        QByteArray pastEnd = streamWithWidths({512});
        putWord(pastEnd, 12 + 4 * 7, 1);
        QTest::newRow("past the end")
            << pastEnd << "message 7 ends at 0x0A01, past the end of the badge's memory at 0x0A00";
        QByteArray hugeWidth = streamWithWidths({});
        putWord(hugeWidth, 12, 0xFFFF);
        QTest::newRow("huge width")
            << hugeWidth << "message 0 ends at 0x107FF, past the end of the badge's memory at 0x0A00";

        QTest::newRow("short data") << valid.first(700) << "stream is 700 bytes, expected 725";
        QTest::newRow("extra byte") << valid + '\0' << "stream is 726 bytes, expected 725";
        QByteArray wider = valid;
        putWord(wider, 12, 4);
        for (int m = 1; m < MessageBank::MessageCount; ++m)
            putWord(wider, 10 + 4 * m, 0x0804);
        QTest::newRow("header announces more") << wider << "stream is 725 bytes, expected 737";

        QByteArray trailer12 = valid;
        trailer12[725 - 642 + 12] = 5;
        QTest::newRow("trailer byte 12") << trailer12 << "trailer byte 12 is 0x05, expected 0";
        QByteArray lastByte = valid;
        lastByte[724] = char(0x80);
        QTest::newRow("last trailer byte") << lastByte << "trailer byte 641 is 0x80, expected 0";
    }

    void shouldRejectMalformedStreams()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const DecodeResult result = decodeStream(bytes);
        QCOMPARE(result.error, error);
        QVERIFY(!result.stream);
    }

    void shouldTellTheStreamSizeFromItsFirstBytes_data()
    {
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<qsizetype>("size"); // -1: unknown
        const QByteArray valid = widthThreeStream();
        QTest::newRow("nothing yet") << QByteArray() << qsizetype(-1);
        QTest::newRow("preamble only") << QByteArray("Hello") << qsizetype(-1);
        QTest::newRow("one byte short") << valid.first(46) << qsizetype(-1);
        QTest::newRow("preamble and header") << valid.first(47) << qsizetype(725);
        QTest::newRow("part of the data") << valid.first(100) << qsizetype(725);
        QTest::newRow("no data") << streamWithWidths({}).first(47) << qsizetype(689);
        QTest::newRow("full") << streamWithWidths({300, 300}).first(47) << qsizetype(6833);
        QByteArray jello = valid.first(47);
        jello[0] = 'J';
        QTest::newRow("wrong preamble") << jello << qsizetype(-1);
        QByteArray gap = streamWithWidths({1, 1}).first(47);
        putWord(gap, 10 + 4 * 1, 0x0802);
        QTest::newRow("inconsistent header") << gap << qsizetype(-1);
    }

    void shouldTellTheStreamSizeFromItsFirstBytes()
    {
        QFETCH(QByteArray, prefix);
        QFETCH(qsizetype, size);
        const std::optional<qsizetype> expected = expectedStreamSize(prefix);
        QCOMPARE(expected.value_or(-1), size);
    }

    // Random, truncated and mutated streams: every one is either accepted whole or rejected with a
    // reason, and the size from the header agrees with what the decoder accepts.
    void shouldNeverCrashOnDamagedStreams()
    {
        test::TestSeed seed(7);
        QRandomGenerator &random = seed.generator();
        QList<QByteArray> originals;
        for (int i = 0; i < 6; ++i)
            originals << buildBadgeStream(randomBank(random), randomSettings(random, ShortDirections),
                                          ShortDirections)
                             .bytes();
        originals << widthThreeStream() << streamWithWidths({});
        int accepted = 0;
        for (int round = 0; round < 4000; ++round) {
            QByteArray bytes = originals[random.bounded(int(originals.size()))];
            switch (round % 4) {
            case 0: // random bytes behind a good preamble, any length
                bytes = QByteArray("Hello");
                for (int n = random.bounded(0, 900); n > 0; --n)
                    bytes += char(random.bounded(256));
                break;
            case 1: // cut off anywhere
                bytes.truncate(random.bounded(int(bytes.size()) + 1));
                break;
            case 2: // a few bytes changed, often in the header
                for (int n = random.bounded(1, 4); n > 0; --n) {
                    const int at = random.bounded(2) ? random.bounded(std::min(60, int(bytes.size())))
                                                     : random.bounded(int(bytes.size()));
                    bytes[at] = char(random.bounded(256));
                }
                break;
            default: // bytes inserted or removed
                if (random.bounded(2))
                    bytes.insert(random.bounded(int(bytes.size()) + 1), char(random.bounded(256)));
                else
                    bytes.remove(random.bounded(int(bytes.size())), random.bounded(1, 30));
                break;
            }
            const DecodeResult result = decodeStream(bytes);
            QCOMPARE(result.stream.has_value(), result.error.isEmpty());
            const std::optional<qsizetype> size = expectedStreamSize(bytes);
            if (result.stream) {
                ++accepted;
                QCOMPARE(result.stream->size(), bytes.size());
                QCOMPARE(size, std::optional<qsizetype>(bytes.size()));
                QCOMPARE(toBank(*result.stream).widths()[0], qint16(result.stream->messages[0].width));
            } else if (size && *size == bytes.size()) {
                QVERIFY2(result.error.startsWith(u"trailer byte"), qPrintable(result.error));
            }
        }
        // Changes inside the data keep a stream valid: the run must have accepted some.
        QVERIFY(accepted > 0);
    }

    void shouldMakeABankOfAStreamBuiltByHand()
    {
        DecodedStream stream;
        stream.messages[0].width = 600; // more than a row holds
        stream.messages[0].rows[0] = QByteArray(600, char(0xAA));
        stream.messages[1].width = 4;
        stream.messages[1].rows[3] = QByteArray("\x01\x02", 2); // shorter than its width
        const MessageBank bank = toBank(stream);
        QCOMPARE(bank.width(0), qint16(512));
        QCOMPARE(bank.byte(0, 0, 511), quint8(0xAA));
        QCOMPARE(bank.width(1), qint16(4));
        QCOMPARE(bank.byte(1, 3, 1), quint8(0x02));
        QCOMPARE(bank.byte(1, 3, 2), quint8(0));
    }
};

QTEST_GUILESS_MAIN(TstStreamDecoder)
#include "tst_streamdecoder.moc"
