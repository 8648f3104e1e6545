// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/CalculateStability.h"

#include "calc/CalculateWing.h"
#include "calc/ParseNumber.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kSectionSlopeFactor = 0.95; // section lift slope 2π·0.95 per radian
constexpr double kQuarterChord = 0.25;       // where a chord's lift acts at low speed
constexpr double kLowestEfficiency = 0.3;
constexpr double kHighestEfficiency = 1.0;

// The tail's balance text only has to pass the wing's checks: its mean chord does not depend on it.
constexpr const char* kTailBalanceText = "25";

struct Tail {
    WingPlanform planform;
    WingResults results;
};

// The wing's refusals, said of the tail: they name the tail field to mend, never the wing's.
StabilityReport tailRefusal(const CalcReport& report) {
    switch (report.outcome) {
    case CalcOutcome::Ok:
        return {StabilityOutcome::Ok, {}};
    case CalcOutcome::PanelError:
    case CalcOutcome::BalanceError:
        return {StabilityOutcome::TailPanelError, {}};
    case CalcOutcome::GapInChain:
        return {StabilityOutcome::TailGapInChain, {}, report.field};
    case CalcOutcome::NegativeValue:
        return {StabilityOutcome::TailNegativeValue, {}, report.field};
    case CalcOutcome::ValueTooLarge:
        return {StabilityOutcome::TailValueTooLarge, {}, report.field};
    case CalcOutcome::ArithmeticFailure:
        break;
    }
    return {StabilityOutcome::ArithmeticFailure, {}};
}

StabilityReport calculateTail(const WingFields& fields, std::string_view separator, Tail& tail) {
    WingFields tailFields = fields;
    tailFields.balancePercent = kTailBalanceText;
    tailFields.mass.clear();
    const StabilityReport refusal =
        tailRefusal(calculateWing(tailFields, separator, tail.planform, tail.results));
    if (refusal.outcome != StabilityOutcome::Ok)
        return refusal;
    // The wing's checks leave a positive area; a tail without one would pull the neutral point
    // forward, so it stays refused should a check ever let one through.
    if (!(tail.results.halfArea > 0 && tail.results.aspectRatio > 0))
        return {StabilityOutcome::TailPanelError, {}};
    return {StabilityOutcome::Ok, {}};
}

TailResults tailResults(const Tail& tail) {
    const int n = tail.planform.lastPanel;
    return {2 * tail.results.halfArea / 10000, tail.results.meanChord[n],
            tail.results.meanChordX[n], tail.results.aspectRatio};
}

// The aerodynamic centre of a wing or tail: a quarter of its mean chord behind the mean chord's
// leading edge, from its own root leading edge.
double aerodynamicCentre(const WingPlanform& planform, const WingResults& results) {
    const int n = planform.lastPanel;
    return results.meanChordX[n] + kQuarterChord * results.meanChord[n];
}

bool allFinite(const StabilityResults& r) {
    for (const double value :
         {r.tail.area, r.tail.meanChord, r.tail.meanChordX, r.tail.aspectRatio, r.tailArm,
          r.tailVolume, r.liftSlopeWing, r.liftSlopeTail, r.downwashGradient, r.efficiency,
          r.neutralPoint, r.neutralPointPercent, r.margin, r.balanceForMargin,
          r.balanceForMarginPercent, r.marginAtBalance}) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

// Wing and tail each lift at their aerodynamic centre: the neutral point is the mean of the two
// weighted by the lift each adds per radian of incidence. The tail's weight is its lift slope
// times its efficiency, its area over the wing's and the part of the airflow the downwash leaves.
StabilityReport addTail(const StabilityFields& fields, const WingPlanform& wing,
                        const WingResults& wingResults, std::string_view separator,
                        StabilityResults& r) {
    Tail tail;
    if (StabilityReport refusal = calculateTail(fields.tail, separator, tail);
        refusal.outcome != StabilityOutcome::Ok)
        return refusal;
    const double distance = parseNumber(fields.distance, separator);
    if (!(distance > 0))
        return {StabilityOutcome::DistanceError, {}};
    if (distance > kLargestCalculableValue)
        return {StabilityOutcome::DistanceTooLarge, {}};
    r.efficiency = parseNumber(fields.efficiency, separator);
    if (!(r.efficiency >= kLowestEfficiency && r.efficiency <= kHighestEfficiency))
        return {StabilityOutcome::EfficiencyError, {}};

    const int n = wing.lastPanel;
    const double wingCentre = aerodynamicCentre(wing, wingResults);
    const double tailCentre = distance + aerodynamicCentre(tail.planform, tail.results);
    r.hasTail = true;
    r.tail = tailResults(tail);
    r.tailArm = tailCentre - wingCentre;
    if (!(r.tailArm > 0))
        return {StabilityOutcome::TailArmError, {}};
    r.tailInsideWingChord = distance < wing.rootChord[0];
    const double wingArea = 2 * wingResults.halfArea;
    const double tailArea = 2 * tail.results.halfArea;
    r.tailVolume = tailArea * r.tailArm / (wingArea * wingResults.meanChord[n]);
    r.liftSlopeTail =
        liftSlope(tail.results.aspectRatio, halfChordSweepTangent(tail.planform, tail.results));
    const double tailLift =
        r.efficiency * r.liftSlopeTail * (tailArea / wingArea) * (1 - r.downwashGradient);
    r.neutralPoint =
        (r.liftSlopeWing * wingCentre + tailLift * tailCentre) / (r.liftSlopeWing + tailLift);
    return {StabilityOutcome::Ok, {}};
}

} // namespace

double liftSlope(double aspectRatio, double tanSweep) {
    const double a = aspectRatio / kSectionSlopeFactor;
    return 2 * std::numbers::pi * aspectRatio /
           (2 + std::sqrt(4 + a * a * (1 + tanSweep * tanSweep)));
}

double halfChordSweepTangent(const WingPlanform& planform, const WingResults& results) {
    const int n = planform.lastPanel;
    const double tipHalfChord = planform.sweepOffset[n] + planform.tipChord[n] / 2;
    return (tipHalfChord - planform.rootChord[0] / 2) / results.halfSpan;
}

StabilityReport calculateStability(const StabilityFields& fields, const WingPlanform& wing,
                                   const WingResults& wingResults,
                                   std::string_view decimalSeparator) {
    const int n = wing.lastPanel;
    const double meanChord = wingResults.meanChord[n];
    StabilityResults r;
    r.liftSlopeWing = liftSlope(wingResults.aspectRatio, halfChordSweepTangent(wing, wingResults));
    r.downwashGradient = 2 * r.liftSlopeWing / (std::numbers::pi * wingResults.aspectRatio);
    r.neutralPoint = aerodynamicCentre(wing, wingResults);
    if (fields.hasTail) {
        if (StabilityReport refusal = addTail(fields, wing, wingResults, decimalSeparator, r);
            refusal.outcome != StabilityOutcome::Ok)
            return refusal;
    }
    r.margin = parseNumber(fields.margin, decimalSeparator);
    if (fields.margin.empty() || !(r.margin >= 0 && r.margin < 100))
        return {StabilityOutcome::MarginError, {}};

    r.neutralPointPercent = (r.neutralPoint - wingResults.meanChordX[n]) / meanChord * 100;
    r.balanceForMargin = r.neutralPoint - r.margin / 100 * meanChord;
    r.balanceForMarginPercent = r.neutralPointPercent - r.margin;
    r.marginAtBalance = r.neutralPointPercent - wing.balancePercent;
    if (!allFinite(r))
        return {StabilityOutcome::ArithmeticFailure, {}};
    return {StabilityOutcome::Ok, r};
}
