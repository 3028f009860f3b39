#include "sketchsendprofile.h"

#include <QCoreApplication>

#include <utility>

namespace lume {

SendProfile sketchSendProfile(FailureExplainer explain)
{
    // The window sets the range 0..19 itself: 1 once the header has drained, 2 + r before row
    // block r, 13 + k before trailer write k.
    ProgressSteps progress;
    progress.valueAfterHeader = 1;
    progress.rowBase = 2;
    progress.trailerBase = 13;
    SendProfile profile;
    profile.maxPort = 32;
    profile.busyText = QCoreApplication::translate("lume::SendProfile", "Sending!");
    profile.busyTitle = QCoreApplication::translate("lume::SendProfile", "Waits");
    profile.directions = sketchDirections();
    profile.progress = progress;
    profile.preselect = &sketchPreselectedPort;
    profile.explainFailure = std::move(explain);
    return profile;
}

QStringList sketchDirections()
{
    return {QStringLiteral("From right to left"), QStringLiteral("From left to right"),
            QStringLiteral("From down to up"), QStringLiteral("From up to down"),
            QStringLiteral("Freeze show")};
}

QString sketchPreselectedPort(const ProbeResult &probe)
{
    if (probe.ports.isEmpty())
        return {};
    return probe.highest <= 2 ? probe.ports.first() : probe.ports.last();
}

} // namespace lume
