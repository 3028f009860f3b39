#include "sketchlumeprogram.h"

#include "portdiagnosis.h"
#include "settingslocation.h"

#include <QCoreApplication>

namespace lume {

SketchlumeProgram::SketchlumeProgram(const QString &settingsPath)
    : m_ports(PortDirectory::system())
    , m_port(systemPorts(m_ports))
{
    m_window = std::make_unique<FontPictureWindow>(FontPictureDependencies {
        .port = m_port,
        .prompt = m_prompt,
        .dialogs = m_dialogs,
        .settingsPath = settingsPath,
        .portDevice = [this](int comNumber) { return m_ports.toolTip(comNumber); },
        .listPorts =
            [this] {
                m_ports.refresh();
                return m_ports.toolTips();
            },
        .explainFailure = PortDiagnostics::systemExplainer(),
    });
    m_prompt.setParentWidget(m_window.get());
    m_dialogs.setParentWidget(m_window.get());
}

QString SketchlumeProgram::defaultSettingsPath()
{
    return settingsFilePath(QCoreApplication::applicationDirPath(), QStringLiteral("Lumeset.ini"));
}

} // namespace lume
