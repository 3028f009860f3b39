#pragma once

#include "badgesender.h"

#include <QString>
#include <QStringList>

namespace lume {

// Sketchlume's Send command: COM1 to COM32, "Sending!" titled "Waits" while a transfer runs, its
// own direction list and progress values, and the port preselected by the highest probed number.
// explain: why a port does not open, as the machine tells it; empty: the failure's own words.
[[nodiscard]] SendProfile sketchSendProfile(FailureExplainer explain = {});
// "From right to left", "From left to right", "From down to up", "From up to down", "Freeze show".
[[nodiscard]] QStringList sketchDirections();
// The first entry when the highest port that opened is 2 or less, else the last.
[[nodiscard]] QString sketchPreselectedPort(const ProbeResult &probe);

} // namespace lume
