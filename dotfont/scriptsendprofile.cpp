#include "scriptsendprofile.h"

#include <QCoreApplication>

#include <utility>

namespace lume {

SendProfile scriptSendProfile(FailureExplainer explain)
{
    // The range becomes 0..17 once the header has drained: r before row block r, 11 + k before
    // trailer write k.
    ProgressSteps progress;
    progress.rangeAfterHeader = ProgressSteps::Range {0, 17};
    progress.rowBase = 0;
    progress.trailerBase = 11;
    SendProfile profile;
    profile.maxPort = 16;
    profile.busyText = QCoreApplication::translate("lume::SendProfile", "Sending...");
    profile.busyTitle = QCoreApplication::translate("lume::SendProfile", "Waiting");
    profile.directions = scriptDirections();
    profile.progress = progress;
    profile.preselect = &scriptPreselectedPort;
    profile.explainFailure = std::move(explain);
    return profile;
}

QStringList scriptDirections()
{
    return {QStringLiteral("to Left"), QStringLiteral("to Right"), QStringLiteral("to Up"),
            QStringLiteral("to Down"), QStringLiteral("Freeze")};
}

QString scriptPreselectedPort(const ProbeResult &probe)
{
    if (probe.ports.isEmpty())
        return {};
    return probe.ports.size() <= 2 ? probe.ports.first() : probe.ports.last();
}

} // namespace lume
