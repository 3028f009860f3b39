#include "messagebank.h"

#include <QTest>

using lume::MessageBank;

class TstMessageBank : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldLayOutMessagesRowsAndColumnsContiguously()
    {
        QCOMPARE(MessageBank::index(0, 0, 0), 0);
        QCOMPARE(MessageBank::index(0, 1, 0), 512);
        QCOMPARE(MessageBank::index(1, 0, 0), 6144);
        QCOMPARE(MessageBank::index(7, 11, 511), 49151);

        MessageBank bank;
        bank.setByte(3, 4, 5, 0xA5);
        QCOMPARE(bank.data()[3 * 6144 + 4 * 512 + 5], quint8(0xA5));
        QCOMPARE(bank.row(3, 4)[5], quint8(0xA5));
    }

    void shouldMergeBitsByOr()
    {
        MessageBank bank;
        bank.setByte(0, 0, 0, 0x81);
        bank.orByte(0, 0, 0, 0x18);
        QCOMPARE(bank.byte(0, 0, 0), quint8(0x99));
    }

    void shouldClearOnlyTheGivenMessage()
    {
        MessageBank bank;
        for (int m = 0; m < MessageBank::MessageCount; ++m) {
            bank.setByte(m, 0, 0, 1);
            bank.setByte(m, 11, 511, 1);
            bank.setWidth(m, 512);
        }
        bank.clear(2);
        QCOMPARE(bank.byte(2, 0, 0), quint8(0));
        QCOMPARE(bank.byte(2, 11, 511), quint8(0));
        QCOMPARE(bank.byte(1, 11, 511), quint8(1));
        QCOMPARE(bank.byte(3, 0, 0), quint8(1));
        QCOMPARE(bank.width(2), qint16(512)); // clearing the pixels leaves the width to the caller
    }

    void shouldTakeWidthFromRightmostLitColumnByte_data()
    {
        QTest::addColumn<QList<QPoint>>("lit"); // (column byte, row) pairs set to a non-zero value
        QTest::addColumn<int>("width");
        QTest::newRow("all dark") << QList<QPoint>() << 0;
        QTest::newRow("pixel 4095 of row 11") << QList<QPoint> {{511, 11}} << 512;
        QTest::newRow("bytes 5 to 9") << QList<QPoint> {{5, 0}, {7, 3}, {9, 11}} << 10;
        QTest::newRow("rightmost in an upper row") << QList<QPoint> {{200, 0}, {3, 11}} << 201;
        QTest::newRow("column byte 0") << QList<QPoint> {{0, 6}} << 1;
    }

    void shouldTakeWidthFromRightmostLitColumnByte()
    {
        QFETCH(QList<QPoint>, lit);
        QFETCH(int, width);
        MessageBank bank;
        bank.setWidth(4, 77);
        for (const QPoint &p : lit)
            bank.setByte(4, p.y(), p.x(), 0x01);
        bank.updateWidthFromContent(4);
        QCOMPARE(bank.width(4), qint16(width));
        QCOMPARE(bank.width(3), qint16(0)); // the other widths are untouched
    }

    void shouldCapTheUsedTotalAfterEachAddition_data()
    {
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<int>("total");
        QTest::newRow("empty") << QList<int>(8, 0) << 0;
        QTest::newRow("8 x 100") << QList<int>(8, 100) << 511;
        QTest::newRow("100,0,50") << QList<int> {100, 0, 50, 0, 0, 0, 0, 0} << 150;
        QTest::newRow("512 alone") << QList<int> {512, 0, 0, 0, 0, 0, 0, 0} << 511;
        QTest::newRow("511 exactly") << QList<int> {500, 11, 0, 0, 0, 0, 0, 0} << 511;
        QTest::newRow("last message") << QList<int> {0, 0, 0, 0, 0, 0, 0, 3} << 3;
    }

    void shouldCapTheUsedTotalAfterEachAddition()
    {
        QFETCH(QList<int>, widths);
        QFETCH(int, total);
        MessageBank bank;
        for (int m = 0; m < 8; ++m)
            bank.setWidth(m, qint16(widths[m]));
        QCOMPARE(bank.cappedWidthSum(), qint16(total));
    }

    void shouldCompareWholeBanks()
    {
        MessageBank a;
        MessageBank b;
        QCOMPARE(a, b);
        b.setByte(7, 11, 511, 1);
        QVERIFY(!(a == b));
        a.setByte(7, 11, 511, 1);
        a.setUsedTotal(3);
        QVERIFY(!(a == b));
    }
};

QTEST_GUILESS_MAIN(TstMessageBank)
#include "tst_messagebank.moc"
