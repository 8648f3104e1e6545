// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/FormatResult.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

// The value times 100, rounded half away from zero on its 15-significant-digit decimal form,
// as a string of decimal digits without sign.
std::string roundedCents(double magnitude) {
    // to_chars, unlike printf, ignores the C locale that the GUI toolkit switches on.
    char buffer[40];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14)
            .ptr;
    const std::string text(buffer, end); // d.dddddddddddddde±x
    const std::string digits = text.substr(0, 1) + text.substr(2, 14);
    const int exponent = std::atoi(text.c_str() + text.find('e') + 1);

    // Digits of `digits` that stand before the point of the value times 100.
    const int integerDigits = exponent + 3;
    if (integerDigits <= 0)
        return (integerDigits == 0 && digits[0] >= '5') ? "1" : "0";
    if (integerDigits >= static_cast<int>(digits.size()))
        return digits + std::string(integerDigits - digits.size(), '0');

    std::string cents = digits.substr(0, integerDigits);
    if (digits[integerDigits] >= '5') {
        int pos = integerDigits - 1;
        while (pos >= 0 && cents[pos] == '9')
            cents[pos--] = '0';
        if (pos < 0)
            cents.insert(cents.begin(), '1');
        else
            ++cents[pos];
    }
    return cents;
}

std::string withoutLeadingZeros(const std::string& digits) {
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string{} : digits.substr(first);
}

} // namespace

std::string formatResult(double value, std::string_view decimalSeparator) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";

    std::string cents = withoutLeadingZeros(roundedCents(std::fabs(value)));
    const bool negative = value < 0 && !cents.empty();
    if (cents.size() < 3)
        cents.insert(0, 3 - cents.size(), '0');

    const std::string integerPart = cents.substr(0, cents.size() - 2);
    const std::string fraction = cents.substr(cents.size() - 2);
    // The blank of the pattern is a literal: always written, before the last three digits.
    const std::size_t split = integerPart.size() > 3 ? integerPart.size() - 3 : 0;
    std::string text = integerPart.substr(0, split) + " " + integerPart.substr(split);
    text += decimalSeparator;
    text += fraction;
    return negative ? "-" + text : text;
}

std::string formatGeneral(double value, std::string_view decimalSeparator, int significantDigits) {
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::general, significantDigits)
                         .ptr;
    std::string text(buffer, end);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text == "-0" ? "0" : text;
}

std::string shortestNumber(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0).ptr;
    return std::string(buffer, end);
}

std::string formatFixed(double value, int decimals, std::string_view decimalSeparator) {
    char buffer[400]; // the longest double in fixed notation, with its sign and point
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    std::string text(buffer, end);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}
