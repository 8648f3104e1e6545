// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/DrawPreview.h"

#include "draw/CanvasNumbers.h"
#include "draw/NeutralPointTick.h"
#include "draw/PlanformFigure.h"

#include <cmath>
#include <optional>

namespace {

PreviewOutcome skipped(std::string reason, std::int16_t drawScale = 0) {
    return {false, drawScale, std::move(reason)};
}

// The half-span must fit 7800 of the 7900 twips of the drawing field.
std::optional<std::int16_t> spanwiseLimit(const WingPlanform& planform,
                                          const WingResults& results) {
    return flooredScale(7800, results.tipStation[planform.lastPanel]);
}

// Only the sign of the last tip's leading edge decides between the two layouts. The tip quotient
// is formed even when the root chord then replaces it, so a tiny tip extent gives no scale.
std::optional<std::int16_t> chordwiseLimit(const WingPlanform& planform) {
    const int n = planform.lastPanel;
    const double sweep = planform.sweepOffset[n];
    if (sweep >= 0) {
        const double tipTrailing = sweep + planform.tipChord[n];
        const auto byTip = flooredScale(2100, tipTrailing);
        if (byTip && tipTrailing < planform.rootChord[0]) {
            return roundedScale(2100, planform.rootChord[0]);
        }
        return byTip;
    }
    // Swept forward the extent is scaled by 2300 although it is centred in 2200, on purpose.
    return flooredScale(2300, std::abs(sweep) + planform.rootChord[0]);
}

RootTrailingPoint previewOrigin(const WingPlanform& planform, const WingResults& results,
                                double s) {
    const int n = planform.lastPanel;
    const double sweep = planform.sweepOffset[n];
    const double rootChord = planform.rootChord[0];
    const double x = (7900 - results.tipStation[n] * s) / 2 + 75;
    if (sweep >= 0) {
        const double tipTrailing = sweep + planform.tipChord[n];
        const double extent = tipTrailing > rootChord ? tipTrailing * s : rootChord * s;
        return {x, (2200 - std::abs(extent)) / 2 + 20 + rootChord * s};
    }
    const double extent = (rootChord - sweep) * s;
    return {x, (2200 - std::abs(extent)) / 2 + 20 + std::abs(extent)};
}

// Puts panel i's root trailing edge on panel i - 1's tip trailing edge, term by term.
RootTrailingPoint nextPreviewRoot(const WingPlanform& planform, int panel,
                                  RootTrailingPoint previous, double s) {
    const int p = panel - 1;
    return {planform.panelLength[p] * s + previous.x,
            previous.y - planform.rootChord[p] * s + planform.sweepOffset[p] * s -
                leadingEdgeAtTip(planform, p - 1) * s + planform.tipChord[p] * s};
}

} // namespace

PreviewOutcome drawPreview(const WingPlanform& planform, const WingResults& results,
                           PlanformCanvas& canvas, std::optional<double> neutralPointX) {
    canvas.clear();
    if (!lastPanelInRange(planform)) {
        return skipped("the last panel index is outside 0 to 4");
    }
    const auto spanwise = spanwiseLimit(planform, results);
    if (!spanwise) {
        return skipped("the half-span gives no 16-bit scale");
    }
    const auto chordwise = chordwiseLimit(planform);
    if (!chordwise) {
        return skipped("the chordwise extent gives no 16-bit scale");
    }
    const std::int16_t s = *spanwise > *chordwise ? *chordwise : *spanwise;
    const RootTrailingPoint origin = previewOrigin(planform, results, s);
    const auto figure = buildFigure(planform, results, origin, s, nextPreviewRoot);
    if (!figure) {
        return skipped("a coordinate is not a finite single-precision number", s);
    }
    drawFigure(*figure, canvas);
    if (neutralPointX) {
        if (const auto tick = neutralPointTick(planform, results, origin, s, *neutralPointX))
            canvas.lineInColour(tick->from, tick->to, tick->colour);
    }
    return {true, s, {}};
}
