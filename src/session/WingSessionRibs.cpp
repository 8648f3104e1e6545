// SPDX-License-Identifier: GPL-3.0-or-later
// The session's ribs: always worked out afresh from the wing's last valid results, so they can
// never lag behind a recalculated wing.
#include "session/WingSession.h"

RibsReport WingSession::calculateRibs() const {
    if (!hasValidResults_)
        return {RibsOutcome::WingNotCalculated, {}, std::nullopt, {}};
    return ::calculateRibs(planform_, ribs_.definition(), units_.length);
}

std::vector<RibStation> WingSession::ribStations() const {
    if (!hasValidResults_ || !ribs_.exists())
        return {};
    const RibSettings& settings = ribs_.definition().settings;
    if (checkRibSettings(settings))
        return {};
    std::vector<RibStation> stations = ::ribStations(planform_, settings);
    if (static_cast<int>(stations.size()) > kMostRibs)
        return {};
    return stations;
}
