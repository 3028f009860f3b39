#include "sendcontroller.h"

#include "fakeserialcontrol.h"
#include "testsupport.h"
#include "testwaits.h"

#include <QProgressBar>
#include <QTest>

using namespace lume;

namespace {

const SendTexts Texts {QStringLiteral("Nothing!"), QStringLiteral("Note"), QStringLiteral("Exit?"),
                       QStringLiteral("Warning")};

// What a program hands in: its highest port, its busy message, its directions and progress steps
// (the last trailer write shows 18).
SendProfile profile()
{
    SendProfile profile;
    profile.progress.valueAfterHeader = 1;
    profile.progress.rowBase = 2;
    profile.progress.trailerBase = 13;
    profile.maxPort = 32;
    profile.busyText = QStringLiteral("Sending!");
    profile.busyTitle = QStringLiteral("Waits");
    profile.directions = test::LongDirections;
    return profile;
}

struct Rig
{
    FakeSerialControl port;
    test::RecordingPrompt prompt;
    QProgressBar bar;
    SendController controller {&bar, prompt, port, profile(), Texts};
    MessageBank bank;
    int prepared = 0;

    Rig()
    {
        port.setOpenablePorts({1});
        bank.setWidth(0, 4);
    }
    bool send(const QString &portText, bool hasData = true, bool prepareOk = true)
    {
        return controller.send(bank, portText,
                               {[hasData] { return hasData; },
                                [this, prepareOk] {
                                    ++prepared;
                                    return prepareOk;
                                },
                                [] { return MessageSettingsList {}; }});
    }
    QStringList titles() const
    {
        QStringList out;
        for (const auto &box : prompt.boxes)
            out << box.title;
        return out;
    }
};

} // namespace

class TstSendController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldGuardTheSendInItsOrder_data()
    {
        QTest::addColumn<QString>("portText");
        QTest::addColumn<bool>("hasData");
        QTest::addColumn<bool>("prepareOk");
        QTest::addColumn<QString>("message"); // the one box shown, if any
        QTest::addColumn<int>("prepared");
        QTest::addColumn<bool>("sending");
        QTest::newRow("nothing to send") << "COM1" << false << true << "Nothing!" << 0 << false;
        QTest::newRow("port text no port")
            << "COM99" << true << true << "Set Port Number Error!" << 0 << false;
        QTest::newRow("preparation refuses") << "COM1" << true << false << "" << 1 << false;
        QTest::newRow("sends") << "COM1" << true << true << "" << 1 << true;
    }

    void shouldGuardTheSendInItsOrder()
    {
        QFETCH(QString, portText);
        QFETCH(bool, hasData);
        QFETCH(bool, prepareOk);
        QFETCH(QString, message);
        QFETCH(int, prepared);
        QFETCH(bool, sending);
        Rig rig;
        rig.port.setNeverDrains(true);
        QCOMPARE(rig.send(portText, hasData, prepareOk), sending);
        QCOMPARE(rig.prompt.boxes.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(rig.prompt.boxes.first().text, message);
        QCOMPARE(rig.prepared, prepared);
        QCOMPARE(rig.controller.isSending(), sending);
        QCOMPARE(rig.port.isOpen(), sending);
    }

    void shouldRefuseASecondSendWhileSending()
    {
        Rig rig;
        rig.port.setNeverDrains(true);
        QVERIFY(rig.send(QStringLiteral("COM1")));
        QVERIFY(!rig.send(QStringLiteral("COM1")));
        QCOMPARE(rig.prepared, 1);
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes.first().text, profile().busyText);
        QVERIFY(rig.controller.refuseWhileSending());
    }

    void shouldAskBeforeClosingDuringATransfer_data()
    {
        QTest::addColumn<bool>("sending");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("idle") << false << false << true;
        QTest::newRow("sending, No") << true << false << false;
        QTest::newRow("sending, Yes") << true << true << true;
    }

    void shouldAskBeforeClosingDuringATransfer()
    {
        QFETCH(bool, sending);
        QFETCH(bool, answer);
        QFETCH(bool, closes);
        Rig rig;
        rig.port.setNeverDrains(true);
        if (sending)
            QVERIFY(rig.send(QStringLiteral("COM1")));
        rig.prompt.answer = answer;
        int stored = 0;
        QCOMPARE(rig.controller.allowClose([&] { ++stored; }), closes);
        QCOMPARE(stored, 1); // whatever the answer
        QCOMPARE(rig.titles(), sending ? QStringList {"Warning"} : QStringList {});
        if (sending)
            QCOMPARE(rig.prompt.boxes.first().text, QStringLiteral("Exit?"));
        QCOMPARE(rig.controller.isSending(), sending && !answer);
        QCOMPARE(rig.port.isOpen(), sending && !answer);
    }

    void shouldAdvanceTheBarItIsGiven()
    {
        Rig rig;
        rig.bar.setRange(0, 19);
        QList<int> values;
        connect(&rig.bar, &QProgressBar::valueChanged, this, [&values](int value) { values << value; });
        QVERIFY(rig.send(QStringLiteral("COM1")));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.controller.isSending(), lume::test::SafetyNetMs);
        QVERIFY(values.contains(18));
    }
};

QTEST_MAIN(TstSendController)
#include "tst_sendcontroller.moc"
