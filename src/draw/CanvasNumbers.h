// SPDX-License-Identifier: GPL-3.0-or-later
// Guards for the two narrowing steps of the drawings: a quotient to a 16-bit drawing scale, and a
// double-precision coordinate to the canvas's single precision. Each refuses what would not fit.
#pragma once

#include <cstdint>
#include <optional>

// floor(numerator / divisor) as a 16-bit integer; nothing for a zero or NaN divisor or a
// quotient outside -32768..32767.
std::optional<std::int16_t> flooredScale(double numerator, double divisor);

// numerator / divisor rounded to the nearest integer, halves to even, under the same limits.
std::optional<std::int16_t> roundedScale(double numerator, double divisor);

// Banker's rounding, independent of the floating-point rounding mode: 0.5 gives 0, 2.5 gives 2.
double roundHalfEven(double value);

// The value as a canvas coordinate; nothing for NaN, infinity or a value beyond float's range.
std::optional<float> toCanvasCoordinate(double value);
