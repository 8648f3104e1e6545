// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ParseNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace {

bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// Collects digits, signs and decimal points (as ".") until the first other character.
std::string scanNumberCharacters(std::string_view text, std::string_view decimalSeparator) {
    std::string work;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (isAsciiDigit(c) || c == '+' || c == '-') {
            work += c;
            ++pos;
        } else if (c == '.' || c == ',') {
            work += '.';
            ++pos;
        } else if (!decimalSeparator.empty() && text.substr(pos).starts_with(decimalSeparator)) {
            work += '.';
            pos += decimalSeparator.size();
        } else {
            break;
        }
    }
    return work;
}

// The longest "[sign]digits[.digits]" at the start of the work string, without the "+".
std::string leadingNumber(std::string_view work) {
    std::string number;
    std::size_t pos = 0;
    if (pos < work.size() && (work[pos] == '+' || work[pos] == '-')) {
        if (work[pos] == '-')
            number += '-';
        ++pos;
    }
    bool seenPoint = false;
    bool seenDigit = false;
    for (; pos < work.size(); ++pos) {
        const char c = work[pos];
        if (isAsciiDigit(c)) {
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        number += c;
    }
    return seenDigit ? number : std::string{};
}

// from_chars reports both overflow and underflow as out of range; tell them apart by whether
// any non-zero digit stands before the point.
double outOfRangeValue(std::string_view number) {
    const bool negative = number.starts_with('-');
    const std::string_view digits = number.substr(negative ? 1 : 0);
    const std::string_view integerPart = digits.substr(0, digits.find('.'));
    const bool large = integerPart.find_first_not_of('0') != std::string_view::npos;
    const double magnitude = large ? HUGE_VAL : 0.0;
    return negative ? -magnitude : magnitude;
}

// Typed numbers are short: with at most 15 digits the digits form an exact integer and a power of
// ten up to 1e22 is exact too, so one IEEE division gives the correctly rounded value at once.
std::optional<double> shortNumberValue(std::string_view number) {
    constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool negative = number.starts_with('-');
    std::int64_t digits = 0;
    int digitCount = 0;
    int fractionDigits = -1;
    for (const char c : number.substr(negative ? 1 : 0)) {
        if (c == '.') {
            fractionDigits = 0;
            continue;
        }
        if (++digitCount > 15)
            return std::nullopt;
        digits = digits * 10 + (c - '0');
        if (fractionDigits >= 0)
            ++fractionDigits;
    }
    const double value = static_cast<double>(digits) / kPowersOfTen[std::max(fractionDigits, 0)];
    return negative ? -value : value;
}

} // namespace

double parseNumber(std::string_view text, std::string_view decimalSeparator) {
    const std::string number = leadingNumber(scanNumberCharacters(text, decimalSeparator));
    if (number.empty())
        return 0.0;
    if (const std::optional<double> value = shortNumberValue(number))
        return *value;
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::fixed);
    if (error == std::errc::result_out_of_range)
        return outOfRangeValue(number);
    return value;
}

std::optional<double> plainNumber(std::string_view text) {
    if (text.starts_with('+'))
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}
