// SPDX-License-Identifier: GPL-3.0-or-later
// The printed sheet's line for the neutral point: under the planform, in the table's 9-point
// text, the neutral point, the static margin, the balance point for it and the tail volume.
#pragma once

#include "calc/CalculateStability.h"
#include "draw/SheetCanvas.h"
#include "draw/SheetInputs.h"

#include <string>
#include <string_view>

// Just under the 7200-twip band the planform is centred in, which ends at 192 mm.
inline constexpr double kStabilityLineMm = 193;

// A result in the pattern of the results table without its leading blank: "95.12", "1 234.50".
std::string compactResult(double value, std::string_view decimalSeparator);

// A place behind the root leading edge and on the mean chord: "95.12 mm (47.56 %)".
std::string placeText(double mm, double percent, const DisplayUnits& units,
                      std::string_view decimalSeparator);

// The line's text in the sheet's language.
std::string stabilityLineText(const StabilityResults& stability, const SheetInputs& inputs);

void printStabilityLine(const StabilityResults& stability, const SheetInputs& inputs,
                        SheetCanvas& canvas);
