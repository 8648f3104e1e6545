// SPDX-License-Identifier: GPL-3.0-or-later
// Typed texts in inches and ounces become the millimetre and gram texts of the files, and back;
// results take the chosen units. Millimetres and grams pass untouched.
#include "calc/DisplayUnits.h"

#include <gtest/gtest.h>

namespace {

const DisplayUnits kImperial({LengthUnit::Inch, MassUnit::Ounce}, {});
const DisplayUnits kMetric;

struct TypedCase {
    const char* typed;
    const char* separator;
    double value;
};

// As modellers write values; a fraction still being typed counts for nothing yet.
const TypedCase kTypedCases[] = {
    {"3.5", ".", 3.5},      {"3,5", ".", 3.5},
    {"3 1/2", ".", 3.5},    {"7/16", ".", 0.4375},
    {"-1 1/4", ".", -1.25}, {" 12  3/8 ", ".", 12.375},
    {"10 000", ".", 10000}, {"10 000 1/2", ",", 10000.5},
    {"3 1/", ".", 3},       {"7/0", ".", 0},
    {"1/2/3", ".", 0},      {"", ".", 0},
    {"-", ".", 0},          {"2,25", ",", 2.25},
};

TEST(DisplayUnits, ReadsTheValuesModellersType) {
    for (const TypedCase& row : kTypedCases)
        EXPECT_DOUBLE_EQ(parseTypedValue(row.typed, row.separator), row.value) << row.typed;
}

struct FieldCase {
    const char* typed;
    FieldQuantity quantity;
    const char* stored;
    const char* shown; // the stored text as the field shows it again
};

// Fifteen significant digits of millimetres or grams; a field to 1/10000, 64ths exactly.
const FieldCase kFieldCases[] = {
    {"3 1/2", FieldQuantity::Length, "88.9", "3.5"},
    {"1/64", FieldQuantity::Length, "0.396875", "0.015625"},
    {"1/3", FieldQuantity::Length, "8.46666666666667", "0.3333"},
    {"0.1", FieldQuantity::Length, "2.54", "0.1"},
    {"-7/16", FieldQuantity::Length, "-11.1125", "-0.4375"},
    {"-0", FieldQuantity::Length, "0", "0"},
    {"123456789012345", FieldQuantity::Length, "3135802440913563", "123456789012345"},
    {"  ", FieldQuantity::Length, "", ""},
    {"3 1/2", FieldQuantity::Mass, "99.2233309375", "3.5"},
    {"3 1/2", FieldQuantity::Plain, "3 1/2", "3 1/2"},
};

TEST(DisplayUnits, TypedInchesAndOuncesAreStoredInMillimetresAndGrams) {
    for (const FieldCase& row : kFieldCases) {
        SCOPED_TRACE(row.typed);
        const std::string stored = kImperial.storedText(row.typed, row.quantity, ".");
        EXPECT_EQ(stored, row.stored);
        EXPECT_EQ(kImperial.shownText(stored, row.quantity, "."), row.shown);
        EXPECT_EQ(kMetric.storedText(row.typed, row.quantity, "."), row.typed);
    }
    EXPECT_EQ(kImperial.storedText("0,5", FieldQuantity::Length, ","), "12,7");
    EXPECT_EQ(kImperial.shownText("200", FieldQuantity::Length, ","), "7,874");
    // Beyond the doubles a value stays too large to calculate with, never an unreadable "inf".
    EXPECT_EQ(
        kImperial.storedText("1" + std::string(400, '0'), FieldQuantity::Length, ".").substr(0, 6),
        "179769");
}

TEST(DisplayUnits, ResultsTakeTheChosenUnitsAndItsWords) {
    const DisplayUnits french({LengthUnit::Inch, MassUnit::Gram},
                              {"po", "po\u00b2", "oz", "oz/pi"});
    EXPECT_EQ(kImperial.lengthResult(1400, "."), " 55.12 in  ");
    EXPECT_EQ(kImperial.areaResult(29, "."), " 449.50 in\u00b2  ");
    EXPECT_EQ(kImperial.loadingResult(51.72, "."), " 16.95 oz/ft\u00b2");
    EXPECT_EQ(french.lengthResult(-25.4, ","), "- 1,00 po  ");
    EXPECT_EQ(french.loadingResult(51.72, ","), " 51,72 g/dm\u00b2");
    EXPECT_EQ(kMetric.lengthResult(1400, "."), "1 400.00 mm  ");
    EXPECT_EQ(kImperial.lengthNumber(250, "."), "9.8425");
    EXPECT_EQ(kMetric.lengthNumber(250, "."), "250");
    EXPECT_EQ(kImperial.massNumber(1500, "."), "52.9109");
}

TEST(DisplayUnits, NamesAsTheCommandLineAndTzIniWriteThem) {
    EXPECT_EQ(lengthUnitNamed("IN"), LengthUnit::Inch);
    EXPECT_EQ(lengthUnitNamed("mm"), LengthUnit::Millimetre);
    EXPECT_EQ(massUnitNamed("Oz"), MassUnit::Ounce);
    EXPECT_EQ(lengthUnitNamed("cm"), std::nullopt);
    EXPECT_EQ(massUnitNamed(""), std::nullopt);
    EXPECT_EQ(unitName(MassUnit::Gram), "g");
}

} // namespace
