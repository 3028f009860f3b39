// The send from the command line on a fake port: the Send command's messages as lines, a skipped
// write reported as a failure, the progress line, and the console guard of --device.
#include "sendcommandline.h"
#include "sendprogram.h"
#include "sendsession.h"

#include "badgesender.h"
#include "devicenames.h"
#include "fakeserialcontrol.h"
#include "portdiagnosis.h"
#include "sketchsendprofile.h"
#include "testwaits.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace lume;

namespace {

MessageBank bankOfWidth(int width)
{
    MessageBank bank;
    bank.setWidth(0, qint16(width));
    for (int r = 0; r < MessageBank::RowCount; ++r)
        for (int k = 0; k < width; ++k)
            bank.setByte(0, r, k, quint8(r * 16 + k + 1));
    return bank;
}

} // namespace

Q_DECLARE_METATYPE(SerialFailure)

class TstSendSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldWriteTheStreamWithTheBadgesLineSettings()
    {
        FakeSerialControl serial;
        SendSession session(serial, PortDiagnostics::systemExplainer()); // as in the program
        QVERIFY(session.configure(QStringLiteral("COM7")));
        MessageBank bank = bankOfWidth(3);
        MessageSettingsList settings;
        settings[0] = {QStringLiteral("8"), true, QStringLiteral("From up to down")};
        const BadgeStream expected = buildBadgeStream(bank, settings, sketchDirections());
        QSignalSpy finished(&session, &SendSession::finished);
        QVERIFY(session.start(buildBadgeStream(bank, settings, SendSession::profile().directions)));
        QVERIFY(serial.isOpen());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, test::SafetyNetMs);
        QCOMPARE(finished[0][0].toInt(), int(SendExitOk));
        QCOMPARE(serial.writes(), expected.writes());
        QCOMPARE(quint8(expected.header[1]), quint8(0x7B));
        QCOMPARE(serial.portNumber(), 7);
        QCOMPARE(serial.settings(), QStringLiteral("1200,n,8,1"));
        QCOMPARE(serial.option9(), std::optional<bool>(true));
        QVERIFY(!serial.isOpen());
        QVERIFY(session.errorLines().isEmpty());
    }

    // The transfer carries on past a failed step, as the windows' does; the command line must not
    // then say that everything went out.
    void shouldReportAStepThatFailedDuringTheTransfer_data()
    {
        QTest::addColumn<bool>("failingWrite");
        QTest::newRow("a row block that was not written") << true;
        QTest::newRow("a pending count that could not be read") << false;
    }

    void shouldReportAStepThatFailedDuringTheTransfer()
    {
        QFETCH(bool, failingWrite);
        FakeSerialControl serial;
        if (failingWrite)
            serial.setFailingWrite(4);
        else
            serial.setPendingUnreadable(true);
        SendSession session(serial, PortDiagnostics::systemExplainer()); // as in the program
        QVERIFY(session.configure(QStringLiteral("COM1")));
        MessageBank bank = bankOfWidth(2);
        QSignalSpy finished(&session, &SendSession::finished);
        QVERIFY(session.start(buildBadgeStream(bank, {}, SendSession::profile().directions)));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, test::SafetyNetMs);
        QCOMPARE(finished[0][0].toInt(), int(SendExitFailed));
        QCOMPARE(session.errorLines(),
                 QStringList {failingWrite ? "The badge may not have received everything: Write failed"
                                           : "The badge may not have received everything: Count unreadable"});
        QVERIFY(!serial.isOpen());
    }

    void shouldGiveThePortMessagesOfTheWindowsAsLines_data()
    {
        QTest::addColumn<SerialFailure>("failure");
        QTest::addColumn<bool>("readsClosed");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("permission")
            << SerialFailure {SerialFailure::Kind::PermissionDenied, "/dev/ttyUSB0", "Permission denied"}
            << false
            << QStringList {
                   "Port in use or not port: /dev/ttyUSB0: Permission denied",
                   "Your user may not use this serial port. On Linux, add yourself to the group that owns "
                   "it (usually \"dialout\": sudo usermod -aG dialout $USER), then log out and in again."};
        QTest::newRow("in use")
            << SerialFailure {SerialFailure::Kind::InUse, "/dev/ttyACM0", "Device busy"} << false
            << QStringList {
                   "Port in use or not port: /dev/ttyACM0: Device busy",
                   "Another program holds this port (/dev/ttyACM0), but which one cannot be seen from "
                   "this user.",
                   "Find it with: sudo fuser -v /dev/ttyACM0 (or sudo lsof /dev/ttyACM0), "
                   "then close it. Often it is ModemManager for a few seconds after "
                   "plugging in, brltty, or a forgotten screen or minicom."};
        QTest::newRow("other failure without a device")
            << SerialFailure {SerialFailure::Kind::Other, "", "Input/output error"} << false
            << QStringList {"Port in use or not port: Input/output error"};
        QTest::newRow("reads closed after opening")
            << SerialFailure {} << true << QStringList {"Open port fail!"};
    }

    void shouldGiveThePortMessagesOfTheWindowsAsLines()
    {
        QFETCH(SerialFailure, failure);
        QFETCH(bool, readsClosed);
        QFETCH(QStringList, lines);
        FakeSerialControl serial;
        serial.setOpenFailure(failure);
        serial.setOpenReadsClosed(readsClosed);
        SendSession session(serial, PortDiagnostics::systemExplainer()); // as in the program
        QVERIFY(session.configure(QStringLiteral("COM2")));
        MessageBank bank = bankOfWidth(1);
        QSignalSpy finished(&session, &SendSession::finished);
        QVERIFY(!session.start(buildBadgeStream(bank, {}, SendSession::profile().directions)));
        QCOMPARE(session.errorLines(), lines);
        QVERIFY(serial.writes().isEmpty());
        QVERIFY(!serial.isOpen());
        QCOMPARE(bank.width(0), qint16(1)); // the bank is left as it was
        QTest::qWait(20);
        QCOMPARE(finished.count(), 0);
    }

    void shouldRefusePortNamesReadComSetRefuses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("COM1") << "COM1" << true;
        QTest::newRow("COM32") << "COM32" << true;
        QTest::newRow("COM33") << "COM33" << false;
        QTest::newRow("lower case") << "com3" << false;
        QTest::newRow("leading zero") << "COM03" << false;
    }

    void shouldRefusePortNamesReadComSetRefuses()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        FakeSerialControl serial;
        SendSession session(serial, PortDiagnostics::systemExplainer()); // as in the program
        QCOMPARE(session.configure(name), accepted);
        const QStringList refusal {
            QStringLiteral("Set Port Number Error! --port takes COM1 to COM32, not \"%1\"").arg(name)};
        QCOMPARE(session.errorLines(), accepted ? QStringList() : refusal);
        QCOMPARE(serial.openCount(), 0);
    }

    void shouldShowBytesSentAndTimeLeft_data()
    {
        QTest::addColumn<qint64>("sent");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<QString>("line");
        QTest::newRow("start") << qint64(0) << qint64(701)
                               << "[------------------------------] 0 of 701 bytes, 6 s left";
        QTest::newRow("half") << qint64(3417) << qint64(6833)
                              << "[###############---------------] 3417 of 6833 bytes, 29 s left";
        QTest::newRow("one byte left")
            << qint64(700) << qint64(701) << "[#############################-] 700 of 701 bytes, 1 s left";
        QTest::newRow("done") << qint64(701) << qint64(701)
                              << "[##############################] 701 of 701 bytes, 0 s left";
        QTest::newRow("a count past the end")
            << qint64(900) << qint64(701) << "[##############################] 701 of 701 bytes, 0 s left";
    }

    void shouldShowBytesSentAndTimeLeft()
    {
        QFETCH(qint64, sent);
        QFETCH(qint64, total);
        QFETCH(QString, line);
        QCOMPARE(progressLine(sent, total), line);
    }

    // Only paths are looked at: nothing here is opened.
    void shouldNeverTakeAConsoleForTheBadge_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("console");
        QTest::newRow("the active console") << "/dev/ttyS0" << true;
        QTest::newRow("a virtual console") << "/dev/tty2" << true;
        QTest::newRow("the controlling terminal") << "/dev/tty" << true;
        QTest::newRow("a link to the console") << "{dir}/badge" << true;
        QTest::newRow("a pseudo-terminal") << "/dev/pts/7" << false;
        QTest::newRow("a USB adapter") << "/dev/ttyUSB0" << false;
    }

    void shouldNeverTakeAConsoleForTheBadge()
    {
        QFETCH(QString, device);
        QFETCH(bool, console);
        QTemporaryDir dir;
        // /dev/null stands in for a console that exists on every machine.
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), dir.filePath(QStringLiteral("badge"))));
        device.replace(QLatin1String("{dir}"), dir.path());
        QCOMPARE(isConsoleDevice(device, {QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/null")}),
                 console);
    }
};

QTEST_GUILESS_MAIN(TstSendSession)
#include "tst_sendsession.moc"
