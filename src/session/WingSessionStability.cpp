// SPDX-License-Identifier: GPL-3.0-or-later
// The session's neutral point: always worked out afresh from the wing's last valid results, so it
// can never lag behind a recalculated wing.
#include "session/WingSession.h"

StabilityReport WingSession::calculateStability() const {
    if (!hasValidResults_)
        return {StabilityOutcome::WingNotCalculated, {}};
    if (!stability_.exists())
        return {StabilityOutcome::LayoutNotChosen, {}};
    return ::calculateStability(stability_.fields(), planform_, results_, decimalSeparator_);
}

std::optional<StabilityResults> WingSession::stabilityResults() const {
    if (!stability_.exists())
        return std::nullopt;
    const StabilityReport report = calculateStability();
    if (report.outcome != StabilityOutcome::Ok)
        return std::nullopt;
    return report.results;
}

std::optional<double> WingSession::neutralPoint() const {
    const std::optional<StabilityResults> results = stabilityResults();
    if (!results)
        return std::nullopt;
    return results->neutralPoint;
}
