// Timing program, not a test: Scriptlume's start-up to the window on screen, from the constructor
// (restoring eight CJK messages from the settings file, applying the language, probing COM1..COM16)
// to the first paint and the start-up tick that draws the meter. The probe goes once through the fake
// serial control and once through the real one on three pseudo-terminals made here (COM4..COM16 map
// to no device); no other device is ever opened.
//   bench_scriptlume_startup [rounds]
#include "fakeserialcontrol.h"
#include "form1.h"
#include "messageboxprompt.h"
#include "profilefile.h"
#include "qtserialcontrol.h"
#include "scriptsettings.h"
#include "testpseudoterminal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

using namespace lume;

namespace {

// Notes the first paint of the window.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QElapsedTimer &clock)
        : m_clock(clock)
    { }
    qint64 firstPaintNs = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && firstPaintNs < 0)
            firstPaintNs = m_clock.nsecsElapsed();
        return QObject::eventFilter(watched, event);
    }

private:
    QElapsedTimer &m_clock;
};

struct Round
{
    double paintMs = 0;
    double tickMs = 0;
};

Round startOnce(SerialControl &serial, const QString &settingsPath)
{
    QElapsedTimer clock;
    PaintWatch watch(clock);
    clock.start();
    MessageBoxPrompt prompt;
    Form1 window({.port = serial, .prompt = prompt, .settingsPath = settingsPath});
    window.installEventFilter(&watch);
    QEventLoop loop;
    auto *timer1 = window.findChild<QTimer *>(QStringLiteral("Timer1"));
    qint64 tickNs = -1;
    QObject::connect(timer1, &QTimer::timeout, &loop, [&] {
        tickNs = clock.nsecsElapsed();
        loop.quit();
    });
    window.show();
    loop.exec();
    // The tick may come before the first paint on some platforms; wait for both.
    while (watch.firstPaintNs < 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return {double(watch.firstPaintNs) / 1e6, double(tickNs) / 1e6};
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 20;
    QTextStream out(stdout);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Scriptlume.ini"));
    ScriptSettings settings = ScriptSettings::defaults();
    for (int m = 0; m < 8; ++m)
        settings.messages[m].text = QStringLiteral("Message %1 ").arg(m + 1) + QString(60, QChar(0x4E2D + m));
    settings.language = QStringLiteral("Chinese (Traditional)");
    ProfileFile file(path);
    writeScriptSettings(file, settings);

    FakeSerialControl fake;
    fake.setOpenablePorts({1, 3, 5});
    const Round cold = startOnce(fake, path);
    out << "start-up to first paint, first window (font set-up included): " << cold.paintMs
        << " ms, meter tick " << cold.tickMs << " ms\n";

    const auto report = [&](const char *what, SerialControl &serial) {
        QList<double> paints;
        QList<double> ticks;
        for (int i = 0; i < rounds; ++i) {
            const Round warm = startOnce(serial, path);
            paints << warm.paintMs;
            ticks << warm.tickMs;
        }
        out << "start-up to first paint, " << what << ", median of " << rounds << ": " << median(paints)
            << " ms (max " << *std::max_element(paints.begin(), paints.end()) << "), meter tick "
            << median(ticks) << " ms (goal < 300 ms)\n";
        out.flush();
    };
    report("fake serial control", fake);

    test::PseudoTerminal ptys[3];
    QStringList devices;
    for (const test::PseudoTerminal &pty : ptys)
        devices << pty.slavePath();
    QtSerialControl real {fixedPorts(devices)};
    report("QtSerialControl on 3 pseudo-terminals", real);
    return 0;
}
