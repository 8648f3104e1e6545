// SPDX-License-Identifier: GPL-3.0-or-later
// Invariants of the neutral point over generated wings and tails: it moves aft with the tail's
// distance, size and efficiency, sits at the quarter chord without a tail, and the margin at the
// balance follows the balance percentage one for one.
#include "calc/CalculateStability.h"
#include "calc/CalculateWing.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>
#include <string>

namespace {

// A value on a grid of tenths.
double tenths(int lowest, int highest) {
    return *rc::gen::inRange(lowest, highest + 1) / 10.0;
}

std::string text(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// 1 to 3 chained panels; chords 10 to 500 mm, lengths 10 to 2000 mm, sweeps minSweep to 600 mm.
WingFields generatePanels(int minSweepTenths) {
    WingFields fields;
    fields.rootChord[0] = text(tenths(100, 5000));
    const int count = *rc::gen::inRange(1, 4);
    for (int i = 0; i < count; ++i) {
        setTipChord(fields, i, text(tenths(100, 5000)));
        fields.panelLength[i] = text(tenths(100, 20000));
        fields.sweepOffset[i] = text(tenths(minSweepTenths, 6000));
    }
    return fields;
}

struct Wing {
    WingPlanform planform;
    WingResults results;
};

Wing calculate(WingFields fields, double balancePercent) {
    fields.balancePercent = text(balancePercent);
    Wing wing;
    RC_ASSERT(calculateWing(fields, ".", wing.planform, wing.results).outcome == CalcOutcome::Ok);
    return wing;
}

// A tail swept back (so its aerodynamic centre lies behind its root leading edge) far enough
// behind the wing that the tail arm is positive.
StabilityFields generateTail(const Wing& wing) {
    StabilityFields fields;
    fields.hasTail = true;
    fields.tail = generatePanels(0);
    const int n = wing.planform.lastPanel;
    const double wingCentre = wing.results.meanChordX[n] + wing.results.meanChord[n] / 4;
    fields.distance = text(std::max(wingCentre, 0.0) + tenths(10, 30000));
    fields.efficiency = text(tenths(3, 10));
    fields.margin = text(tenths(0, 300));
    return fields;
}

StabilityResults stability(const Wing& wing, const StabilityFields& fields) {
    const StabilityReport report = calculateStability(fields, wing.planform, wing.results, ".");
    RC_ASSERT(report.outcome == StabilityOutcome::Ok);
    return report.results;
}

Wing generateWing() {
    return calculate(generatePanels(-3000), tenths(10, 990));
}

WingFields scaledPanels(WingFields fields, double k) {
    const auto scale = [k](std::string& field) {
        if (!field.empty())
            field = text(std::stod(field) * k);
    };
    for (int i = 0; i < kPanelCount; ++i) {
        scale(fields.tipChord[i]);
        scale(fields.panelLength[i]);
        scale(fields.sweepOffset[i]);
    }
    scale(fields.rootChord[0]);
    chainRootChords(fields);
    return fields;
}

RC_GTEST_PROP(StabilityProperties, NeutralPointMovesAftWithTheDistance, ()) {
    const Wing wing = generateWing();
    StabilityFields fields = generateTail(wing);
    const double before = stability(wing, fields).neutralPoint;
    fields.distance = text(std::stod(fields.distance) + tenths(1, 10000));
    RC_ASSERT(stability(wing, fields).neutralPoint > before);
}

// A larger tail of the same shape: its area grows with the square of the factor, its aspect
// ratio and sweep stay, and its aerodynamic centre moves aft with it.
RC_GTEST_PROP(StabilityProperties, NeutralPointMovesAftWithTheTailArea, ()) {
    const Wing wing = generateWing();
    StabilityFields fields = generateTail(wing);
    const StabilityResults before = stability(wing, fields);
    fields.tail = scaledPanels(fields.tail, 1 + tenths(1, 30));
    const StabilityResults after = stability(wing, fields);
    RC_ASSERT(after.tail.area > before.tail.area);
    RC_ASSERT(after.neutralPoint > before.neutralPoint);
}

RC_GTEST_PROP(StabilityProperties, NeutralPointMovesAftWithTheEfficiency, ()) {
    const Wing wing = generateWing();
    StabilityFields fields = generateTail(wing);
    fields.efficiency = text(tenths(3, 9));
    const double before = stability(wing, fields).neutralPoint;
    fields.efficiency = text(std::stod(fields.efficiency) + tenths(1, 1));
    RC_ASSERT(stability(wing, fields).neutralPoint > before);
}

RC_GTEST_PROP(StabilityProperties, WithoutATailTheNeutralPointIsAtTheQuarterChord, ()) {
    const Wing wing = generateWing();
    StabilityFields fields = defaultStabilityFields(".");
    fields.margin = text(tenths(0, 300));
    const StabilityResults r = stability(wing, fields);
    RC_ASSERT(std::abs(r.neutralPointPercent - 25) < 1e-9);
    RC_ASSERT(std::abs(r.balanceForMarginPercent - (25 - std::stod(fields.margin))) < 1e-9);
}

// The wing's results hardly depend on its balance percentage (only through rounding), so the
// margin at the balance drops one for one as the balance moves aft.
RC_GTEST_PROP(StabilityProperties, MarginAtTheBalanceIsLinearInTheBalancePercentage, ()) {
    const WingFields panels = generatePanels(-3000);
    const Wing first = calculate(panels, tenths(10, 330));
    const StabilityFields fields = generateTail(first);
    const double p1 = first.planform.balancePercent;
    const double m1 = stability(first, fields).marginAtBalance;
    for (const double p2 : {p1 + tenths(10, 330), p1 + tenths(10, 660)}) {
        const double m2 = stability(calculate(panels, p2), fields).marginAtBalance;
        RC_ASSERT(std::abs((m2 - m1) + (p2 - p1)) < 1e-6 * (1 + std::abs(m1)));
    }
}

} // namespace
