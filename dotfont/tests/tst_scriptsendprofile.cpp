#include "scriptsendprofile.h"

#include "fakeserialcontrol.h"
#include "refusaltext.h"
#include "testsupport.h"

#include <QTest>

using namespace lume;
using lume::test::RecordingProgress;
using lume::test::RecordingPrompt;

namespace {

QList<int> range(int from, int to)
{
    QList<int> values;
    for (int v = from; v <= to; ++v)
        values << v;
    return values;
}

} // namespace

class TstScriptSendProfile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldListTheDirectionsInCodeOrder()
    {
        const QStringList expected {"to Left", "to Right", "to Up", "to Down", "Freeze"};
        QCOMPARE(scriptDirections(), expected);
        QCOMPARE(scriptSendProfile().directions, expected);
    }

    void shouldCodeTheModeByteByItsOwnList_data()
    {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<bool>("flash");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<int>("mode");
        QTest::newRow("to Left") << "4" << false << "to Left" << 0x30;
        QTest::newRow("to Right") << "1" << true << "to Right" << 0x09;
        QTest::newRow("to Up") << "4" << false << "to Up" << 0x32;
        QTest::newRow("to Down") << "7" << false << "to Down" << 0x63;
        QTest::newRow("Freeze") << "5" << true << "Freeze" << 0x4C;
        QTest::newRow("trailing blank") << "4" << false << "to Down " << 0x30;
        QTest::newRow("Sketchlume's text") << "4" << false << "From down to up" << 0x30;
        QTest::newRow("wrong case") << "4" << false << "to up" << 0x30;
    }

    void shouldCodeTheModeByteByItsOwnList()
    {
        QFETCH(QString, speed);
        QFETCH(bool, flash);
        QFETCH(QString, direction);
        QFETCH(int, mode);
        QCOMPARE(int(modeByte({speed, flash, direction}, scriptSendProfile().directions)), mode);
    }

    // The range becomes 0..17 once the header has drained: r before row block r, 11 + k before
    // trailer write k, 0 at the end.
    void shouldSetTheRangeAndShowTheProgress()
    {
        const RecordingProgress progress = test::recordTransferProgress(scriptSendProfile().progress);
        QCOMPARE(progress.values, range(0, 17) << 0);
        QCOMPARE(progress.ranges, (QList<QPair<int, int>> {{0, 17}}));
    }

    void shouldProbeAndAcceptCom1ToCom16_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("port"); // 0: refused
        QTest::newRow("COM1") << "COM1" << 1;
        QTest::newRow("COM16") << "COM16" << 16;
        QTest::newRow("COM17") << "COM17" << 0;
        QTest::newRow("COM20") << "COM20" << 0;
        QTest::newRow("COM32") << "COM32" << 0;
    }

    void shouldProbeAndAcceptCom1ToCom16()
    {
        QFETCH(QString, text);
        QFETCH(int, port);
        FakeSerialControl serial;
        const SendProfile profile = scriptSendProfile();
        const ProbeResult probe = probePorts(serial, profile.maxPort);
        QCOMPARE(probe.ports.size(), 16);
        QCOMPARE(probe.ports.contains(text), port != 0);
        RecordingPrompt prompt;
        RecordingProgress progress;
        BadgeSender sender(serial, progress, profile);
        showRefusalsOn(sender, prompt);
        QCOMPARE(sender.readComSet(text), port != 0);
        if (port)
            QCOMPARE(serial.portNumber(), port);
        else
            QCOMPARE(prompt.boxes.size(), 1);
    }

    void shouldRefuseASecondSendWithItsBusyMessage()
    {
        FakeSerialControl serial;
        serial.setNeverDrains(true);
        RecordingPrompt prompt;
        RecordingProgress progress;
        BadgeSender sender(serial, progress, scriptSendProfile());
        showRefusalsOn(sender, prompt);
        MessageBank bank;
        bank.setWidth(0, 4);
        QVERIFY(sender.startTransfer(bank, {}));
        QVERIFY(sender.refuseWhileSending());
        QCOMPARE(prompt.boxes.size(), 1);
        QCOMPARE(prompt.boxes[0].text, QStringLiteral("Sending..."));
        QCOMPARE(prompt.boxes[0].title, QStringLiteral("Waiting"));
        sender.cancel();
    }

    void shouldPreselectByTheNumberOfPorts_data()
    {
        QTest::addColumn<QList<int>>("openable");
        QTest::addColumn<QString>("preselected");
        QTest::newRow("COM1 and COM2") << QList<int> {1, 2} << "COM1";
        QTest::newRow("COM1 and COM5") << QList<int> {1, 5} << "COM1";
        QTest::newRow("only COM2") << QList<int> {2} << "COM2";
        QTest::newRow("COM1 and COM3") << QList<int> {1, 3} << "COM1";
        QTest::newRow("COM1 to COM3") << QList<int> {1, 2, 3} << "COM3";
        QTest::newRow("COM16 and COM17") << QList<int> {16, 17} << "COM16";
        QTest::newRow("none") << QList<int> {99} << "";
    }

    void shouldPreselectByTheNumberOfPorts()
    {
        QFETCH(QList<int>, openable);
        QFETCH(QString, preselected);
        FakeSerialControl serial;
        serial.setOpenablePorts(QSet<int>(openable.begin(), openable.end()));
        const SendProfile profile = scriptSendProfile();
        const ProbeResult probe = probePorts(serial, profile.maxPort);
        QCOMPARE(profile.preselect(probe), preselected);
        QCOMPARE(scriptPreselectedPort(probe), preselected);
    }
};

QTEST_GUILESS_MAIN(TstScriptSendProfile)
#include "tst_scriptsendprofile.moc"
