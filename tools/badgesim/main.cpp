#include "badgesimulator.h"
#include "badgewindow.h"
#include "signalwatcher.h"
#include "streamreplay.h"

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

// Whether a window can be shown. Qt aborts when its platform finds no display, so this is told
// before the application object is made; a platform named in QT_QPA_PLATFORM is the user's choice.
bool hasDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char **argv)
{
    // Before the application object exists, so that no thread of it can take these signals.
    lume::SignalWatcher::blockTerminationSignals();

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    lume::CommandLine line = lume::readCommandLine(arguments);
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

    // Without a display the run goes on as --no-window: the summary matters more than the window.
    lume::SimOptions &options = line.options;
    if (options.showsWindow() && !hasDisplay()) {
        std::fputs("badgesim: no display found (DISPLAY and WAYLAND_DISPLAY are not set); running as with "
                   "--no-window: the summary only, no window\n",
                   stderr);
        options.noWindow = true;
    }
    const bool window = options.showsWindow();
    // Headless runs need no display: a QGuiApplication works on the offscreen platform.
    if (!window && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QGuiApplication> app;
    if (window)
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QGuiApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("badgesim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUME_VERSION));

    if (!options.replayFiles.isEmpty())
        return replay(options, window);

    lume::BadgeSimulator simulator(options);
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
        badge = std::make_unique<lume::BadgeWindow>(options.columns, simulator.devicePath());
        QObject::connect(&simulator, &lume::BadgeSimulator::streamDecoded, badge.get(),
                         &lume::BadgeWindow::showStream);
        badge->show();
    }
    app->exec();
    // Closing the window ends the run like a signal does: what is pending is reported.
    simulator.stop();
    return simulator.exitCode();
}
