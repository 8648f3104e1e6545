// SPDX-License-Identifier: GPL-3.0-or-later
// Invariants of the wing maths over generated wings: scaling every length, cutting a panel in
// two, moving the balance point, and the combined mean chord among the panels' own.
#include "calc/CalculateWing.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>
#include <string>
#include <vector>

namespace {

// One panel; its root chord is the previous panel's tip chord, as the window chains them.
struct Panel {
    double tipChord = 0;
    double length = 0;
    double sweepOffset = 0; // tip leading edge behind the root leading edge
};

struct Wing {
    double rootChord = 0;
    std::vector<Panel> panels;
    double balancePercent = 0;
    double massGrams = 0;

    double panelRootChord(std::size_t i) const {
        return i == 0 ? rootChord : panels[i - 1].tipChord;
    }
    double panelRootSweep(std::size_t i) const { return i == 0 ? 0 : panels[i - 1].sweepOffset; }
};

// A value on a grid of tenths, so near-equal chords still differ by a measurable amount.
double tenths(int lowest, int highest) {
    return *rc::gen::inRange(lowest, highest + 1) / 10.0;
}

// 1 to 5 panels, chords 10 to 500 mm, lengths 10 to 2000 mm, sweep -300 to 600 mm.
Wing generateWing(int mostPanels = kPanelCount) {
    Wing wing;
    wing.rootChord = tenths(100, 5000);
    const int count = *rc::gen::inRange(1, mostPanels + 1);
    for (int i = 0; i < count; ++i)
        wing.panels.push_back({tenths(100, 5000), tenths(100, 20000), tenths(-3000, 6000)});
    wing.balancePercent = tenths(10, 990);
    wing.massGrams = tenths(100, 200000);
    return wing;
}

// The shortest text that reads back as the same double.
std::string uiText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

struct Calculated {
    WingPlanform planform;
    WingResults results;
};

Calculated calculate(const Wing& wing) {
    WingFields fields;
    fields.rootChord[0] = uiText(wing.rootChord);
    for (std::size_t i = 0; i < wing.panels.size(); ++i) {
        fields.tipChord[i] = uiText(wing.panels[i].tipChord);
        fields.panelLength[i] = uiText(wing.panels[i].length);
        fields.sweepOffset[i] = uiText(wing.panels[i].sweepOffset);
    }
    chainRootChords(fields);
    fields.balancePercent = uiText(wing.balancePercent);
    fields.mass = uiText(wing.massGrams);
    Calculated calculated;
    const CalcReport report = calculateWing(fields, ".", calculated.planform, calculated.results);
    RC_ASSERT(report.outcome == CalcOutcome::Ok);
    RC_ASSERT(calculated.planform.lastPanel == static_cast<int>(wing.panels.size()) - 1);
    return calculated;
}

// The whole half-wing as the window shows it: span, area, aspect ratio, mean chord, its
// station, the balance distance and the loading.
using WholeWing = std::array<double, 7>;
constexpr std::size_t kStation = 4;
constexpr std::size_t kBalance = 5;

WholeWing wholeWing(const Calculated& wing) {
    const int n = wing.planform.lastPanel;
    const WingResults& r = wing.results;
    return {2 * r.halfSpan,  r.halfArea,    r.aspectRatio, r.meanChord[n],
            r.meanChordY[n], r.balanceX[n], r.wingLoading};
}

constexpr double kTolerance = 1e-9;

// Each result times its factor. The balance distance can be near zero, so it is compared at the
// scale of the wing itself, and so is the mean chord's station when the panels change.
void assertScaled(const WholeWing& actual, const WholeWing& original,
                  const std::array<double, 7>& factors, bool stationAtScale = false) {
    const double size = actual[0] + actual[3] + std::abs(actual[kBalance]);
    for (std::size_t i = 0; i < actual.size(); ++i) {
        const double expected = factors[i] * original[i];
        const bool atScale = i == kBalance || (i == kStation && stationAtScale);
        RC_ASSERT(std::abs(actual[i] - expected) <=
                  kTolerance * (atScale ? size : std::abs(expected)));
    }
}

Wing scaled(Wing wing, double k) {
    wing.rootChord *= k;
    for (Panel& panel : wing.panels) {
        panel.tipChord *= k;
        panel.length *= k;
        panel.sweepOffset *= k;
    }
    return wing;
}

// Cuts panel i at fraction t of its length; both parts keep its straight edges.
Wing splitPanel(Wing wing, std::size_t i, double t) {
    const Panel whole = wing.panels[i];
    const double rootChord = wing.panelRootChord(i);
    const double rootSweep = wing.panelRootSweep(i);
    const Panel inner{rootChord + t * (whole.tipChord - rootChord), t * whole.length,
                      rootSweep + t * (whole.sweepOffset - rootSweep)};
    const Panel outer{whole.tipChord, whole.length - inner.length, whole.sweepOffset};
    wing.panels[i] = outer;
    wing.panels.insert(wing.panels.begin() + static_cast<std::ptrdiff_t>(i), inner);
    return wing;
}

// A panel's own mean chord: the panel calculated as a wing of its own.
double ownMeanChord(const Wing& wing, std::size_t i) {
    const Wing alone{wing.panelRootChord(i), {wing.panels[i]}, wing.balancePercent, wing.massGrams};
    return calculate(alone).results.meanChord[0];
}

RC_GTEST_PROP(WingProperties, ScalingEveryLengthScalesTheResults, ()) {
    const Wing wing = generateWing();
    const double k = tenths(1, 1000);
    assertScaled(wholeWing(calculate(scaled(wing, k))), wholeWing(calculate(wing)),
                 {k, k * k, 1, k, k, k, 1 / (k * k)});
}

RC_GTEST_PROP(WingProperties, SplittingAPanelChangesOnlyThePanelCount, ()) {
    const Wing wing = generateWing(kPanelCount - 1);
    const auto panel =
        static_cast<std::size_t>(*rc::gen::inRange(0, static_cast<int>(wing.panels.size())));
    const Calculated whole = calculate(wing);
    const Calculated split = calculate(splitPanel(wing, panel, tenths(1, 9)));
    RC_ASSERT(split.planform.lastPanel == whole.planform.lastPanel + 1);
    assertScaled(wholeWing(split), wholeWing(whole), {1, 1, 1, 1, 1, 1, 1}, true);
}

// The balance point lies the percentage of the mean chord behind the chord's leading edge.
RC_GTEST_PROP(WingProperties, BalanceDistanceMovesLinearlyWithThePercentage, ()) {
    Wing wing = generateWing();
    const double first = tenths(10, 330);
    wing.balancePercent = first;
    const WholeWing a = wholeWing(calculate(wing));
    for (const double later : {first + tenths(10, 330), first + tenths(10, 660)}) {
        wing.balancePercent = later;
        WholeWing moved = wholeWing(calculate(wing));
        moved[kBalance] -= a[3] * (later - first) / 100;
        assertScaled(moved, a, {1, 1, 1, 1, 1, 1, 1});
    }
}

RC_GTEST_PROP(WingProperties, CombinedMeanChordLiesAmongThePanelMeanChords, ()) {
    const Wing wing = generateWing();
    const Calculated calculated = calculate(wing);
    double smallest = ownMeanChord(wing, 0);
    double largest = smallest;
    for (std::size_t i = 0; i < wing.panels.size(); ++i) {
        const double own = ownMeanChord(wing, i);
        smallest = std::min(smallest, own);
        largest = std::max(largest, own);
        // Entry i combines panels 0 to i.
        const double combined = calculated.results.meanChord[i];
        RC_ASSERT(combined >= smallest * (1 - kTolerance));
        RC_ASSERT(combined <= largest * (1 + kTolerance));
    }
}

} // namespace
