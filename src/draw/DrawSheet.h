// SPDX-License-Identifier: GPL-3.0-or-later
// The printed A4 landscape sheet: header, table of inputs and results, and the half-wing at a
// standard scale, laid out on a SheetCanvas in page twips. Messages and pointer are the caller's.
#pragma once

#include "calc/WingResults.h"
#include "draw/SheetCanvas.h"
#include "draw/SheetInputs.h"

#include <string>

struct SheetOutcome {
    bool printed = false;
    std::string failure;   // why the sheet stopped; the document was not ended
    int denominator = 0;   // 50, 20, 10 or 5; 0 when no scale was chosen
    double sheetScale = 0; // page twips per millimetre of wing
};

// Lays out the whole page and ends the document. Without a scale that keeps the outline on the
// paper the sheet says so where the scale goes and draws no outline. On a failure (a panel index
// out of range, a coordinate that overflows or is not a number) it stops at once and leaves the
// document open.
SheetOutcome drawSheet(const WingPlanform& planform, const WingResults& results,
                       const SheetInputs& inputs, SheetCanvas& canvas);
