// SPDX-License-Identifier: GPL-3.0-or-later
// Results are shown with the pattern "# ##0.00": two decimals, one literal blank before the
// last three integer digits and no further grouping.
#pragma once

#include <string>
#include <string_view>

// Rounds halves away from zero on the value's 15-significant-digit decimal form, the way a
// modeller reads it: 1.005 gives 1.01. A negative value gets "-" in front of the whole text.
std::string formatResult(double value, std::string_view decimalSeparator);

// The general number form of the printed table: up to 15 significant digits, no trailing
// zeros, the locale's decimal separator (so 0.1 + 0.2 prints as 0.3).
std::string formatGeneral(double value, std::string_view decimalSeparator,
                          int significantDigits = 15);

// Fixed notation with exactly that many decimals, as printf's "%.*f" but whatever the C locale:
// the GUI toolkit switches it to the user's, which would write "1,5" into files and labels.
std::string formatFixed(double value, int decimals, std::string_view decimalSeparator = ".");

// The shortest text that reads back as the same number, with a point whatever the locale and
// never "-0": what files and drawings for other programs carry.
std::string shortestNumber(double value);
