#include "sketchlumeprogram.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sketchlume"));
    QApplication::setApplicationVersion(QStringLiteral("2.00"));
    QApplication::setDesktopFileName(QStringLiteral("sketchlume"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("sketchlume")));

    lume::SketchlumeProgram sketchlume;
    sketchlume.window().show();
    return app.exec();
}
