#include "badgeplayer.h"
#include "streamdecoder.h"

#include <QTest>

using namespace lume;

namespace {

// A message of the given column bytes, the same on the rows listed (the others dark).
DecodedMessage message(const QByteArray &row, std::initializer_list<int> litRows, int direction,
                       int speed = 8, bool flash = false)
{
    DecodedMessage m;
    m.width = quint16(row.size());
    m.direction = direction;
    m.speed = speed;
    m.flash = flash;
    for (int r = 0; r < LedMatrix::Rows; ++r)
        m.rows[r] = QByteArray(row.size(), '\0');
    for (int r : litRows)
        m.rows[r] = row;
    return m;
}

DecodedStream streamOf(std::initializer_list<std::pair<int, DecodedMessage>> messages)
{
    DecodedStream stream;
    for (const auto &[index, m] : messages)
        stream.messages[index] = m;
    return stream;
}

// A display with these columns lit on these rows.
LedMatrix lit(int columns, std::initializer_list<int> litColumns, std::initializer_list<int> rows)
{
    LedMatrix matrix(columns);
    for (int r : rows)
        for (int c : litColumns)
            matrix.setLit(r, c, true);
    return matrix;
}

const std::initializer_list<int> AllRows {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

} // namespace

class TstBadgePlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldTimeTheStepsBySpeed_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("stepMs");
        const int table[] = {160, 140, 120, 100, 80, 60, 40, 20};
        for (int speed = 1; speed <= 8; ++speed)
            QTest::addRow("speed %d", speed) << speed << table[speed - 1];
        QTest::newRow("speed 9 plays as 8") << 9 << 20;
        QTest::newRow("speed 16 plays as 8") << 16 << 20;
    }

    void shouldTimeTheStepsBySpeed()
    {
        QFETCH(int, speed);
        QFETCH(int, stepMs);
        QCOMPARE(BadgePlayer::stepMs(speed), stepMs);
        // A message of one column byte scrolling through 10 columns takes 18 steps.
        BadgePlayer player(10);
        player.setStream(streamOf({{0, message("\x81", {0}, 0, speed)}}));
        QCOMPARE(player.cycleMs(), qint64(18 * stepMs));
    }

    // Columns 0 and 7 of the message lit on every row; a display of 10 columns; 20 ms a step.
    void shouldScrollSideways_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("step");
        QTest::addColumn<LedMatrix>("expected");
        QTest::newRow("to left, enters at the right") << 0 << 0 << lit(10, {9}, AllRows);
        QTest::newRow("to left, step 3") << 0 << 3 << lit(10, {6}, AllRows);
        QTest::newRow("to left, whole") << 0 << 9 << lit(10, {0, 7}, AllRows);
        QTest::newRow("to left, leaving") << 0 << 16 << lit(10, {0}, AllRows);
        QTest::newRow("to left, gone") << 0 << 17 << LedMatrix(10);
        QTest::newRow("to right, enters at the left") << 1 << 0 << lit(10, {0}, AllRows);
        QTest::newRow("to right, step 3") << 1 << 3 << lit(10, {3}, AllRows);
        QTest::newRow("to right, whole") << 1 << 9 << lit(10, {2, 9}, AllRows);
        QTest::newRow("to right, leaving") << 1 << 16 << lit(10, {9}, AllRows);
        QTest::newRow("to right, gone") << 1 << 17 << LedMatrix(10);
        QTest::newRow("code 5 plays as to left") << 5 << 3 << lit(10, {6}, AllRows);
        QTest::newRow("code 7 plays as to left") << 7 << 9 << lit(10, {0, 7}, AllRows);
    }

    void shouldScrollSideways()
    {
        QFETCH(int, direction);
        QFETCH(int, step);
        QFETCH(LedMatrix, expected);
        BadgePlayer player(10);
        player.setStream(streamOf({{0, message("\x81", AllRows, direction)}}));
        QCOMPARE(player.frame(step * 20), expected);
        QCOMPARE(player.frame(step * 20 + 19), expected);
        QCOMPARE(player.frame(player.cycleMs() + step * 20), expected); // it starts again
    }

    // Rows 0 and 11 lit over the whole message of 2 column bytes (16 columns), a display of 10
    // columns: two pages, the second 6 columns wide.
    void shouldMovePagesUpAndDownAndHoldThem_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("step");
        QTest::addColumn<LedMatrix>("expected");
        const auto page1 = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        const auto page2 = {0, 1, 2, 3, 4, 5};
        QTest::newRow("up, top row enters at the bottom") << 2 << 0 << lit(10, page1, {11});
        QTest::newRow("up, step 5") << 2 << 5 << lit(10, page1, {6});
        QTest::newRow("up, whole") << 2 << 11 << lit(10, page1, {0, 11});
        QTest::newRow("up, leaving") << 2 << 20 << lit(10, page1, {2});
        QTest::newRow("up, gone") << 2 << 23 << LedMatrix(10);
        QTest::newRow("up, second page") << 2 << 24 + 11 << lit(10, page2, {0, 11});
        QTest::newRow("down, bottom row enters at the top") << 3 << 0 << lit(10, page1, {0});
        QTest::newRow("down, step 5") << 3 << 5 << lit(10, page1, {5});
        QTest::newRow("down, whole") << 3 << 11 << lit(10, page1, {0, 11});
        QTest::newRow("down, leaving") << 3 << 20 << lit(10, page1, {9});
        QTest::newRow("down, second page") << 3 << 24 + 3 << lit(10, page2, {3});
        QTest::newRow("freeze, first page") << 4 << 0 << lit(10, page1, {0, 11});
        QTest::newRow("freeze, first page held") << 4 << 23 << lit(10, page1, {0, 11});
        QTest::newRow("freeze, second page") << 4 << 24 << lit(10, page2, {0, 11});
    }

    void shouldMovePagesUpAndDownAndHoldThem()
    {
        QFETCH(int, direction);
        QFETCH(int, step);
        QFETCH(LedMatrix, expected);
        BadgePlayer player(10);
        player.setStream(streamOf({{0, message("\xff\xff", {0, 11}, direction)}}));
        QCOMPARE(player.cycleMs(), qint64(2 * 24 * 20));
        QCOMPARE(player.frame(step * 20), expected);
    }

    void shouldFlashHalfASecondOnAndOff_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("speed");
        QTest::newRow("freeze, speed 1") << 4 << 1;
        QTest::newRow("to left, speed 1") << 0 << 1;
        QTest::newRow("to up, speed 3") << 2 << 3;
    }

    void shouldFlashHalfASecondOnAndOff()
    {
        QFETCH(int, direction);
        QFETCH(int, speed);
        BadgePlayer steady(10);
        steady.setStream(streamOf({{0, message(QByteArray(4, '\xff'), AllRows, direction, speed)}}));
        BadgePlayer flashing(10);
        flashing.setStream(streamOf({{0, message(QByteArray(4, '\xff'), AllRows, direction, speed, true)}}));
        QCOMPARE(flashing.cycleMs(), steady.cycleMs()); // flashing does not slow the movement
        for (int ms : {0, 250, 499, 1000, 1499, 2000})
            QCOMPARE(flashing.frame(ms), steady.frame(ms));
        for (int ms : {500, 750, 999, 1500, 1999})
            QCOMPARE(flashing.frame(ms), LedMatrix(10));
        QVERIFY(!steady.frame(1200).isDark());
    }

    void shouldPlayTheMessagesWithContentInTurn()
    {
        BadgePlayer player(10);
        player.setStream(streamOf({{0, message("\xff", AllRows, 4)},
                                   {2, message("\x0f", AllRows, 4, 4)},
                                   {7, message("\x80", AllRows, 0, 1)}}));
        const qint64 first = 24 * 20;
        const qint64 second = 24 * 100;
        const qint64 third = 18 * 160;
        QCOMPARE(player.cycleMs(), first + second + third);
        QCOMPARE(player.messageAt(0), 0);
        QCOMPARE(player.messageAt(first - 1), 0);
        QCOMPARE(player.messageAt(first), 2);
        QCOMPARE(player.frame(first), lit(10, {4, 5, 6, 7}, AllRows));
        QCOMPARE(player.messageAt(first + second), 7);
        QCOMPARE(player.frame(first + second), lit(10, {9}, AllRows));
        QCOMPARE(player.messageAt(player.cycleMs()), 0);
        QCOMPARE(player.frame(player.cycleMs() + 5), lit(10, {0, 1, 2, 3, 4, 5, 6, 7}, AllRows));
    }

    void shouldShowNothingWithoutContent()
    {
        BadgePlayer player(12);
        QCOMPARE(player.frame(0), LedMatrix(12));
        player.setStream(streamOf({{3, message(QByteArray(), AllRows, 0)}}));
        QVERIFY(player.isEmpty());
        QCOMPARE(player.cycleMs(), qint64(0));
        QCOMPARE(player.frame(1234), LedMatrix(12));
        QCOMPARE(player.messageAt(1234), -1);
    }

    void shouldPlayTheWidestMessage()
    {
        BadgePlayer player(48);
        player.setStream(streamOf({{0, message(QByteArray(512, '\x80'), {5}, 0)}}));
        QCOMPARE(player.cycleMs(), qint64((4096 + 48) * 20));
        // After 47 steps the display shows message columns 0..47: every eighth lit on row 5.
        QCOMPARE(player.frame(47 * 20), lit(48, {0, 8, 16, 24, 32, 40}, {5}));
    }

    void shouldDrawTheMessageBitsLeftmostFirst()
    {
        DecodedMessage m = message(QByteArray("\x80\x01", 2), {}, 0);
        m.rows[2] = QByteArray("\x40\x81", 2);
        const LedMatrix matrix = messageMatrix(m);
        QCOMPARE(matrix.columns(), 16);
        QCOMPARE(matrix.litCount(), 3);
        QVERIFY(matrix.isLit(2, 1));
        QVERIFY(matrix.isLit(2, 8));
        QVERIFY(matrix.isLit(2, 15));
    }

    void shouldDrawEachLedAsARoundDot()
    {
        LedMatrix matrix(3);
        matrix.setLit(0, 0, true);
        matrix.setLit(11, 2, true);
        const QImage image = renderLeds(matrix);
        QCOMPARE(image.size(), QSize(1 + 3 * 5, 1 + 12 * 5));
        QCOMPARE(image.pixel(2, 2), LedLook::Lit); // inside LED (0, 0)
        QCOMPARE(image.pixel(1, 2), LedLook::Lit);
        QCOMPARE(image.pixel(1, 1), LedLook::Board); // its cut corner
        QCOMPARE(image.pixel(4, 4), LedLook::Board);
        QCOMPARE(image.pixel(5, 2), LedLook::Board); // the gap to LED (0, 1)
        QCOMPARE(image.pixel(7, 2), LedLook::Dark); // LED (0, 1) is dark
        QCOMPARE(image.pixel(0, 0), LedLook::Board);
        const QPoint last = LedLook::dotOrigin(11, 2);
        QCOMPARE(last, QPoint(11, 56));
        QCOMPARE(image.pixel(last + QPoint(2, 3)), LedLook::Lit);
        QCOMPARE(image.pixel(last + QPoint(3, 3)), LedLook::Board);
        int litPixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                litPixels += image.pixel(x, y) == LedLook::Lit;
        QCOMPARE(litPixels, 2 * 12);
    }
};

QTEST_GUILESS_MAIN(TstBadgePlayer)
#include "tst_badgeplayer.moc"
