#include "badgesender.h"
#include "form1.h"
#include "portdiagnosis.h"
#include "portdirectory.h"
#include "programoptions.h"
#include "qtserialcontrol.h"
#include "settingslocation.h"
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

    lume::PortDirectory ports = lume::PortDirectory::system();
    lume::QtSerialControl serial(lume::systemPorts(ports));
    lume::BadgeSender::setFailureExplainer(lume::PortDiagnostics::systemExplainer());
    lume::Form1 window({
        .serial = serial,
        .prompt = nullptr,
        .settingsPath = lume::settingsFilePath(QCoreApplication::applicationDirPath(),
                                               QString::fromLatin1(lume::ScriptSettings::FileName)),
        .fontSearchDirs = {},
        .portDevice = [&ports](int comNumber) { return ports.toolTip(comNumber); },
        .listPorts =
            [&ports] {
                ports.refresh();
                return ports.toolTips();
            },
        .uiLanguage = translations.language(),
    });
    window.show();
    return app.exec();
}
