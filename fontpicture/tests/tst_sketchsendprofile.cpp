#include "sketchsendprofile.h"

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

class TstSketchSendProfile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldListTheDirectionsInCodeOrder()
    {
        const QStringList expected {"From right to left", "From left to right", "From down to up",
                                    "From up to down", "Freeze show"};
        QCOMPARE(sketchDirections(), expected);
        QCOMPARE(sketchSendProfile().directions, expected);
    }

    void shouldCodeTheModeByteByItsOwnList_data()
    {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<bool>("flash");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<int>("mode");
        QTest::newRow("defaults") << "4" << false << "From right to left" << 0x30;
        QTest::newRow("speed 1") << "1" << false << "From right to left" << 0x00;
        QTest::newRow("speed 8 flash freeze") << "8" << true << "Freeze show" << 0x7C;
        QTest::newRow("flash") << "4" << true << "From left to right" << 0x39;
        QTest::newRow("down to up") << "2" << false << "From down to up" << 0x12;
        QTest::newRow("up to down") << "3" << false << "From up to down" << 0x23;
        QTest::newRow("Scriptlume's text") << "4" << false << "to Up" << 0x30;
        QTest::newRow("wrong case") << "4" << false << "from down to up" << 0x30;
    }

    void shouldCodeTheModeByteByItsOwnList()
    {
        QFETCH(QString, speed);
        QFETCH(bool, flash);
        QFETCH(QString, direction);
        QFETCH(int, mode);
        QCOMPARE(int(modeByte({speed, flash, direction}, sketchSendProfile().directions)), mode);
    }

    // The window's range is 0..19: 1 once the header has drained, 2 + r before row block r,
    // 13 + k before trailer write k, 0 at the end.
    void shouldShowTheProgressInTheWindowsRange()
    {
        const RecordingProgress progress = test::recordTransferProgress(sketchSendProfile().progress);
        QCOMPARE(progress.values, range(1, 19) << 0);
        QVERIFY(progress.ranges.isEmpty());
    }

    void shouldProbeAndAcceptCom1ToCom32_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("port"); // 0: refused
        QTest::newRow("COM1") << "COM1" << 1;
        QTest::newRow("COM16") << "COM16" << 16;
        QTest::newRow("COM20") << "COM20" << 20;
        QTest::newRow("COM32") << "COM32" << 32;
        QTest::newRow("COM33") << "COM33" << 0;
    }

    void shouldProbeAndAcceptCom1ToCom32()
    {
        QFETCH(QString, text);
        QFETCH(int, port);
        FakeSerialControl serial;
        const SendProfile profile = sketchSendProfile();
        const ProbeResult probe = probePorts(serial, profile.maxPort);
        QCOMPARE(probe.ports.size(), 32);
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
        BadgeSender sender(serial, progress, sketchSendProfile());
        showRefusalsOn(sender, prompt);
        MessageBank bank;
        bank.setWidth(0, 4);
        QVERIFY(sender.startTransfer(bank, {}));
        QVERIFY(sender.refuseWhileSending());
        QCOMPARE(prompt.boxes.size(), 1);
        QCOMPARE(prompt.boxes[0].text, QStringLiteral("Sending!"));
        QCOMPARE(prompt.boxes[0].title, QStringLiteral("Waits"));
        sender.cancel();
    }

    void shouldPreselectByTheHighestPort_data()
    {
        QTest::addColumn<QList<int>>("openable");
        QTest::addColumn<QString>("preselected");
        QTest::newRow("COM1 and COM2") << QList<int> {1, 2} << "COM1";
        QTest::newRow("COM1 and COM5") << QList<int> {1, 5} << "COM5";
        QTest::newRow("only COM2") << QList<int> {2} << "COM2";
        QTest::newRow("COM1 and COM3") << QList<int> {1, 3} << "COM3";
        QTest::newRow("COM1 to COM3") << QList<int> {1, 2, 3} << "COM3";
        QTest::newRow("COM1 and COM32") << QList<int> {1, 32} << "COM32";
        QTest::newRow("none") << QList<int> {99} << "";
    }

    void shouldPreselectByTheHighestPort()
    {
        QFETCH(QList<int>, openable);
        QFETCH(QString, preselected);
        FakeSerialControl serial;
        serial.setOpenablePorts(QSet<int>(openable.begin(), openable.end()));
        const SendProfile profile = sketchSendProfile();
        const ProbeResult probe = probePorts(serial, profile.maxPort);
        QCOMPARE(profile.preselect(probe), preselected);
        QCOMPARE(sketchPreselectedPort(probe), preselected);
    }
};

QTEST_GUILESS_MAIN(TstSketchSendProfile)
#include "tst_sketchsendprofile.moc"
