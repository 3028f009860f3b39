#include "fontpicture/filedialogs.h"
#include "fontpicture/fontpicturewindow.h"
#include "badgelink/windowkit/messageboxprompt.h"

#include "badgelink/portdirectory.h"
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

    lume::QtSerialControl port(lume::PortDirectory::system());
    lume::MessageBoxPrompt prompt;
    lume::QtFileDialogs dialogs;
    const QString settings =
        lume::settingsFilePath(QCoreApplication::applicationDirPath(), QStringLiteral("Lumeset.ini"));

    lume::FontPictureWindow window({port, prompt, dialogs, settings,
                                    [&port](int comNumber) { return port.directory().toolTip(comNumber); },
                                    [&port] {
                                        port.refreshPorts();
                                        return port.directory().toolTips();
                                    }});
    prompt.setParentWidget(&window);
    dialogs.setParentWidget(&window);
    window.show();
    return app.exec();
}
