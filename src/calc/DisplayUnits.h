// SPDX-License-Identifier: GPL-3.0-or-later
// The units a person reads and types: lengths in millimetres or inches, mass in grams or ounces.
// Files, the calculation and every drawing keep millimetres and grams; only texts convert.
#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class LengthUnit { Millimetre, Inch };
enum class MassUnit { Gram, Ounce };

struct UnitChoice {
    LengthUnit length = LengthUnit::Millimetre;
    MassUnit mass = MassUnit::Gram;
    bool operator==(const UnitChoice&) const = default;
};

inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kGramsPerOunce = 28.349523125;
inline constexpr double kSquareDecimetresPerSquareFoot = 9.290304;

// The names the command line and tz.ini use: "mm", "in", "g", "oz"; read in any letter case.
std::string_view unitName(LengthUnit unit);
std::string_view unitName(MassUnit unit);
std::optional<LengthUnit> lengthUnitNamed(std::string_view name);
std::optional<MassUnit> massUnitNamed(std::string_view name);

// What a field holds: a length and the mass follow the choice, a percentage never converts.
enum class FieldQuantity { Plain, Length, Mass };

// The words of the units beyond millimetres and grams, in the language of the run.
struct UnitWords {
    std::string inch = "in";
    std::string squareInch = "in\u00b2";
    std::string ounce = "oz";
    std::string loading = "oz/ft\u00b2";
};

// The metric units of the result texts, with the blanks of their layout.
inline constexpr std::string_view kLengthUnit = " mm  ";
inline constexpr std::string_view kAreaUnit = " dm\u00b2  ";
inline constexpr std::string_view kLoadingUnit = " g/dm\u00b2";

// A typed value as modellers write it: "3.5", "3,5", "3 1/2", "7/16", "-1 1/4"; other blanks
// group digits ("10 000"). Lenient as parseNumber is: what cannot be read counts as 0, and so does
// a fraction still without its denominator ("3 1/" is 3).
double parseTypedValue(std::string_view text, std::string_view decimalSeparator);

// Texts in the chosen units. The area follows the lengths (dm² or in²), the wing loading the
// mass (g/dm² or oz/ft²). With millimetres and grams every text is the one the program always
// wrote.
class DisplayUnits {
public:
    DisplayUnits() = default;
    DisplayUnits(UnitChoice choice, UnitWords words);

    const UnitChoice& choice() const { return choice_; }
    // True when fields of this quantity show the stored text itself.
    bool showsStored(FieldQuantity quantity) const;

    // A typed text as the files keep it: millimetres or grams to 15 significant digits, an empty
    // text empty. Converted from the typed text each time, never from a shown one.
    std::string storedText(std::string_view typed, FieldQuantity quantity,
                           std::string_view decimalSeparator) const;
    // A stored text as a field shows it: to 1/10000 in (or oz), a whole number of 64ths exactly.
    std::string shownText(std::string_view stored, FieldQuantity quantity,
                          std::string_view decimalSeparator) const;

    double length(double mm) const;
    double area(double squareMillimetres) const; // mm² or in²
    double mass(double grams) const;
    // The decimals of a length or area written to that many decimals of millimetres: two more
    // in inches, 0.1 mm being 0.004 in.
    int lengthDecimals(int millimetreDecimals) const;
    std::string lengthWord() const; // "mm" or the language's inch
    std::string massWord() const;   // "g" or the language's ounce

    // Results in the pattern "# ##0.00" with their unit: "2 600.00 mm  ", " 29.00 dm²  ".
    std::string lengthResult(double mm, std::string_view decimalSeparator) const;
    std::string areaResult(double squareDecimetres, std::string_view decimalSeparator) const;
    std::string loadingResult(double gramsPerSquareDecimetre,
                              std::string_view decimalSeparator) const;
    // A bare value of a table: the general form of millimetres and grams, a field's of the rest.
    std::string lengthNumber(double mm, std::string_view decimalSeparator) const;
    std::string massNumber(double grams, std::string_view decimalSeparator) const;

private:
    double factor(FieldQuantity quantity) const;

    UnitChoice choice_;
    UnitWords words_;
};
