// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/DisplayUnits.h"

#include "base/TextEncoding.h"
#include "calc/FormatResult.h"
#include "calc/ParseNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Enough decimals for 15 significant digits of the smallest double.
constexpr int kAllDecimals = 340;
// A field in inches or ounces: to 1/10000, a whole number of 64ths (1/64 in) exactly.
constexpr int kShownDecimals = 4;
constexpr int kSixtyFourthsDecimals = 6;

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// "n/d" of whole numbers; anything else, a denominator of 0 among them, is still being typed.
double fractionValue(std::string_view token) {
    const std::size_t slash = token.find('/');
    const std::string_view numerator = token.substr(0, slash);
    const std::string_view denominator = token.substr(slash + 1);
    if (!allDigits(numerator) || !allDigits(denominator))
        return 0;
    const double divisor = parseNumber(denominator, "");
    return divisor == 0 ? 0 : parseNumber(numerator, "") / divisor;
}

// Fixed notation, never an exponent, which parseNumber would not read: at most 15 significant
// digits and mostDecimals decimals, without trailing zeros. Beyond the doubles a value is the
// largest one, too large to calculate with as the infinite one would be.
std::string decimalText(double value, int mostDecimals, std::string_view decimalSeparator) {
    if (!std::isfinite(value))
        value = std::copysign(std::numeric_limits<double>::max(), value);
    if (value == 0)
        return "0";
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::clamp(14 - exponent, 0, mostDecimals);
    char buffer[400]; // the longest double in fixed notation, with its sign and point
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            .ptr;
    std::string text(buffer, end);
    if (const std::size_t point = text.find('.'); point != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
        else
            text.replace(point, 1, decimalSeparator);
    }
    return text == "-0" ? "0" : text;
}

bool isWholeSixtyFourths(double value) {
    const double sixtyFourths = value * 64;
    return std::fabs(sixtyFourths - std::round(sixtyFourths)) <=
           1e-9 * std::max(1.0, std::fabs(sixtyFourths));
}

std::string fieldNumber(double value, std::string_view decimalSeparator) {
    return decimalText(value, isWholeSixtyFourths(value) ? kSixtyFourthsDecimals : kShownDecimals,
                       decimalSeparator);
}

} // namespace

std::string_view unitName(LengthUnit unit) {
    return unit == LengthUnit::Inch ? "in" : "mm";
}

std::string_view unitName(MassUnit unit) {
    return unit == MassUnit::Ounce ? "oz" : "g";
}

std::optional<LengthUnit> lengthUnitNamed(std::string_view name) {
    for (const LengthUnit unit : {LengthUnit::Millimetre, LengthUnit::Inch}) {
        if (equalsIgnoringAsciiCase(name, unitName(unit)))
            return unit;
    }
    return std::nullopt;
}

std::optional<MassUnit> massUnitNamed(std::string_view name) {
    for (const MassUnit unit : {MassUnit::Gram, MassUnit::Ounce}) {
        if (equalsIgnoringAsciiCase(name, unitName(unit)))
            return unit;
    }
    return std::nullopt;
}

double parseTypedValue(std::string_view text, std::string_view decimalSeparator) {
    std::string_view rest = trimmed(text);
    const bool negative = rest.starts_with('-');
    if (negative)
        rest = trimmed(rest.substr(1));
    double fraction = 0;
    const std::size_t lastBlank = rest.find_last_of(' ');
    const std::string_view last =
        lastBlank == std::string_view::npos ? rest : rest.substr(lastBlank + 1);
    if (last.find('/') != std::string_view::npos) {
        fraction = fractionValue(last);
        rest.remove_suffix(last.size());
    }
    std::string whole;
    std::ranges::copy_if(rest, std::back_inserter(whole), [](char c) { return c != ' '; });
    const double value = parseNumber(whole, decimalSeparator) + fraction;
    return negative ? -value : value;
}

DisplayUnits::DisplayUnits(UnitChoice choice, UnitWords words)
    : choice_(choice)
    , words_(std::move(words)) {}

double DisplayUnits::factor(FieldQuantity quantity) const {
    if (quantity == FieldQuantity::Length && choice_.length == LengthUnit::Inch)
        return kMillimetresPerInch;
    if (quantity == FieldQuantity::Mass && choice_.mass == MassUnit::Ounce)
        return kGramsPerOunce;
    return 1;
}

bool DisplayUnits::showsStored(FieldQuantity quantity) const {
    return factor(quantity) == 1;
}

std::string DisplayUnits::storedText(std::string_view typed, FieldQuantity quantity,
                                     std::string_view decimalSeparator) const {
    if (showsStored(quantity))
        return std::string(typed);
    if (trimmed(typed).empty())
        return {};
    return decimalText(parseTypedValue(typed, decimalSeparator) * factor(quantity), kAllDecimals,
                       decimalSeparator);
}

std::string DisplayUnits::shownText(std::string_view stored, FieldQuantity quantity,
                                    std::string_view decimalSeparator) const {
    if (showsStored(quantity))
        return std::string(stored);
    if (trimmed(stored).empty())
        return {};
    return fieldNumber(parseNumber(stored, decimalSeparator) / factor(quantity), decimalSeparator);
}

double DisplayUnits::length(double mm) const {
    return mm / factor(FieldQuantity::Length);
}

double DisplayUnits::area(double squareMillimetres) const {
    return length(length(squareMillimetres));
}

int DisplayUnits::lengthDecimals(int millimetreDecimals) const {
    return millimetreDecimals + (choice_.length == LengthUnit::Inch ? 2 : 0);
}

double DisplayUnits::mass(double grams) const {
    return grams / factor(FieldQuantity::Mass);
}

std::string DisplayUnits::lengthWord() const {
    return choice_.length == LengthUnit::Inch ? words_.inch : "mm";
}

std::string DisplayUnits::massWord() const {
    return choice_.mass == MassUnit::Ounce ? words_.ounce : "g";
}

std::string DisplayUnits::lengthResult(double mm, std::string_view decimalSeparator) const {
    const std::string value = formatResult(length(mm), decimalSeparator);
    if (choice_.length == LengthUnit::Millimetre)
        return value + std::string(kLengthUnit);
    return value + " " + words_.inch + "  ";
}

std::string DisplayUnits::areaResult(double squareDecimetres,
                                     std::string_view decimalSeparator) const {
    if (choice_.length == LengthUnit::Millimetre)
        return formatResult(squareDecimetres, decimalSeparator) + std::string(kAreaUnit);
    const double squareInches =
        squareDecimetres * 10000 / (kMillimetresPerInch * kMillimetresPerInch);
    return formatResult(squareInches, decimalSeparator) + " " + words_.squareInch + "  ";
}

std::string DisplayUnits::loadingResult(double gramsPerSquareDecimetre,
                                        std::string_view decimalSeparator) const {
    if (choice_.mass == MassUnit::Gram)
        return formatResult(gramsPerSquareDecimetre, decimalSeparator) + std::string(kLoadingUnit);
    const double ouncesPerSquareFoot =
        gramsPerSquareDecimetre * kSquareDecimetresPerSquareFoot / kGramsPerOunce;
    return formatResult(ouncesPerSquareFoot, decimalSeparator) + " " + words_.loading;
}

std::string DisplayUnits::lengthNumber(double mm, std::string_view decimalSeparator) const {
    if (choice_.length == LengthUnit::Millimetre)
        return formatGeneral(mm, decimalSeparator);
    return fieldNumber(length(mm), decimalSeparator);
}

std::string DisplayUnits::massNumber(double grams, std::string_view decimalSeparator) const {
    if (choice_.mass == MassUnit::Gram)
        return formatGeneral(grams, decimalSeparator);
    return fieldNumber(mass(grams), decimalSeparator);
}
