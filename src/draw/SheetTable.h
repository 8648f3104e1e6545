// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the printed sheet: the panel inputs in one column per panel, and the results
// beside them, in 9-point text at fixed millimetre positions of the page.
#pragma once

#include "calc/WingResults.h"
#include "draw/SheetCanvas.h"
#include "draw/SheetInputs.h"

#include <string>
#include <string_view>

// A table number in its "raw" form: a space before it unless it is negative, one after it.
std::string rawNumber(double value, std::string_view decimalSeparator);
std::string rawNumber(const std::string& number, bool negative);

// Prints the rows from the panel headers down to the mass line. lastPanel must be in range.
void drawSheetTable(const WingPlanform& planform, const WingResults& results,
                    const SheetInputs& inputs, SheetCanvas& canvas);
