#include "programoptions.h"
#include "sketchlumeprogram.h"
#include "uitranslations.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    if (const auto status = lume::answerCommandLine(
            argc, argv,
            {"Sketchlume", "2.00",
             "Composes the messages of an LED name badge from text or pictures and sends them."}))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sketchlume"));
    QApplication::setApplicationVersion(QStringLiteral("2.00"));
    QApplication::setDesktopFileName(QStringLiteral("sketchlume"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("sketchlume")));
    const lume::UiTranslations translations(lume::LocaleEnvironment::current());

    lume::SketchlumeProgram sketchlume;
    sketchlume.window().show();
    return app.exec();
}
