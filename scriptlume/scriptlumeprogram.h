#pragma once

#include "form1.h"

#include "messageboxprompt.h"
#include "portdirectory.h"
#include "qtserialcontrol.h"

#include <memory>

namespace lume {

// Scriptlume as the program runs it: the window on the machine's serial ports, a port that does
// not open explained from the system's side, message boxes on the window, the dot-font files where
// the program looks for them, and the settings file where the program keeps it.
class ScriptlumeProgram
{
public:
    // The settings file: Scriptlume.ini beside the program, or where the settings functions put it.
    // The texts' language (UiTranslations) picks the dot-font language of a first start.
    explicit ScriptlumeProgram(const QString &settingsPath = defaultSettingsPath(),
                               const QString &uiLanguage = {});
    ScriptlumeProgram(const ScriptlumeProgram &) = delete;
    ScriptlumeProgram &operator=(const ScriptlumeProgram &) = delete;

    [[nodiscard]] Form1 &window() { return *m_window; }
    // The open port is the sign of a transfer.
    [[nodiscard]] const SerialControl &port() const { return m_port; }

    [[nodiscard]] static QString defaultSettingsPath();

private:
    PortDirectory m_ports;
    QtSerialControl m_port; // resolves through m_ports
    MessageBoxPrompt m_prompt;
    std::unique_ptr<Form1> m_window;
};

} // namespace lume
