// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the lenient number reading and the result formatting: any text reads as some number,
// and any number formats to the "# ##0.00" pattern, which reads back to it within half a cent.
// A text typed in inches is kept as millimetres that read back to it and show it again.
#include "FuzzCheck.h"
#include "calc/DisplayUnits.h"
#include "calc/FormatResult.h"
#include "calc/ParseNumber.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// The two ASCII separators a locale gives, and a multi-byte one (the Arabic decimal separator).
constexpr std::string_view kSeparators[] = {".", ",", "\xd9\xab"};

bool allDigits(std::string_view text) {
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

// [-][thousands] blank, 1 to 3 digits, the separator, 2 digits; thousands only before 3 digits,
// no leading zeros, and a sign only on a text that is not zero.
bool hasResultPattern(std::string_view text, std::string_view separator) {
    const bool negative = text.starts_with('-');
    if (negative)
        text.remove_prefix(1);
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos || text.size() < blank + separator.size() + 4)
        return false;
    const std::string_view thousands = text.substr(0, blank);
    const std::string_view rest = text.substr(blank + 1);
    const std::string_view units = rest.substr(0, rest.size() - separator.size() - 2);
    const std::string_view cents = rest.substr(rest.size() - 2);
    const std::string_view integer = thousands.empty() ? units : thousands;
    const bool unitsFit = units.size() == 3 || (thousands.empty() && !units.empty());
    const bool zero = units.find_first_not_of('0') == std::string_view::npos &&
                      cents.find_first_not_of('0') == std::string_view::npos && thousands.empty();
    return allDigits(thousands) && allDigits(units) && allDigits(cents) && unitsFit &&
           (integer.size() == 1 || integer[0] != '0') && !(negative && zero) &&
           rest.substr(units.size(), separator.size()) == separator;
}

void checkFormatted(double value, std::string_view separator) {
    const std::string text = formatResult(value, separator);
    if (!std::isfinite(value))
        return;
    require(hasResultPattern(text, separator), "a result text follows # ##0.00");
    // Near the top of the double range the 15-digit rounding itself lies beyond it.
    if (std::abs(value) > 1e300)
        return;
    std::string joined = text;
    joined.erase(joined.find(' '), 1);
    const double readBack = parseNumber(joined, separator);
    require(std::abs(readBack - value) <= 0.005 + std::abs(value) * 1e-14,
            "a result text reads back within half a cent");
}

// The general form has no exponent for ordinary values and keeps 15 significant digits.
void checkGeneral(double value) {
    const std::string text = formatGeneral(value, ".");
    require(!text.empty(), "the general form is never empty");
    if (!std::isfinite(value) || text.find('e') != std::string::npos)
        return;
    const double readBack = parseNumber(text, ".");
    require(std::abs(readBack - value) <= std::abs(value) * 1e-14,
            "the general form reads back to 15 digits");
}

// The millimetres keep 15 significant digits, the field shows the inches to 1/10000.
void checkInches(std::string_view typed, std::string_view separator) {
    const DisplayUnits inches({LengthUnit::Inch, MassUnit::Gram}, {});
    const std::string stored = inches.storedText(typed, FieldQuantity::Length, separator);
    const double meant = parseTypedValue(typed, separator) * kMillimetresPerInch;
    if (stored.empty() || !std::isfinite(meant))
        return;
    require(stored.find_first_not_of("-0123456789.,\xd9\xab") == std::string::npos,
            "millimetres are written as a plain number");
    const double kept = parseNumber(stored, separator);
    require(std::abs(kept - meant) <= std::abs(meant) * 1e-14 + 1e-300,
            "the millimetres keep 15 digits of what was typed");
    const double shown =
        parseTypedValue(inches.shownText(stored, FieldQuantity::Length, separator), separator);
    require(std::abs(shown - kept / kMillimetresPerInch) <= 5e-5 + std::abs(shown) * 1e-14,
            "the field shows the inches to 1/10000");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string_view separator : kSeparators) {
        const double value = parseNumber(text, separator);
        require(!std::isnan(value), "a typed text never reads as NaN");
        checkFormatted(value, separator);
        checkGeneral(value);
        checkInches(text, separator);
    }
    // "," and "." are decimal points whatever the locale says.
    require(parseNumber(text, ",") == parseNumber(text, "."), "both points read alike");

    // The same bytes as a raw double reach NaN, infinities and subnormals too.
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        checkFormatted(raw, ",");
        checkGeneral(raw);
    }
    return 0;
}
