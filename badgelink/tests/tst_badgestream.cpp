#include "badgestream.h"
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
    for (MessageSettings &s : settings)
        s.direction = directions.first();
    return settings;
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (const int v : values)
        result += char(v);
    return result;
}

} // namespace

class TstBadgeStream : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldBuildThe725ByteStreamOfOneSmallMessage()
    {
        MessageBank bank;
        for (int r = 0; r < 12; ++r)
            for (int k = 0; k < 3; ++k)
                bank.setByte(0, r, k, quint8(r * 16 + k));
        bank.setWidth(0, 3);
        const BadgeStream stream = buildBadgeStream(bank, defaultSettings(LongDirections), LongDirections);
        QCOMPARE(stream.preamble, QByteArray("Hello"));
        QByteArray header = hex("00 3030303030303030 00 08000003");
        for (int m = 1; m < 8; ++m)
            header += hex("08030000");
        QCOMPARE(stream.header, header);
        QCOMPARE(stream.dataWidth, 3);
        for (int r = 0; r < 12; ++r) {
            const QByteArray expected = bytes({r * 16, r * 16 + 1, r * 16 + 2});
            QCOMPARE(stream.rows[r], expected);
        }
        for (const QByteArray &block : stream.trailer)
            QCOMPARE(block, QByteArray(107, '\0'));
        const QByteArray all = stream.bytes();
        QCOMPARE(all.size(), 725);
        QCOMPARE(stream.size(), 725);
        QCOMPARE(all.left(5 + 42), QByteArray("Hello") + header);
        QCOMPARE(stream.writes().size(), 20);
    }

    void shouldClipTheSecondMessageAgainstTheBadgeMemory()
    {
        MessageBank bank;
        bank.setWidth(0, 300);
        bank.setWidth(1, 300);
        for (int k = 0; k < 300; ++k) {
            bank.setByte(0, 5, k, 0x11);
            bank.setByte(1, 5, k, 0x22);
        }
        const BadgeStream stream = buildBadgeStream(bank, defaultSettings(ShortDirections), ShortDirections);
        QCOMPARE(stream.header.mid(10, 8), hex("0800012C 092C00D4"));
        for (int m = 2; m < 8; ++m)
            QCOMPARE(stream.header.mid(10 + 4 * m, 4), hex("0A000000"));
        QCOMPARE(stream.dataWidth, 512);
        QCOMPARE(stream.clippedWidths[0], qint16(300));
        QCOMPARE(stream.clippedWidths[1], qint16(212));
        QCOMPARE(stream.rows[5], QByteArray(300, 0x11) + QByteArray(212, 0x22));
        QCOMPARE(stream.size(), 689 + 12 * 512);
        for (const QByteArray &write : stream.writes())
            QVERIFY(write.size() <= 512);
    }

    void shouldSkipEmptyMessagesInTheRowBlocks()
    {
        MessageBank bank;
        bank.setWidth(0, 2);
        bank.setWidth(2, 1);
        for (int r = 0; r < 12; ++r) {
            bank.setByte(0, r, 0, quint8(r));
            bank.setByte(0, r, 1, quint8(0x80 | r));
            bank.setByte(1, r, 0, 0xEE); // beyond message 1's width of 0: never sent
            bank.setByte(2, r, 0, quint8(0x40 | r));
            bank.setByte(2, r, 1, 0xEE); // beyond message 2's width
        }
        const BadgeStream stream = buildBadgeStream(bank, defaultSettings(LongDirections), LongDirections);
        QCOMPARE(stream.dataWidth, 3);
        QCOMPARE(stream.header.mid(10, 12), hex("08000002 08020000 08020001"));
        for (int m = 3; m < 8; ++m)
            QCOMPARE(stream.header.mid(10 + 4 * m, 4), hex("08030000"));
        for (int r = 0; r < 12; ++r)
            QCOMPARE(stream.rows[r], bytes({r, 0x80 | r, 0x40 | r}));
    }

    void shouldKeepHeaderOffsetsZeroAndAddressesInRange()
    {
        test::TestSeed random(0x5EED0001);
        for (int round = 0; round < 200; ++round) {
            MessageBank bank;
            for (int m = 0; m < 8; ++m)
                bank.setWidth(m, qint16(random->bounded(-5, 513)));
            const BadgeStream stream =
                buildBadgeStream(bank, defaultSettings(LongDirections), LongDirections);
            QCOMPARE(stream.header[0], '\0');
            QCOMPARE(stream.header[9], '\0');
            int sum = 0;
            for (int m = 0; m < 8; ++m) {
                QVERIFY(stream.startAddresses[m] >= 2048 && stream.startAddresses[m] <= 2560);
                QVERIFY(stream.clippedWidths[m] >= 0);
                QVERIFY(stream.startAddresses[m] + stream.clippedWidths[m] <= 2560);
                sum += stream.clippedWidths[m];
            }
            QCOMPARE(stream.dataWidth, sum);
            QVERIFY(sum <= 512);
            for (const QByteArray &block : stream.rows)
                QCOMPARE(block.size(), qsizetype(sum));
        }
    }

    void shouldEncodeTheModeByte_data()
    {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<bool>("flash");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QStringList>("directions");
        QTest::addColumn<int>("mode");
        const QStringList fp = LongDirections;
        const QStringList df = ShortDirections;
        QTest::newRow("defaults") << "4" << false << "From right to left" << fp << 0x30;
        QTest::newRow("speed 1") << "1" << false << "From right to left" << fp << 0x00;
        QTest::newRow("speed 8 flash freeze") << "8" << true << "Freeze show" << fp << 0x7C;
        QTest::newRow("flash") << "4" << true << "From left to right" << fp << 0x39;
        QTest::newRow("down to up") << "2" << false << "From down to up" << fp << 0x12;
        QTest::newRow("up to down") << "3" << false << "From up to down" << fp << 0x23;
        QTest::newRow("dot font to Up") << "4" << false << "to Up" << df << 0x32;
        QTest::newRow("dot font Freeze") << "5" << true << "Freeze" << df << 0x4C;
        QTest::newRow("other table's text") << "4" << false << "to Up" << fp << 0x30;
        QTest::newRow("wrong case") << "4" << false << "from down to up" << fp << 0x30;
        QTest::newRow("trailing blank") << "4" << false << "to Down " << df << 0x30;
        QTest::newRow("unknown direction") << "4" << false << "sideways" << df << 0x30;
        QTest::newRow("no list at all") << "4" << false << "to Up" << QStringList {} << 0x30;
        QTest::newRow("empty speed") << "" << false << "to Down" << df << 0x03;
        QTest::newRow("empty speed flash") << "" << true << "to Down" << df << 0x03;
        QTest::newRow("speed text") << "fast" << true << "to Right" << df << 0x01;
        QTest::newRow("leading number") << "4x" << false << "to Left" << df << 0x30;
        QTest::newRow("leading blanks") << "  6" << false << "to Left" << df << 0x50;
        QTest::newRow("fraction") << "2.5" << false << "to Left" << df << 24;
        QTest::newRow("half rounds down to even") << "1.03125" << false << "to Left" << df << 0;
        QTest::newRow("half rounds up to even") << "1.09375" << false << "to Left" << df << 2;
        QTest::newRow("speed 9 still fits") << "9" << false << "to Left" << df << 0x80;
        QTest::newRow("speed 16 flash") << "16" << true << "to Right" << df << 0xF9;
        QTest::newRow("speed 17 too large") << "17" << false << "to Right" << df << 0x01;
        QTest::newRow("speed 0 too small") << "0" << true << "to Up" << df << 0x02;
        QTest::newRow("negative speed") << "-3" << false << "to Up" << df << 0x02;
        QTest::newRow("huge speed") << QString(400, u'9') << false << "to Up" << df << 0x02;
        QTest::newRow("byte overflow keeps speed") << "16.9" << false << "Freeze" << df << 254;
    }

    void shouldEncodeTheModeByte()
    {
        QFETCH(QString, speed);
        QFETCH(bool, flash);
        QFETCH(QString, direction);
        QFETCH(QStringList, directions);
        QFETCH(int, mode);
        const MessageSettings settings {speed, flash, direction};
        QCOMPARE(int(modeByte(settings, directions)), mode);
    }

    // Each program names the directions from its own list; the bytes follow the codes alone.
    void shouldGiveBothListsTheSameBytes()
    {
        test::TestSeed random(0x5EED0002);
        MessageBank bank;
        for (int m = 0; m < 8; ++m) {
            bank.setWidth(m, qint16(random->bounded(0, 100)));
            for (int r = 0; r < 12; ++r)
                for (int k = 0; k < 512; ++k)
                    bank.setByte(m, r, k, quint8(random->bounded(256)));
        }
        MessageSettingsList fp;
        MessageSettingsList df;
        for (int m = 0; m < 8; ++m) {
            const int code = m % 5;
            fp[m] = {QString::number(1 + m), m % 2 == 1, LongDirections[code]};
            df[m] = {QString::number(1 + m), m % 2 == 1, ShortDirections[code]};
        }
        QCOMPARE(buildBadgeStream(bank, fp, LongDirections).bytes(),
                 buildBadgeStream(bank, df, ShortDirections).bytes());
    }

    void shouldListTheSpeeds()
    {
        QCOMPARE(speedEntries(), (QStringList {"1", "2", "3", "4", "5", "6", "7", "8"}));
    }
};

QTEST_GUILESS_MAIN(TstBadgeStream)
#include "tst_badgestream.moc"
