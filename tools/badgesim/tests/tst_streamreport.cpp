#include "simtestsupport.h"
#include "streamreceiver.h"
#include "streamreport.h"

#include <QTest>

using namespace lume;
using lume::test::streamBytes;

namespace {
ReceiverEvent streamEvent(const QByteArray &bytes, int number)
{
    ReceiverEvent event;
    event.stream = decodeStream(bytes).stream;
    event.streamNumber = number;
    event.bytes = bytes.size();
    event.expectedBytes = bytes.size();
    return event;
}
} // namespace

class TstStreamReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldSummariseEveryMessageOfAStream()
    {
        const QStringList lines = reportLines(streamEvent(streamBytes({3}), 1));
        const QStringList expected {
            "stream 1: 725 bytes, 6.04 s at 1200 baud",
            "message 1: speed 4, flash off, direction 0 (to left), start 0x0800, width 3",
            "message 2: speed 4, flash off, direction 0 (to left), start 0x0803, width 0",
            "message 3: speed 4, flash off, direction 0 (to left), start 0x0803, width 0",
            "message 4: speed 4, flash off, direction 0 (to left), start 0x0803, width 0",
            "message 5: speed 4, flash off, direction 0 (to left), start 0x0803, width 0",
            "message 6: speed 4, flash off, direction 0 (to left), start 0x0803, width 0",
            "message 7: speed 4, flash off, direction 0 (to left), start 0x0803, width 0",
            "message 8: speed 4, flash off, direction 0 (to left), start 0x0803, width 0",
        };
        QCOMPARE(lines, expected);
    }

    void shouldSummariseTheSettingsOfAMessage_data()
    {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<bool>("flash");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QString>("line");
        QTest::newRow("to Right")
            << "1" << false << "to Right"
            << "message 2: speed 1, flash off, direction 1 (to right), start 0x092C, width 212";
        QTest::newRow("to Up, flashing")
            << "8" << true << "to Up"
            << "message 2: speed 8, flash on, direction 2 (to up), start 0x092C, width 212";
        QTest::newRow("to Down")
            << "5" << false << "to Down"
            << "message 2: speed 5, flash off, direction 3 (to down), start 0x092C, width 212";
        QTest::newRow("Freeze")
            << "2" << true << "Freeze"
            << "message 2: speed 2, flash on, direction 4 (freeze), start 0x092C, width 212";
    }

    void shouldSummariseTheSettingsOfAMessage()
    {
        QFETCH(QString, speed);
        QFETCH(bool, flash);
        QFETCH(QString, direction);
        QFETCH(QString, line);
        MessageSettingsList settings;
        settings[1] = {speed, flash, direction};
        const QStringList lines = reportLines(streamEvent(streamBytes({300, 300}, settings), 4));
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[0], QStringLiteral("stream 4: 6833 bytes, 56.94 s at 1200 baud"));
        QCOMPARE(lines[2], line);
    }

    // No program makes these mode bytes, but a stream from elsewhere may hold them.
    void shouldSummariseModeBytesNoProgramMakes()
    {
        QByteArray bytes = streamBytes({1});
        bytes[5 + 1] = char(0xff);
        const QStringList lines = reportLines(streamEvent(bytes, 1));
        QCOMPARE(lines[1],
                 QStringLiteral("message 1: speed 16, flash on, direction 7 (unknown, played to left), "
                                "start 0x0800, width 1"));
    }

    void shouldReportFailuresOnOneLine_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<qsizetype>("bytes");
        QTest::addColumn<qsizetype>("expected");
        QTest::addColumn<QString>("line");
        QTest::newRow("malformed") << int(ReceiverEvent::Kind::Malformed)
                                   << "trailer byte 3 is 0x01, expected 0" << qsizetype(725) << qsizetype(725)
                                   << "error: malformed stream: trailer byte 3 is 0x01, expected 0 "
                                      "(725 bytes, 6.04 s at 1200 baud)";
        QTest::newRow("malformed header")
            << int(ReceiverEvent::Kind::Malformed) << "header byte 0 is 0x01, expected 0" << qsizetype(47)
            << qsizetype(-1) << "error: malformed stream: header byte 0 is 0x01, expected 0";
        QTest::newRow("reason with a placeholder")
            << int(ReceiverEvent::Kind::Malformed) << "odd %1 text" << qsizetype(120) << qsizetype(120)
            << "error: malformed stream: odd %1 text (120 bytes, 1.00 s at 1200 baud)";
        QTest::newRow("incomplete") << int(ReceiverEvent::Kind::Incomplete)
                                    << "incomplete stream: 300 of 725 bytes" << qsizetype(300)
                                    << qsizetype(725) << "error: incomplete stream: 300 of 725 bytes";
        QTest::newRow("skipped") << int(ReceiverEvent::Kind::Skipped) << "3 bytes before \"Hello\""
                                 << qsizetype(3) << qsizetype(-1) << "skipped: 3 bytes before \"Hello\"";
    }

    void shouldReportFailuresOnOneLine()
    {
        QFETCH(int, kind);
        QFETCH(QString, reason);
        QFETCH(qsizetype, bytes);
        QFETCH(qsizetype, expected);
        QFETCH(QString, line);
        ReceiverEvent event;
        event.kind = ReceiverEvent::Kind(kind);
        event.reason = reason;
        event.bytes = bytes;
        event.expectedBytes = expected;
        QCOMPARE(reportLines(event), QStringList {line});
    }

    void shouldNamePicturesByStreamAndMessage()
    {
        QCOMPARE(pngFileName(1, 0), QStringLiteral("stream1-message1.png"));
        QCOMPARE(pngFileName(12, 7), QStringLiteral("stream12-message8.png"));
    }
};

QTEST_GUILESS_MAIN(TstStreamReport)
#include "tst_streamreport.moc"
