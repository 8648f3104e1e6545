// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/SheetLayout.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The A4 landscape page, and the point the band centres the planform on, in page units.
constexpr double kPageWidth = 297 * kPageUnitsPerMm;
constexpr double kPageHeight = 210 * kPageUnitsPerMm;
constexpr double kBandCentreX = 1134 + 14000 / 2.0;
constexpr double kBandCentreY = 3685 + 7200 / 2.0;
constexpr std::array kDenominators{5, 10, 20, 50};

struct WingExtent {
    double halfSpan = 0;
    double tipTrailing = 0;   // tip trailing edge behind the root leading edge
    double forwardExtent = 0; // forward sweep plus the root chord
    bool sweptForward = false;
    double centredExtent = 0; // the chordwise extent the placement centres in the band
};

WingExtent measureWing(const WingPlanform& planform, const WingResults& results) {
    const int n = planform.lastPanel;
    const double sweep = planform.sweepOffset[n];
    const double rootChord = planform.rootChord[0];
    const double tipTrailing = sweep + planform.tipChord[n];
    const double centred = sweep < 0 ? rootChord - sweep : std::max(tipTrailing, rootChord);
    return {results.tipStation[n], tipTrailing, std::abs(sweep) + rootChord, sweep < 0, centred};
}

// Where the outline, centred on the band, would reach past an edge of the paper. Not a number
// compares false and so stays: the placement reports it.
bool leavesThePage(const WingExtent& wing, int denominator) {
    const double scale = kPageUnitsPerMm / denominator;
    return std::abs(wing.halfSpan) * scale / 2 >
               std::min(kBandCentreX, kPageWidth - kBandCentreX) ||
           std::abs(wing.centredExtent) * scale / 2 >
               std::min(kBandCentreY, kPageHeight - kBandCentreY);
}

// The limits count as fitting; an unswept wing's root chord is not compared at all.
bool fits(const WingExtent& wing, double spanLimit, double chordLimit) {
    return wing.halfSpan <= spanLimit && wing.tipTrailing <= chordLimit &&
           (!wing.sweptForward || wing.forwardExtent <= chordLimit);
}

// The sheet's own rule: it compares the last tip, never an unswept root chord.
int ruleDenominator(const WingExtent& wing) {
    if (wing.halfSpan > 5000) {
        return 50;
    }
    if (!fits(wing, 2500, 1100)) {
        return 20;
    }
    if (!fits(wing, 1250, 550)) {
        return 10;
    }
    return wing.halfSpan > 0 ? 5 : 0;
}

RootTrailingPoint sheetOrigin(const WingPlanform& planform, const WingResults& results,
                              double sheetScale) {
    const WingExtent wing = measureWing(planform, results);
    const double rootChord = planform.rootChord[0];
    const double x = (14000 - wing.halfSpan * sheetScale) / 2 + 1134;
    if (wing.sweptForward) {
        const double extent = (rootChord - planform.sweepOffset[planform.lastPanel]) * sheetScale;
        return {x, (7200 - std::abs(extent)) / 2 + 3685 + std::abs(extent)};
    }
    const double extent =
        wing.tipTrailing > rootChord ? wing.tipTrailing * sheetScale : rootChord * sheetScale;
    return {x, (7200 - std::abs(extent)) / 2 + 3685 + rootChord * sheetScale};
}

// Puts panel i's root trailing edge on panel i - 1's tip trailing edge.
RootTrailingPoint nextSheetRoot(const WingPlanform& planform, int panel, RootTrailingPoint previous,
                                double sheetScale) {
    const int p = panel - 1;
    const double chordwiseStep = -planform.rootChord[p] + planform.sweepOffset[p] -
                                 leadingEdgeAtTip(planform, p - 1) + planform.tipChord[p];
    return {previous.x + planform.panelLength[p] * sheetScale,
            previous.y + chordwiseStep * sheetScale};
}

} // namespace

// Where the rule's scale would put the outline off the paper, the next smaller scale that keeps
// it on is taken, and none after 1/50: a wing that fits keeps the rule's scale.
int chooseSheetDenominator(const WingPlanform& planform, const WingResults& results) {
    const WingExtent wing = measureWing(planform, results);
    const int byRule = ruleDenominator(wing);
    for (const int denominator : kDenominators) {
        if (denominator >= byRule && byRule != 0 && !leavesThePage(wing, denominator))
            return denominator;
    }
    return 0;
}

std::optional<PlanformFigure> placeSheetFigure(const WingPlanform& planform,
                                               const WingResults& results, double sheetScale) {
    return buildFigure(planform, results, sheetOrigin(planform, results, sheetScale), sheetScale,
                       nextSheetRoot);
}
