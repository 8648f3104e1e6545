// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/CanvasNumbers.h"

#include <cmath>
#include <limits>

namespace {

std::optional<double> quotientOf(double numerator, double divisor) {
    if (divisor == 0 || std::isnan(divisor)) {
        return std::nullopt;
    }
    return numerator / divisor;
}

// The range test comes before the cast: converting an out-of-range double is undefined.
std::optional<std::int16_t> toInt16(double wholeNumber) {
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    if (!(wholeNumber >= lowest && wholeNumber <= highest)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(wholeNumber);
}

} // namespace

std::optional<std::int16_t> flooredScale(double numerator, double divisor) {
    const auto quotient = quotientOf(numerator, divisor);
    if (!quotient) {
        return std::nullopt;
    }
    return toInt16(std::floor(*quotient));
}

std::optional<std::int16_t> roundedScale(double numerator, double divisor) {
    const auto quotient = quotientOf(numerator, divisor);
    if (!quotient) {
        return std::nullopt;
    }
    return toInt16(roundHalfEven(*quotient));
}

double roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) {
        return below + 1;
    }
    if (fraction < 0.5) {
        return below;
    }
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::optional<float> toCanvasCoordinate(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    if (!(std::abs(value) <= largest)) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}
