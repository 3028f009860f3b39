#include "fontpicture/filedialogs.h"
#include "fontpicture/fontpicturewindow.h"
#include "badgelink/windowkit/messageboxprompt.h"

#include "badgelink/badgesender.h"
#include "badgelink/ports/portdiagnosis.h"
#include "badgelink/ports/portdirectory.h"
#include "badgelink/qtserialcontrol.h"
#include "platform/profilefile.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sketchlume"));
    QApplication::setApplicationVersion(QStringLiteral("2.00"));
    QApplication::setDesktopFileName(QStringLiteral("sketchlume"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("sketchlume")));

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
