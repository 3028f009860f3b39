#pragma once

#include "sendcommandline.h"

#include "badgestream.h"
#include "messagebank.h"
#include "sketchsendprofile.h"

#include <QString>
#include <QStringList>

namespace lume {

// The list the composed directions are named from (either program's list codes the same).
[[nodiscard]] inline QStringList composedDirections()
{
    return sketchDirections();
}

// The eight messages as the programs would have made them, ready for the stream builder.
struct Composition
{
    MessageBank bank;
    MessageSettingsList settings; // directions as Sketchlume's list entries
    BadgeStream stream; // built once from the two above, when everything was composed
    QString error; // one line; empty when everything was composed
    int errorStatus = SendExitFailed; // the exit status that goes with the error
    QStringList warnings; // what the badge will not show, one line per message and kind
    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

// The folders the dot-font files are taken from: --font-dir, else where Scriptlume looks.
[[nodiscard]] QStringList fontSearchDirs(const SendRequest &request);

// Pictures through Sketchlume's "Load Picture", screen texts through its "Up Paste Text", dot-font
// texts through Scriptlume's bank preparation. The font files are read only when a dot-font text
// has characters. Screen texts need a QGuiApplication. The warnings say what of it the badge will
// not show.
[[nodiscard]] Composition composeMessages(const SendRequest &request);

// Builds the composition's stream from its bank and settings.
void buildStream(Composition &composition);

} // namespace lume
