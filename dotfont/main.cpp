#include "badgelink/portdirectory.h"
#include "badgelink/qtserialcontrol.h"
#include "form1.h"
#include "platform/profilefile.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scriptlume"));
    QApplication::setApplicationVersion(QStringLiteral("2.20"));
    QApplication::setDesktopFileName(QStringLiteral("scriptlume"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("scriptlume")));

    lume::QtSerialControl serial(lume::PortDirectory::system());
    lume::Form1 window({
        .serial = serial,
        .prompt = nullptr,
        .settingsPath = lume::settingsFilePath(QCoreApplication::applicationDirPath(),
                                               QString::fromLatin1(lume::ScriptSettings::FileName)),
        .fontSearchDirs = {},
        .portDevice = [&serial](int comNumber) { return serial.directory().toolTip(comNumber); },
        .listPorts =
            [&serial] {
                serial.refreshPorts();
                return serial.directory().toolTips();
            },
    });
    window.show();
    return app.exec();
}
