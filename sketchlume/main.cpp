#include "filedialogs.h"
#include "fontpicturewindow.h"
#include "messageboxprompt.h"

#include "badgesender.h"
#include "portdiagnosis.h"
#include "portdirectory.h"
#include "programoptions.h"
#include "qtserialcontrol.h"
#include "settingslocation.h"
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

    lume::PortDirectory ports = lume::PortDirectory::system();
    lume::QtSerialControl port(lume::systemPorts(ports));
    lume::BadgeSender::setFailureExplainer(lume::PortDiagnostics::systemExplainer());
    lume::MessageBoxPrompt prompt;
    lume::QtFileDialogs dialogs;
    const QString settings =
        lume::settingsFilePath(QCoreApplication::applicationDirPath(), QStringLiteral("Lumeset.ini"));

    lume::FontPictureWindow window({port, prompt, dialogs, settings,
                                    [&ports](int comNumber) { return ports.toolTip(comNumber); },
                                    [&ports] {
                                        ports.refresh();
                                        return ports.toolTips();
                                    }});
    prompt.setParentWidget(&window);
    dialogs.setParentWidget(&window);
    window.show();
    return app.exec();
}
