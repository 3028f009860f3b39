// Timings of Sketchlume's hot paths: one capture, Up Paste Text end to end, and start-up to the
// window shown with the port probe. Usage: bench_fontpicture [picture-file]
// With a picture file, also the time and peak memory of loading it.
#include "composer.h"
#include "drawingsurface.h"
#include "filedialogs.h"
#include "fontpicturewindow.h"
#include "pictureio.h"

#include "fakeserialcontrol.h"
#include "messagebank.h"
#include "qtserialcontrol.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWindow>

#include <algorithm>
#include <pty.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

using namespace lume;

namespace {

QTextStream out(stdout);

class SilentPrompt final : public UserPrompt
{
public:
    void notify(const QString &, const QString &, const QStringList &) override { }
    bool askYesNo(const QString &, const QString &) override { return true; }
};

class NoDialogs final : public FileDialogs
{
public:
    void chooseOpenFile(const QString &, const QString &, Done done) override { done({}); }
    void chooseSaveFile(const QString &, const QString &, Done done) override { done({}); }
};

struct Stats
{
    double median = 0;
    double best = 0;
};

Stats stats(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.front()};
}

void report(const char *what, const Stats &s, const char *unit, const char *goal = "")
{
    out << QStringLiteral("%1: median %2 %3, best %4 %3%5\n")
               .arg(QLatin1String(what))
               .arg(s.median, 0, 'f', 3)
               .arg(QLatin1String(unit))
               .arg(s.best, 0, 'f', 3)
               .arg(QLatin1String(goal));
    out.flush();
}

void benchCapture()
{
    DrawingSurface surface;
    surface.drawText(QStringLiteral("The quick brown fox jumps over the lazy dog 0123456789"),
                     QStringLiteral("DejaVu Sans"), 10, true, 0);
    MessageBank bank;
    std::vector<double> samples;
    for (int i = 0; i < 2000; ++i) {
        QElapsedTimer t;
        t.start();
        captureImage(surface.image(), bank, i % 8);
        samples.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    report("one capture (49,152 pixels)", stats(samples), "ms", " (goal < 1 ms)");
}

double startWindow(SerialControl &port, const QString &settings, std::unique_ptr<FontPictureWindow> &window,
                   SilentPrompt &prompt, NoDialogs &dialogs)
{
    QElapsedTimer t;
    t.start();
    window = std::make_unique<FontPictureWindow>(
        FontPictureDependencies {port, prompt, dialogs, settings, [](int) { return QString(); }});
    window->show();
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QCoreApplication::processEvents(); // the first paint
    return double(t.nsecsElapsed()) / 1e6;
}

void benchUpPasteText(FontPictureWindow &window)
{
    // A line as long as a badge message usually is, in a font every machine of the project has.
    window.findChild<QPlainTextEdit *>(QStringLiteral("TxtBox0"))
        ->setPlainText(QStringLiteral("The quick brown fox jumps over the lazy dog 0123456789"));
    window.findChild<QComboBox *>(QStringLiteral("FntName0"))->setCurrentText(QStringLiteral("DejaVu Sans"));
    auto *button = window.findChild<QPushButton *>(QStringLiteral("CmdUpText"));
    std::vector<double> samples;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer t;
        t.start();
        button->click();
        QCoreApplication::processEvents(); // the preview and meter repaint
        samples.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    report("Up Paste Text, end to end with repaint", stats(samples), "ms");
}

void benchStartUp()
{
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("Lumeset.ini"));
    SilentPrompt prompt;
    NoDialogs dialogs;
    std::unique_ptr<FontPictureWindow> window;

    // Two pseudo-terminals stand in for adapters: COM1 and COM2 open, COM3..COM32 have no device.
    int masters[2];
    int slaves[2];
    char names[2][64];
    QStringList devices;
    for (int i = 0; i < 2; ++i) {
        if (openpty(&masters[i], &slaves[i], names[i], nullptr, nullptr) != 0) {
            out << "openpty failed\n";
            return;
        }
        devices << QString::fromLocal8Bit(names[i]);
    }
    QtSerialControl realPort {fixedPorts(devices)};

    const double cold = startWindow(realPort, settings, window, prompt, dialogs);
    out << QStringLiteral("start-up to window shown, first in the process (font database, probe of 2 "
                          "pseudo-terminals + 30 missing ports): %1 ms (goal < 300 ms)\n")
               .arg(cold, 0, 'f', 1);
    benchUpPasteText(*window);
    window->close(); // writes the settings file, so that later starts also restore it
    window.reset();

    std::vector<double> samples;
    for (int i = 0; i < 10; ++i) {
        samples.push_back(startWindow(realPort, settings, window, prompt, dialogs));
        window.reset();
    }
    report("start-up to window shown, again (real serial control on pseudo-terminals)", stats(samples), "ms",
           " (goal < 300 ms)");

    FakeSerialControl fake;
    fake.setOpenablePorts({1, 5});
    samples.clear();
    for (int i = 0; i < 10; ++i) {
        samples.push_back(startWindow(fake, settings, window, prompt, dialogs));
        window.reset();
    }
    report("start-up to window shown, again (fake serial control)", stats(samples), "ms");
    for (int i = 0; i < 2; ++i) {
        ::close(masters[i]);
        ::close(slaves[i]);
    }
}

void benchPicture(const QString &path)
{
    QElapsedTimer t;
    t.start();
    const PictureLoad picture = loadPicture(path);
    const double ms = double(t.nsecsElapsed()) / 1e6;
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    out << QStringLiteral("load %1: %2 ms, %3, peak memory of the process %4 MB\n")
               .arg(path)
               .arg(ms, 0, 'f', 1)
               .arg(
                   picture.ok()
                       ? QStringLiteral("%1 x %2 kept").arg(picture.image.width()).arg(picture.image.height())
                       : picture.error)
               .arg(usage.ru_maxrss / 1024);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1) {
        benchPicture(QString::fromLocal8Bit(argv[1])); // first, so that the peak is the picture's
        return 0;
    }
    benchCapture();
    benchStartUp();
    return 0;
}
