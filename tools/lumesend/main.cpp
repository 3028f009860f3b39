#include "sendcommandline.h"
#include "sendprogram.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const lume::SendCommandLine line = lume::readSendCommandLine(arguments);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(line.error));
        return lume::SendExitUsage;
    }
    QCoreApplication::setApplicationName(QStringLiteral("lumesend"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUME_VERSION));
    if (line.action == lume::SendCommandLine::Action::Help ||
        line.action == lume::SendCommandLine::Action::Version)
        return lume::runSendCommand(line);

    // Screen fonts need a GUI application, which needs no display on the offscreen platform;
    // everything else starts faster without one.
    std::unique_ptr<QCoreApplication> app;
    if (line.needsScreenFonts()) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return lume::runSendCommand(line);
}
