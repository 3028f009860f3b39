#include "windowrig.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

using namespace lume;

// Starts the whole window as the program does, on screen (offscreen), and quits through Exit.
class TstSketchlumeSmoke : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldStartAndQuit()
    {
        test::WindowRig rig;
        rig.port.setOpenablePorts({3});
        FontPictureWindow &window = rig.start();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTimer::singleShot(0, &window, [&rig] { rig.child<QPushButton>("CmdExit")->click(); });
        QApplication::setQuitOnLastWindowClosed(true);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!window.isVisible());
        QVERIFY(QFile::exists(rig.settingsPath()));
        QVERIFY(rig.prompt.boxes.isEmpty());
    }
};

QTEST_MAIN(TstSketchlumeSmoke)
#include "tst_sketchlume_smoke.moc"
