#include "tools/badgesim/badgesimulator.h"
#include "tools/badgesim/badgewindow.h"
#include "tools/badgesim/signalwatcher.h"
#include "tools/badgesim/streamreplay.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

// Saved streams instead of the line: the summary and pictures at once, then the window, if any,
// plays them until it is closed.
int replay(const lume::SimOptions &options, bool window)
{
    if (!options.pngDir.isEmpty() && !QDir().mkpath(options.pngDir)) {
        std::fprintf(stderr, "badgesim: cannot create the directory %s\n", qPrintable(options.pngDir));
        return lume::ExitUsage;
    }
    const lume::ReplayResult result =
        lume::replayStreamFiles(options.replayFiles, options.pngDir, stdout, stderr);
    if (!window || result.streams.isEmpty())
        return result.exitCode;
    lume::BadgeWindow badge(options.columns, result.streams.first().file);
    lume::ReplayRotation rotation(badge, result.streams);
    lume::SignalWatcher watcher; // the signals are blocked: they end the run through the event loop
    QObject::connect(&watcher, &lume::SignalWatcher::terminationRequested, &badge, &QWidget::close);
    badge.show();
    QCoreApplication::exec();
    return result.exitCode;
}

} // namespace

int main(int argc, char **argv)
{
    // Before the application object exists, so that no thread of it can take these signals.
    lume::SignalWatcher::blockTerminationSignals();

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const lume::CommandLine line = lume::readCommandLine(arguments);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(line.error));
        return lume::ExitUsage;
    }
    if (line.help) {
        std::fputs(qPrintable(lume::helpText()), stdout);
        return lume::ExitOk;
    }
    if (line.version) {
        std::printf("badgesim %s\n", LUME_VERSION);
        return lume::ExitOk;
    }

    // Headless runs need no display: a QGuiApplication works on the offscreen platform.
    const bool window = line.options.showsWindow();
    // A headless run needs no display, so it must not fail for want of one.
    if (!window && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QGuiApplication> app;
    if (window)
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QGuiApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("badgesim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUME_VERSION));

    if (!line.options.replayFiles.isEmpty())
        return replay(line.options, window);

    lume::BadgeSimulator simulator(line.options);
    lume::SignalWatcher watcher;
    QObject::connect(&watcher, &lume::SignalWatcher::terminationRequested, &simulator,
                     &lume::BadgeSimulator::stop);
    QObject::connect(&simulator, &lume::BadgeSimulator::finished, app.get(),
                     [](int exitCode) { QCoreApplication::exit(exitCode); });
    if (!simulator.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(simulator.errorString()));
        return lume::ExitUsage;
    }

    std::unique_ptr<lume::BadgeWindow> badge;
    if (window) {
        badge = std::make_unique<lume::BadgeWindow>(line.options.columns, simulator.devicePath());
        QObject::connect(&simulator, &lume::BadgeSimulator::streamDecoded, badge.get(),
                         &lume::BadgeWindow::showStream);
        badge->show();
    }
    app->exec();
    // Closing the window ends the run like a signal does: what is pending is reported.
    simulator.stop();
    return simulator.exitCode();
}
