// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StabilityJson.h"

#include "i18n/TextKeys.h"
#include "session/StabilityMessages.h"

namespace {

using Json = nlohmann::ordered_json;

Json errorJson(const std::string& message) {
    return {{"error", message}};
}

// Without a tail the values that describe one are null, not a misleading 0.
Json tailValue(const StabilityResults& r, double value) {
    return r.hasTail ? Json(value) : Json(nullptr);
}

Json resultsJson(const StabilityResults& r) {
    Json tail = nullptr;
    if (r.hasTail)
        tail = {{"area", r.tail.area},
                {"meanChord", r.tail.meanChord},
                {"meanChordX", r.tail.meanChordX},
                {"aspectRatio", r.tail.aspectRatio}};
    return {{"hasTail", r.hasTail},
            {"tail", tail},
            {"tailArm", tailValue(r, r.tailArm)},
            {"tailVolume", tailValue(r, r.tailVolume)},
            {"liftSlopeWing", r.liftSlopeWing},
            {"liftSlopeTail", tailValue(r, r.liftSlopeTail)},
            {"downwashGradient", r.downwashGradient},
            {"efficiency", tailValue(r, r.efficiency)},
            {"neutralPoint", r.neutralPoint},
            {"neutralPointPercent", r.neutralPointPercent},
            {"margin", r.margin},
            {"balanceForMargin", r.balanceForMargin},
            {"balanceForMarginPercent", r.balanceForMarginPercent},
            {"marginAtBalance", r.marginAtBalance}};
}

} // namespace

std::optional<Json> stabilityJson(const OpenedWing& wing) {
    const TextLookup& text = wing.session.text();
    if (wing.outcome.stabilityProblem)
        return errorJson(
            stabilityFileMessage(*wing.outcome.stabilityProblem, kStabilityReadMessage, text));
    if (wing.outcome.fileError || !wing.session.stability().exists())
        return std::nullopt;
    const StabilityReport report = wing.session.calculateStability();
    if (report.outcome != StabilityOutcome::Ok)
        return errorJson(stabilityMessage(report, text));
    return resultsJson(report.results);
}
