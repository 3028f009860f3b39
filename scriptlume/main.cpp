#include "programoptions.h"
#include "scriptlumeprogram.h"
#include "uitranslations.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv)
{
    if (const auto status = lume::answerCommandLine(
            argc, argv,
            {"Scriptlume", "2.20",
             "Composes Chinese, Japanese or Korean messages for an LED name badge and sends them."}))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scriptlume"));
    QApplication::setApplicationVersion(QStringLiteral("2.20"));
    QApplication::setDesktopFileName(QStringLiteral("scriptlume"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("scriptlume")));
    const lume::UiTranslations translations(lume::LocaleEnvironment::current());

    lume::ScriptlumeProgram scriptlume(lume::ScriptlumeProgram::defaultSettingsPath(),
                                       translations.language());
    scriptlume.window().show();
    return app.exec();
}
