#include "scriptlumeprogram.h"

#include "portdiagnosis.h"
#include "settingslocation.h"

#include <QCoreApplication>

namespace lume {

ScriptlumeProgram::ScriptlumeProgram(const QString &settingsPath, const QString &uiLanguage)
    : m_ports(PortDirectory::system())
    , m_port(systemPorts(m_ports))
{
    m_window = std::make_unique<Form1>(Form1Dependencies {
        .port = m_port,
        .prompt = m_prompt,
        .settingsPath = settingsPath,
        .fontSearchDirs = {},
        .portDevice = [this](int comNumber) { return m_ports.toolTip(comNumber); },
        .listPorts =
            [this] {
                m_ports.refresh();
                return m_ports.toolTips();
            },
        .explainFailure = PortDiagnostics::systemExplainer(),
        .uiLanguage = uiLanguage,
    });
    m_prompt.setParentWidget(m_window.get());
}

QString ScriptlumeProgram::defaultSettingsPath()
{
    return settingsFilePath(QCoreApplication::applicationDirPath(),
                            QString::fromLatin1(ScriptSettings::FileName));
}

} // namespace lume
