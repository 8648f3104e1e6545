// SPDX-License-Identifier: GPL-3.0-or-later
// Where the printed sheet puts the half-wing: one of the standard scales 1/50 to 1/5 chosen
// from the wing's size, and the outline centred in the 14000 by 7200 twip band under the table.
#pragma once

#include "calc/WingResults.h"
#include "draw/PlanformFigure.h"

#include <optional>

// printer twips per millimetre of paper, as the sheet has always measured them.
inline constexpr double kPageUnitsPerMm = 56.7;

// A position on the paper, given in whole millimetres, in page units for the canvas.
inline float pageMm(double mm) {
    return static_cast<float>(mm * kPageUnitsPerMm);
}

// 50, 20, 10 or 5; 0 when none applies: a half-span of zero or less that fits 1/10, or a wing
// whose outline would leave the paper even at 1/50. lastPanel must be in range.
int chooseSheetDenominator(const WingPlanform& planform, const WingResults& results);

// The outline and marks at sheetScale page units per wing millimetre; nothing when a coordinate
// overflows or is not a number. lastPanel must be in range.
std::optional<PlanformFigure> placeSheetFigure(const WingPlanform& planform,
                                               const WingResults& results, double sheetScale);
