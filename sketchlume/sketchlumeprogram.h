#pragma once

#include "filedialogs.h"
#include "fontpicturewindow.h"

#include "messageboxprompt.h"
#include "portdirectory.h"
#include "qtserialcontrol.h"

#include <memory>

namespace lume {

// Sketchlume as the program runs it: the window on the machine's serial ports, a port that does
// not open explained from the system's side, message boxes and file dialogs on the window, and the
// settings file where the program keeps it.
class SketchlumeProgram
{
public:
    // The settings file: Lumeset.ini beside the program, or where the settings functions put it.
    explicit SketchlumeProgram(const QString &settingsPath = defaultSettingsPath());
    SketchlumeProgram(const SketchlumeProgram &) = delete;
    SketchlumeProgram &operator=(const SketchlumeProgram &) = delete;

    [[nodiscard]] FontPictureWindow &window() { return *m_window; }
    // The open port is the sign of a transfer.
    [[nodiscard]] const SerialControl &port() const { return m_port; }

    [[nodiscard]] static QString defaultSettingsPath();

private:
    PortDirectory m_ports;
    QtSerialControl m_port; // resolves through m_ports
    MessageBoxPrompt m_prompt;
    QtFileDialogs m_dialogs;
    std::unique_ptr<FontPictureWindow> m_window;
};

} // namespace lume
