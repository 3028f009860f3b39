// Starts Scriptlume's window as the program does (its own message boxes, a settings file beside it)
// and quits through Exit.
#include "fakeserialcontrol.h"
#include "form1.h"
#include "messageboxprompt.h"
#include "testwaits.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace lume;

class TstScriptlumeSmoke : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void shouldStartAndQuit()
    {
        QTemporaryDir dir;
        const QString settings = dir.filePath(QStringLiteral("Scriptlume.ini"));
        FakeSerialControl serial;
        serial.setOpenablePorts({2});
        MessageBoxPrompt prompt;
        Form1 window({.port = serial, .prompt = prompt, .settingsPath = settings});
        prompt.setParentWidget(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Scriptlume Ver 2.20"));
        QTimer::singleShot(0, &window, [&window] { window.findChild<QPushButton *>("CmdExit")->click(); });
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), lume::test::SafetyNetMs);
        QVERIFY(QFile::exists(settings));
        QVERIFY(!serial.isOpen());
    }
};

QTEST_MAIN(TstScriptlumeSmoke)
#include "tst_scriptlume_smoke.moc"
