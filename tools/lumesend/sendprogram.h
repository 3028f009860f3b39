#pragma once

#include "sendcommandline.h"

#include "portdirectory.h"

#include <QString>
#include <QStringList>

namespace lume {

// "COMn  device  description" for every port of the directory, one a line; opens none of them.
[[nodiscard]] QStringList portListLines(const QList<PortEntry> &entries);

// Runs the command line's action; returns the exit status. Everything but --help and --version needs
// the application object. A send runs the event loop until the last byte has left the port.
[[nodiscard]] int runSendCommand(const SendCommandLine &line);

} // namespace lume
