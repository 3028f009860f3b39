#include "badgesender.h"
#include "fakeserialcontrol.h"
#include "testsupport.h"
#include "testwaits.h"

#include <QSignalSpy>
#include <QTest>

#include <cerrno>
#include <cstring>

using namespace lume;
using lume::test::RecordingProgress;

namespace {

MessageBank smallBank()
{
    MessageBank bank;
    bank.setWidth(0, 300);
    bank.setWidth(1, 300);
    for (int r = 0; r < 12; ++r)
        for (int k = 0; k < 300; ++k) {
            bank.setByte(0, r, k, quint8(k));
            bank.setByte(1, r, k, quint8(r));
        }
    return bank;
}

// What a program hands in: its highest port and its busy message. No direction list: the default
// settings name no direction, which codes 0 in any list.
SendProfile profileUpTo(int maxPort, const QString &busyText = QStringLiteral("Sending!"),
                        const QString &busyTitle = QStringLiteral("Waits"))
{
    SendProfile profile;
    profile.maxPort = maxPort;
    profile.busyText = busyText;
    profile.busyTitle = busyTitle;
    return profile;
}

struct Rig
{
    explicit Rig(SendProfile profile)
        : sender(port, progress, std::move(profile))
    {
        QObject::connect(&sender, &BadgeSender::refused, &sender,
                         [this](const SendRefusal &refusal) { refusals << refusal; });
    }
    FakeSerialControl port;
    RecordingProgress progress;
    BadgeSender sender;
    QList<SendRefusal> refusals;
};

} // namespace

class TstBadgeSender : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldReadThePortName_data()
    {
        QTest::addColumn<int>("maxPort");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("port"); // 0: refused
        for (const int maxPort : {32, 16}) {
            const QByteArray p = "up to COM" + QByteArray::number(maxPort) + ' ';
            QTest::newRow(p + "COM7") << maxPort << "COM7" << 7;
            QTest::newRow(p + "COM1") << maxPort << "COM1" << 1;
            QTest::newRow(p + "COM16") << maxPort << "COM16" << 16;
            QTest::newRow(p + "lower case") << maxPort << "com7" << 0;
            QTest::newRow(p + "leading zero") << maxPort << "COM07" << 0;
            QTest::newRow(p + "inner space") << maxPort << "COM 7" << 0;
            QTest::newRow(p + "trailing space") << maxPort << "COM7 " << 0;
            QTest::newRow(p + "empty") << maxPort << "" << 0;
            QTest::newRow(p + "COM0") << maxPort << "COM0" << 0;
            QTest::newRow(p + "COM33") << maxPort << "COM33" << 0;
            QTest::newRow(p + "device path") << maxPort << "/dev/ttyUSB0" << 0;
        }
        QTest::newRow("up to COM32 COM20") << 32 << "COM20" << 20;
        QTest::newRow("up to COM32 COM32") << 32 << "COM32" << 32;
        QTest::newRow("up to COM16 COM17") << 16 << "COM17" << 0;
        QTest::newRow("up to COM16 COM20") << 16 << "COM20" << 0;
    }

    void shouldReadThePortName()
    {
        QFETCH(int, maxPort);
        QFETCH(QString, text);
        QFETCH(int, port);
        Rig rig(profileUpTo(maxPort));
        QCOMPARE(rig.sender.readComSet(text), port != 0);
        if (port) {
            QVERIFY(rig.refusals.isEmpty());
            QCOMPARE(rig.port.portNumber(), port);
            QCOMPARE(rig.port.settings(), QStringLiteral("1200,n,8,1"));
            QVERIFY(!rig.port.isOpen());
        } else {
            QCOMPARE(rig.refusals.size(), 1);
            QCOMPARE(rig.refusals[0].kind, SendRefusal::Kind::PortNumber);
            QVERIFY(rig.refusals[0].explanation.isEmpty());
            QVERIFY(rig.port.calls().isEmpty()); // the control is left as it was
        }
    }

    void shouldSendTheBankAndStoreTheClippedWidths()
    {
        Rig rig(profileUpTo(32));
        MessageBank bank = smallBank();
        const MessageBank before = bank;
        QSignalSpy finished(&rig.sender, &BadgeSender::transferFinished);
        QVERIFY(rig.sender.readComSet(QStringLiteral("COM3")));
        QVERIFY(rig.sender.startTransfer(bank, MessageSettingsList {}));
        QVERIFY(rig.sender.isSending());
        QCOMPARE(rig.port.option9(), std::optional<bool>(true));
        QCOMPARE(bank.width(1), qint16(212));
        QVERIFY(finished.wait(test::SafetyNetMs));
        QVERIFY(!rig.sender.isSending());
        QCOMPARE(rig.port.written(), buildBadgeStream(before, MessageSettingsList {}, {}).bytes());
        QVERIFY(rig.refusals.isEmpty());
    }

    void shouldSendWhatTheHeaderAnnouncedDespiteEdits()
    {
        Rig rig(profileUpTo(16));
        rig.port.setDrainRate(20000);
        MessageBank bank = smallBank();
        const QByteArray expected = buildBadgeStream(bank, MessageSettingsList {}, {}).bytes();
        QSignalSpy finished(&rig.sender, &BadgeSender::transferFinished);
        QVERIFY(rig.sender.startTransfer(bank, MessageSettingsList {}));
        // The user edits while the line drains: new widths, new pixels.
        bank.clearAll();
        bank.setWidth(0, 5);
        bank.setByte(0, 0, 0, 0xFF);
        QVERIFY(finished.wait(test::SafetyNetMs));
        QCOMPARE(rig.port.written(), expected);
    }

    void shouldRefuseASecondSendWhileOneRuns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("Sending!") << "Sending!"
                                  << "Waits";
        QTest::newRow("Sending...") << "Sending..."
                                    << "Waiting";
    }

    void shouldRefuseASecondSendWhileOneRuns()
    {
        QFETCH(QString, text);
        QFETCH(QString, title);
        Rig rig(profileUpTo(32, text, title));
        rig.port.setNeverDrains(true);
        MessageBank bank = smallBank();
        QVERIFY(!rig.sender.refuseWhileSending());
        QVERIFY(rig.sender.startTransfer(bank, MessageSettingsList {}));
        QTest::qWait(20);
        QVERIFY(rig.sender.refuseWhileSending());
        QCOMPARE(rig.refusals.size(), 1);
        QCOMPARE(rig.refusals[0].kind, SendRefusal::Kind::Busy);
        QCOMPARE(rig.sender.profile().busyText, text); // what the box shows for it
        QCOMPARE(rig.sender.profile().busyTitle, title);
        QVERIFY(rig.port.isOpen()); // the running transfer is left alone
        QCOMPARE(rig.port.openCount(), 1);
        rig.sender.cancel();
        QVERIFY(!rig.port.isOpen());
    }

    void shouldReportAPortThatCannotBeOpened_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("hint");
        QTest::newRow("permission") << int(SerialFailure::Kind::PermissionDenied) << "dialout";
        QTest::newRow("in use") << int(SerialFailure::Kind::InUse) << "Another program";
        QTest::newRow("gone") << int(SerialFailure::Kind::NoSuchPort) << "cable";
    }

    void shouldReportAPortThatCannotBeOpened()
    {
        QFETCH(int, kind);
        QFETCH(QString, hint);
        // The program's explainer (the port diagnosis) gets the failure as the control gave it.
        SendProfile profile = profileUpTo(32);
        profile.explainFailure = [hint, kind](const SerialFailure &failure) {
            return failure.kind == SerialFailure::Kind(kind) && failure.device == u"/dev/ttyUSB0"
                ? QStringList {hint}
                : QStringList {};
        };
        Rig rig(profile);
        rig.port.setOpenFailure(
            {SerialFailure::Kind(kind), QStringLiteral("/dev/ttyUSB0"), QStringLiteral("Permission denied")});
        MessageBank bank = smallBank();
        const MessageBank before = bank;
        QVERIFY(!rig.sender.startTransfer(bank, MessageSettingsList {}));
        QCOMPARE(rig.refusals.size(), 1);
        QCOMPARE(rig.refusals[0].kind, SendRefusal::Kind::PortInUse);
        QCOMPARE(rig.refusals[0].failure.kind, SerialFailure::Kind(kind));
        QCOMPARE(rig.refusals[0].explanation.join(QStringLiteral("\n\n")),
                 QStringLiteral("/dev/ttyUSB0: Permission denied\n\n") + hint);
        QVERIFY(rig.port.writes().isEmpty());
        QVERIFY(!rig.port.isOpen());
        QCOMPARE(bank, before);
    }

    void shouldAddTheExplanationToTheFailuresOwnWords_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("why");
        QTest::addColumn<QString>("detail");
        QTest::newRow("device and reason") << "/dev/ttyUSB0"
                                           << "Permission denied"
                                           << ""
                                           << "/dev/ttyUSB0: Permission denied";
        QTest::newRow("no device") << ""
                                   << "COM3 is not a serial port on this machine"
                                   << ""
                                   << "COM3 is not a serial port on this machine";
        QTest::newRow("explained") << "/dev/ttyACM0"
                                   << "busy"
                                   << "minicom has it"
                                   << "/dev/ttyACM0: busy\n\nminicom has it";
        QTest::newRow("only the explanation") << ""
                                              << ""
                                              << "No serial device"
                                              << "No serial device";
    }

    void shouldAddTheExplanationToTheFailuresOwnWords()
    {
        QFETCH(QString, device);
        QFETCH(QString, reason);
        QFETCH(QString, why);
        QFETCH(QString, detail);
        const SerialFailure failure {SerialFailure::Kind::Other, device, reason};
        QCOMPARE(BadgeSender::portFailureDetail(failure,
                                                [&why](const SerialFailure &) { return QStringList {why}; }),
                 detail);
        if (why.isEmpty())
            QCOMPARE(BadgeSender::portFailureDetail(failure), detail);
    }

    void shouldReportAPortThatReadsClosedAfterOpening()
    {
        Rig rig(profileUpTo(16));
        rig.port.setOpenReadsClosed(true);
        MessageBank bank = smallBank();
        QVERIFY(!rig.sender.startTransfer(bank, MessageSettingsList {}));
        QCOMPARE(rig.refusals.size(), 1);
        QCOMPARE(rig.refusals[0].kind, SendRefusal::Kind::PortOpenFailed);
        QCOMPARE(rig.port.option9(), std::optional<bool>(false));
        QVERIFY(rig.port.writes().isEmpty());
        QCOMPARE(rig.port.calls().last().operation, FakeSerialControl::Operation::Close);
    }

    void shouldSendWithoutDtrOnlyWhereThereAreNoModemLines_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("sends");
        QTest::newRow("ENOTTY: no modem-control lines") << ENOTTY << true;
        QTest::newRow("EINVAL: no modem-control lines") << EINVAL << true;
        QTest::newRow("EIO: the device failed") << EIO << false;
        QTest::newRow("no errno") << 0 << false;
    }

    void shouldSendWithoutDtrOnlyWhereThereAreNoModemLines()
    {
        QFETCH(int, error);
        QFETCH(bool, sends);
        Rig rig(profileUpTo(32));
        rig.port.setOption9Failure({SerialFailure::Kind::Other, QStringLiteral("/dev/ttyUSB0"),
                                    QString::fromLocal8Bit(std::strerror(error)), error});
        MessageBank bank = smallBank();
        QCOMPARE(rig.sender.startTransfer(bank, MessageSettingsList {}), sends);
        if (sends) {
            QVERIFY(rig.refusals.isEmpty());
            QSignalSpy finished(&rig.sender, &BadgeSender::transferFinished);
            QVERIFY(finished.wait(test::SafetyNetMs));
            QCOMPARE(rig.port.written().size(), 689 + 12 * 512);
        } else {
            QCOMPARE(rig.refusals.size(), 1);
            QCOMPARE(rig.refusals[0].kind, SendRefusal::Kind::PortInUse);
            QVERIFY(rig.port.writes().isEmpty());
        }
        QTRY_VERIFY_WITH_TIMEOUT(!rig.port.isOpen(), test::SafetyNetMs);
    }

    void shouldSurviveItsOwnDestructionDuringATransfer()
    {
        FakeSerialControl port;
        port.setDrainRate(1200);
        RecordingProgress progress;
        auto sender = std::make_unique<BadgeSender>(port, progress, profileUpTo(32));
        MessageBank bank = smallBank();
        QVERIFY(sender->startTransfer(bank, MessageSettingsList {}));
        QTest::qWait(30);
        const qsizetype shown = progress.values.size();
        sender.reset();
        QVERIFY(!port.isOpen());
        QTest::qWait(60);
        QCOMPARE(progress.values.size(), shown);
    }

    void shouldProbePorts_data()
    {
        QTest::addColumn<QList<int>>("openable");
        QTest::addColumn<QStringList>("ports");
        QTest::addColumn<int>("highest");
        QTest::newRow("COM1 and COM2") << QList<int> {1, 2} << QStringList {"COM1", "COM2"} << 2;
        QTest::newRow("COM1 and COM5") << QList<int> {1, 5} << QStringList {"COM1", "COM5"} << 5;
        QTest::newRow("only COM2") << QList<int> {2} << QStringList {"COM2"} << 2;
        QTest::newRow("COM1 to COM3") << QList<int> {1, 2, 3} << QStringList {"COM1", "COM2", "COM3"} << 3;
        QTest::newRow("COM16 and COM17") << QList<int> {16, 17} << QStringList {"COM16"} << 16;
        QTest::newRow("none") << QList<int> {99} << QStringList {} << 0;
    }

    void shouldProbePorts()
    {
        QFETCH(QList<int>, openable);
        QFETCH(QStringList, ports);
        QFETCH(int, highest);
        FakeSerialControl port;
        port.setOpenablePorts(QSet<int>(openable.begin(), openable.end()));
        const ProbeResult probe = probePorts(port, 16);
        QCOMPARE(probe.ports, ports);
        QCOMPARE(probe.highest, highest);
        QVERIFY(!port.isOpen());
        QCOMPARE(port.portNumber(), 16);
    }

    void shouldNotListAPortThatOpensButReadsClosed()
    {
        FakeSerialControl port;
        port.setOpenReadsClosed(true);
        QVERIFY(probePorts(port, 32).ports.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstBadgeSender)
#include "tst_badgesender.moc"
