// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/NeutralPointTick.h"

#include "draw/CanvasNumbers.h"

std::optional<MarkStroke> neutralPointTick(const WingPlanform& planform, const WingResults& results,
                                           RootTrailingPoint wingRoot, double scale,
                                           double neutralPointX) {
    const int n = planform.lastPanel;
    const double rootLeadingY = wingRoot.y - planform.rootChord[0] * scale;
    const double meanChordCanvasX = wingRoot.x + results.meanChordY[n] * scale;
    const auto left = toCanvasCoordinate(meanChordCanvasX - kNeutralPointTickHalfLength);
    const auto right = toCanvasCoordinate(meanChordCanvasX + kNeutralPointTickHalfLength);
    const auto y = toCanvasCoordinate(rootLeadingY + neutralPointX * scale);
    if (!(left && right && y))
        return std::nullopt;
    return MarkStroke{{*left, *y}, {*right, *y}, kGreen};
}
