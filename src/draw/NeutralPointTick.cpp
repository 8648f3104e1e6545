// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/NeutralPointTick.h"

std::optional<MarkStroke> neutralPointTick(const WingPlanform& planform, const WingResults& results,
                                           RootTrailingPoint wingRoot, double scale,
                                           double neutralPointX) {
    const int n = planform.lastPanel;
    const double rootLeadingY = wingRoot.y - planform.rootChord[0] * scale;
    const double meanChordCanvasX = wingRoot.x + results.meanChordY[n] * scale;
    const double tickY = rootLeadingY + neutralPointX * scale;
    return narrowMark(meanChordCanvasX - kNeutralPointTickHalfLength, tickY,
                      meanChordCanvasX + kNeutralPointTickHalfLength, tickY, kGreen);
}
