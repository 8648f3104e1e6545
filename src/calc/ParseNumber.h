// SPDX-License-Identifier: GPL-3.0-or-later
// The lenient reading of a typed number: never rejects anything, unreadable text counts as 0.
#pragma once

#include <optional>
#include <string_view>

// "," and "." always act as the decimal point, and so does the locale's own separator.
// Reading stops at the first character that is not a digit, sign or decimal point; the value is
// the longest leading "[sign]digits[.digits]" of what was read, or 0 when there is none.
double parseNumber(std::string_view text, std::string_view decimalSeparator);

// The strict reading of a number a file carries: an optional "+", then what from_chars reads,
// with a point whatever the locale, and nothing after it; nothing when the text is not that.
std::optional<double> plainNumber(std::string_view text);
