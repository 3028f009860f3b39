#include "form1.h"

#include "fakeserialcontrol.h"
#include "progresstimeline.h"
#include "testsupport.h"

#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lume;
using test::ProgressTimeline;

namespace {

// Dot-font files of the right sizes; what a glyph looks like does not matter here.
void writeFonts(const QString &dir)
{
    for (const auto &[name, size] : {std::pair {"ASC12", 256 * 12}, std::pair {"HZK12", 126 * 191 * 24}}) {
        QFile file(dir + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(QByteArray(size, '\x5a')), qint64(size));
    }
}

} // namespace

// Scriptlume's progress bar through one whole Send over a line that drains at 1200 baud: untouched
// until the header has drained, then the range 0..17 with r before row block r, 11 + k before
// trailer write k, and 0 at the end.
class TstScriptSendProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldFollowTheTransferStepByStep()
    {
        QTemporaryDir dir;
        writeFonts(dir.path());
        FakeSerialControl serial;
        serial.setOpenablePorts({1});
        test::RecordingPrompt prompt;
        auto window = std::make_unique<Form1>(Form1Dependencies {
            .port = serial,
            .prompt = prompt,
            .settingsPath = dir.filePath(QStringLiteral("Scriptlume.ini")),
            .fontSearchDirs = {dir.path()},
        });
        ProgressTimeline timeline(window->findChild<QProgressBar *>(QStringLiteral("ProgressBar1")), serial);
        for (int m = 1; m < 8; ++m)
            window->findChild<QLineEdit *>(QStringLiteral("TxtMsg%1").arg(m))->clear();
        serial.setDrainRate(SerialControl::BadgeLineBytesPerSecond);
        window->findChild<QPushButton *>(QStringLiteral("CmdSend"))->click();
        QVERIFY(serial.isOpen());
        QTRY_VERIFY_WITH_TIMEOUT(!serial.isOpen(), 120000);
        QVERIFY(prompt.boxes.isEmpty());
        QCOMPARE(serial.writes().size(), 2 + 12 + 6);
        const int n = int(serial.writes()[2].size());
        QVERIFY(n >= 1);

        QStringList expected {ProgressTimeline::at(QStringLiteral("start"), 0, 100, 0),
                              ProgressTimeline::write(5, 0, 100, 0), ProgressTimeline::write(42, 0, 100, 0)};
        for (int r = 0; r < 12; ++r) {
            if (r > 0)
                expected << ProgressTimeline::value(r); // 0 is what the bar already shows
            expected << ProgressTimeline::write(n, 0, 17, r);
        }
        for (int k = 1; k <= 6; ++k)
            expected << ProgressTimeline::value(11 + k) << ProgressTimeline::write(107, 0, 17, 11 + k);
        expected << ProgressTimeline::value(0);
        QCOMPARE(timeline.events(), expected);
    }
};

QTEST_MAIN(TstScriptSendProgress)
#include "tst_sendprogress.moc"
