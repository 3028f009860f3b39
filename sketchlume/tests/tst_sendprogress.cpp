#include "windowrig.h"

#include "progresstimeline.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

using namespace lume;
using test::ProgressTimeline;

// Sketchlume's progress bar through one whole Send over a line that drains at 1200 baud: the
// range 0..19 from the start, 1 once the header has drained, 2 + r before row block r, 13 + k
// before trailer write k, and 0 at the end.
class TstSketchSendProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldFollowTheTransferStepByStep()
    {
        test::WindowRig rig;
        rig.start();
        ProgressTimeline timeline(rig.child<QProgressBar>(QStringLiteral("ProgressBar1")), rig.port);
        rig.child<QPlainTextEdit>(QStringLiteral("TxtBox0"))->setPlainText(QStringLiteral("Hi"));
        rig.child<QPushButton>(QStringLiteral("CmdUpText"))->click();
        rig.port.setDrainRate(SerialControl::BadgeLineBytesPerSecond);
        rig.child<QPushButton>(QStringLiteral("CmdSend"))->click();
        QVERIFY(rig.port.isOpen());
        QTRY_VERIFY_WITH_TIMEOUT(!rig.port.isOpen(), 120000);
        QVERIFY(rig.prompt.boxes.isEmpty());
        QCOMPARE(rig.port.writes().size(), 2 + 12 + 6);
        const int n = int(rig.port.writes()[2].size());
        QVERIFY(n >= 1);

        QStringList expected {ProgressTimeline::at(QStringLiteral("start"), 0, 19, 0),
                              ProgressTimeline::write(5, 0, 19, 0), ProgressTimeline::write(42, 0, 19, 0),
                              ProgressTimeline::value(1)};
        for (int r = 0; r < 12; ++r)
            expected << ProgressTimeline::value(2 + r) << ProgressTimeline::write(n, 0, 19, 2 + r);
        for (int k = 1; k <= 6; ++k)
            expected << ProgressTimeline::value(13 + k) << ProgressTimeline::write(107, 0, 19, 13 + k);
        expected << ProgressTimeline::value(0);
        QCOMPARE(timeline.events(), expected);
    }
};

QTEST_MAIN(TstSketchSendProgress)
#include "tst_sendprogress.moc"
