#include "scriptlumeprogram.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scriptlume"));
    QApplication::setApplicationVersion(QStringLiteral("2.20"));
    QApplication::setDesktopFileName(QStringLiteral("scriptlume"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("scriptlume")));

    lume::ScriptlumeProgram scriptlume;
    scriptlume.window().show();
    return app.exec();
}
