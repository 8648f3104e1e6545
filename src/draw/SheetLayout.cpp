// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/SheetLayout.h"

#include <cmath>

namespace {

struct WingExtent {
    double halfSpan = 0;
    double tipTrailing = 0;   // tip trailing edge behind the root leading edge
    double forwardExtent = 0; // forward sweep plus the root chord
    bool sweptForward = false;
};

WingExtent measureWing(const WingPlanform& planform, const WingResults& results) {
    const int n = planform.lastPanel;
    const double sweep = planform.sweepOffset[n];
    return {results.tipStation[n], sweep + planform.tipChord[n],
            std::abs(sweep) + planform.rootChord[0], sweep < 0};
}

// The limits count as fitting; an unswept wing's root chord is not compared at all.
bool fits(const WingExtent& wing, double spanLimit, double chordLimit) {
    return wing.halfSpan <= spanLimit && wing.tipTrailing <= chordLimit &&
           (!wing.sweptForward || wing.forwardExtent <= chordLimit);
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

int chooseSheetDenominator(const WingPlanform& planform, const WingResults& results) {
    const WingExtent wing = measureWing(planform, results);
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

std::optional<PlanformFigure> placeSheetFigure(const WingPlanform& planform,
                                               const WingResults& results, double sheetScale) {
    return buildFigure(planform, results, sheetOrigin(planform, results, sheetScale), sheetScale,
                       nextSheetRoot);
}
