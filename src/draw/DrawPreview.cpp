// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/DrawPreview.h"

#include "draw/CanvasNumbers.h"
#include "draw/NeutralPointTick.h"
#include "draw/PlanformFigure.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Light enough that the outline and the marks drawn over the ribs stand out.
constexpr Rgb kPreviewRibGrey{170, 170, 170};

PreviewOutcome skipped(std::string reason, std::int16_t drawScale = 0) {
    return {false, drawScale, std::move(reason)};
}

// One limit of the scale: the whole number of twips per millimetre the preview has always taken,
// or, where that is 0 or beyond 16 bits, the exact quotient, so a wing too large or too small
// for whole twips is still drawn. Nothing for a zero or NaN divisor.
std::optional<double> scaleLimit(double numerator, double divisor,
                                 std::optional<std::int16_t> whole) {
    if (divisor == 0 || std::isnan(divisor))
        return std::nullopt;
    if (whole && *whole != 0)
        return *whole;
    const double exact = numerator / divisor;
    if (!std::isfinite(exact) || exact == 0)
        return std::nullopt;
    return exact;
}

std::optional<double> flooredLimit(double numerator, double divisor) {
    return scaleLimit(numerator, divisor, flooredScale(numerator, divisor));
}

// The half-span must fit 7800 of the 7900 twips of the drawing field.
std::optional<double> spanwiseLimit(const WingPlanform& planform, const WingResults& results) {
    return flooredLimit(7800, results.tipStation[planform.lastPanel]);
}

// Only the sign of the last tip's leading edge decides between the two layouts.
std::optional<double> chordwiseLimit(const WingPlanform& planform) {
    const int n = planform.lastPanel;
    const double sweep = planform.sweepOffset[n];
    if (sweep >= 0) {
        const double tipTrailing = sweep + planform.tipChord[n];
        const auto byTip = flooredLimit(2100, tipTrailing);
        if (byTip && tipTrailing < planform.rootChord[0]) {
            const double root = planform.rootChord[0];
            return scaleLimit(2100, root, roundedScale(2100, root));
        }
        return byTip;
    }
    // Swept forward the extent is scaled by 2300 although it is centred in 2200, on purpose.
    const double forwardExtent = std::abs(sweep) + planform.rootChord[0];
    return flooredLimit(2300, forwardExtent);
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
                           PlanformCanvas& canvas, std::optional<double> neutralPointX,
                           const std::vector<RibStation>& ribs) {
    canvas.clear();
    if (!lastPanelInRange(planform)) {
        return skipped("the last panel index is outside 0 to 4");
    }
    const auto spanwise = spanwiseLimit(planform, results);
    if (!spanwise) {
        return skipped("the half-span gives no scale");
    }
    const auto chordwise = chordwiseLimit(planform);
    if (!chordwise) {
        return skipped("the chordwise extent gives no scale");
    }
    const double s = std::min(*spanwise, *chordwise);
    // An exact quotient is never a whole number in range: that would have been the limit.
    const auto drawScale =
        static_cast<std::int16_t>(s == std::floor(s) && std::abs(s) <= 32767 ? s : 0);
    const RootTrailingPoint origin = previewOrigin(planform, results, s);
    const auto figure = buildFigure(planform, results, origin, s, nextPreviewRoot);
    if (!figure) {
        return skipped("a coordinate is not a finite single-precision number", drawScale);
    }
    for (const MarkStroke& rib : ribStrokes(*figure, ribs, kPreviewRibGrey))
        canvas.lineInColour(rib.from, rib.to, rib.colour);
    drawFigure(*figure, canvas);
    if (neutralPointX) {
        if (const auto tick = neutralPointTick(planform, results, origin, s, *neutralPointX))
            canvas.lineInColour(tick->from, tick->to, tick->colour);
    }
    return {true, drawScale, {}, s};
}
