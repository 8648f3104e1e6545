// Invariants of the wing maths over generated wings: scaling every length, cutting a panel in
// two, moving the balance point, and the combined mean chord among the panels' own.
#include "CalculateWing.h"

#include <algorithm>
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

    double PanelRootChord(std::size_t i) const {
        return i == 0 ? rootChord : panels[i - 1].tipChord;
    }
    double PanelRootSweep(std::size_t i) const { return i == 0 ? 0 : panels[i - 1].sweepOffset; }
};

// A value on a grid of tenths, so near-equal chords still differ by a measurable amount.
double Tenths(int lowest, int highest) {
    return *rc::gen::inRange(lowest, highest + 1) / 10.0;
}

// 1 to 5 panels, chords 10 to 500 mm, lengths 10 to 2000 mm, sweep -300 to 600 mm.
Wing GenerateWing(int mostPanels = kPanelCount) {
    Wing wing;
    wing.rootChord = Tenths(100, 5000);
    const int count = *rc::gen::inRange(1, mostPanels + 1);
    for (int i = 0; i < count; ++i)
        wing.panels.push_back({Tenths(100, 5000), Tenths(100, 20000), Tenths(-3000, 6000)});
    wing.balancePercent = Tenths(10, 990);
    wing.massGrams = Tenths(100, 200000);
    return wing;
}

// The shortest text that reads back as the same double.
std::string Text(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

WingFields ToFields(const Wing& wing) {
    WingFields fields;
    fields.C_max[0] = Text(wing.rootChord);
    for (std::size_t i = 0; i < wing.panels.size(); ++i) {
        fields.C_min[i] = Text(wing.panels[i].tipChord);
        fields.L_trap[i] = Text(wing.panels[i].length);
        fields.deport[i] = Text(wing.panels[i].sweepOffset);
    }
    ChainRootChords(fields);
    fields.Cg = Text(wing.balancePercent);
    fields.masse = Text(wing.massGrams);
    return fields;
}

struct Calculated {
    WingPlanform planform;
    WingResults results;
};

Calculated Calculate(const Wing& wing) {
    Calculated wingResults;
    const CalcReport report =
        CalculateWing(ToFields(wing), ".", wingResults.planform, wingResults.results);
    RC_ASSERT(report.outcome == CalcOutcome::Ok);
    RC_ASSERT(wingResults.planform.lastPanel == static_cast<int>(wing.panels.size()) - 1);
    return wingResults;
}

// The results of the whole half-wing, which the window shows.
struct WholeWing {
    double span = 0;
    double area = 0;
    double aspectRatio = 0;
    double meanChord = 0;
    double meanChordStation = 0;
    double balanceDistance = 0;
    double loading = 0;
};

WholeWing Whole(const Calculated& wing) {
    const int n = wing.planform.lastPanel;
    const WingResults& r = wing.results;
    return {2 * r.halfSpan,  r.halfArea,    r.aspectRatio, r.meanChord[n],
            r.meanChordY[n], r.balanceX[n], r.wingLoading};
}

constexpr double kTolerance = 1e-9;

bool NearRelative(double actual, double expected) {
    return std::abs(actual - expected) <= kTolerance * std::abs(expected);
}

// Positions can be near zero: compare them at the scale of the wing itself.
bool NearAtScale(double actual, double expected, double scale) {
    return std::abs(actual - expected) <= kTolerance * scale;
}

double SizeOf(const WholeWing& wing) {
    return wing.span + wing.meanChord + std::abs(wing.balanceDistance);
}

Wing Scaled(Wing wing, double k) {
    wing.rootChord *= k;
    for (Panel& panel : wing.panels) {
        panel.tipChord *= k;
        panel.length *= k;
        panel.sweepOffset *= k;
    }
    return wing;
}

// Cuts panel i at fraction t of its length; both parts keep its straight edges.
Wing Split(Wing wing, std::size_t i, double t) {
    const Panel whole = wing.panels[i];
    const double rootChord = wing.PanelRootChord(i);
    const double rootSweep = wing.PanelRootSweep(i);
    const Panel inner{rootChord + t * (whole.tipChord - rootChord), t * whole.length,
                      rootSweep + t * (whole.sweepOffset - rootSweep)};
    const Panel outer{whole.tipChord, whole.length - inner.length, whole.sweepOffset};
    wing.panels[i] = outer;
    wing.panels.insert(wing.panels.begin() + static_cast<std::ptrdiff_t>(i), inner);
    return wing;
}

// A panel's own mean chord: the panel calculated as a wing of its own.
double OwnMeanChord(const Wing& wing, std::size_t i) {
    const Wing alone{wing.PanelRootChord(i), {wing.panels[i]}, wing.balancePercent, wing.massGrams};
    return Calculate(alone).results.meanChord[0];
}

RC_GTEST_PROP(WingProperties, ScalingEveryLengthScalesTheResults, ()) {
    const Wing wing = GenerateWing();
    const double k = Tenths(1, 1000);
    const WholeWing original = Whole(Calculate(wing));
    const WholeWing scaled = Whole(Calculate(Scaled(wing, k)));
    RC_ASSERT(NearRelative(scaled.span, k * original.span));
    RC_ASSERT(NearRelative(scaled.meanChord, k * original.meanChord));
    RC_ASSERT(NearRelative(scaled.area, k * k * original.area));
    RC_ASSERT(NearRelative(scaled.loading, original.loading / (k * k)));
    RC_ASSERT(NearRelative(scaled.aspectRatio, original.aspectRatio));
    RC_ASSERT(NearRelative(scaled.meanChordStation, k * original.meanChordStation));
    RC_ASSERT(NearAtScale(scaled.balanceDistance, k * original.balanceDistance, SizeOf(scaled)));
}

RC_GTEST_PROP(WingProperties, SplittingAPanelChangesOnlyThePanelCount, ()) {
    const Wing wing = GenerateWing(kPanelCount - 1);
    const auto panel =
        static_cast<std::size_t>(*rc::gen::inRange(0, static_cast<int>(wing.panels.size())));
    const double t = Tenths(1, 9);
    const Calculated whole = Calculate(wing);
    const Calculated split = Calculate(Split(wing, panel, t));
    RC_ASSERT(split.planform.lastPanel == whole.planform.lastPanel + 1);

    const WholeWing before = Whole(whole);
    const WholeWing after = Whole(split);
    const double size = SizeOf(before);
    RC_ASSERT(NearRelative(after.span, before.span));
    RC_ASSERT(NearRelative(after.area, before.area));
    RC_ASSERT(NearRelative(after.aspectRatio, before.aspectRatio));
    RC_ASSERT(NearRelative(after.meanChord, before.meanChord));
    RC_ASSERT(NearAtScale(after.meanChordStation, before.meanChordStation, size));
    RC_ASSERT(NearAtScale(after.balanceDistance, before.balanceDistance, size));
    RC_ASSERT(NearRelative(after.loading, before.loading));
}

RC_GTEST_PROP(WingProperties, BalanceDistanceMovesLinearlyWithThePercentage, ()) {
    Wing wing = GenerateWing();
    const double first = Tenths(10, 330);
    const double second = first + Tenths(10, 330);
    const double third = second + Tenths(10, 330);
    const auto calculateAt = [&wing](double percent) {
        wing.balancePercent = percent;
        return Whole(Calculate(wing));
    };
    const WholeWing a = calculateAt(first);
    const WholeWing b = calculateAt(second);
    const WholeWing c = calculateAt(third);
    RC_ASSERT(NearRelative(b.meanChord, a.meanChord));
    RC_ASSERT(NearRelative(c.meanChord, a.meanChord));
    // The balance point lies the percentage of the mean chord behind the chord's leading edge.
    const double size = SizeOf(a);
    RC_ASSERT(NearAtScale(b.balanceDistance - a.balanceDistance,
                          a.meanChord * (second - first) / 100, size));
    RC_ASSERT(NearAtScale(c.balanceDistance - a.balanceDistance,
                          a.meanChord * (third - first) / 100, size));
}

RC_GTEST_PROP(WingProperties, CombinedMeanChordLiesAmongThePanelMeanChords, ()) {
    const Wing wing = GenerateWing();
    const Calculated calculated = Calculate(wing);
    double smallest = OwnMeanChord(wing, 0);
    double largest = smallest;
    for (std::size_t i = 0; i < wing.panels.size(); ++i) {
        const double own = OwnMeanChord(wing, i);
        smallest = std::min(smallest, own);
        largest = std::max(largest, own);
        // Entry i combines panels 0 to i.
        const double combined = calculated.results.meanChord[i];
        RC_ASSERT(combined >= smallest * (1 - kTolerance));
        RC_ASSERT(combined <= largest * (1 + kTolerance));
    }
}

} // namespace
