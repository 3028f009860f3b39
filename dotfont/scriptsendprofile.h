#pragma once

#include "badgesender.h"

#include <QString>
#include <QStringList>

namespace lume {

// Scriptlume's Send command: COM1 to COM16, "Sending..." titled "Waiting" while a transfer runs,
// its own direction list and progress values, and the port preselected by the number of entries.
// explain: why a port does not open, as the machine tells it; empty: the failure's own words.
[[nodiscard]] SendProfile scriptSendProfile(FailureExplainer explain = {});
// "to Left", "to Right", "to Up", "to Down", "Freeze".
[[nodiscard]] QStringList scriptDirections();
// The first entry when there are 2 entries or fewer, else the last.
[[nodiscard]] QString scriptPreselectedPort(const ProbeResult &probe);

} // namespace lume
