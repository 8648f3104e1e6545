// SPDX-License-Identifier: GPL-3.0-or-later
// Typed texts in inches and ounces, fractions included, become the millimetre and gram texts of
// the files, and back; millimetres and grams pass untouched.
#include "calc/DisplayUnits.h"

#include <gtest/gtest.h>

namespace {

const DisplayUnits kImperial({LengthUnit::Inch, MassUnit::Ounce}, {});
const DisplayUnits kMetric;

struct FieldCase {
    const char* typed;
    FieldQuantity quantity;
    const char* separator;
    const char* stored;
    const char* shown; // the stored text as the field shows it again
};

// As modellers write values, a fraction still being typed counting for nothing yet; fifteen
// significant digits of millimetres or grams; a field to 1/10000 (64ths in UnitsWindowTest).
const FieldCase kFieldCases[] = {
    {" 12  3/8 ", FieldQuantity::Length, ".", "314.325", "12.375"},
    {"10 000 1/2", FieldQuantity::Length, ",", "254012,7", "10000,5"},
    {"3 1/", FieldQuantity::Length, ".", "76.2", "3"},
    {"7/0", FieldQuantity::Length, ".", "0", "0"},
    {"-", FieldQuantity::Length, ".", "0", "0"},
    {"3 1/2", FieldQuantity::Length, ".", "88.9", "3.5"},
    {"1/3", FieldQuantity::Length, ".", "8.46666666666667", "0.3333"},
    {"0,1", FieldQuantity::Length, ",", "2,54", "0,1"},
    {"-7/16", FieldQuantity::Length, ".", "-11.1125", "-0.4375"},
    {"-0", FieldQuantity::Length, ".", "0", "0"},
    {"123456789012345", FieldQuantity::Length, ".", "3135802440913563", "123456789012345"},
    {"  ", FieldQuantity::Length, ".", "", ""},
    {"3 1/2", FieldQuantity::Mass, ".", "99.2233309375", "3.5"},
    {"3 1/2", FieldQuantity::Plain, ".", "3 1/2", "3 1/2"},
};

TEST(DisplayUnits, TypedInchesAndOuncesAreStoredInMillimetresAndGrams) {
    for (const FieldCase& row : kFieldCases) {
        SCOPED_TRACE(row.typed);
        const std::string stored = kImperial.storedText(row.typed, row.quantity, row.separator);
        EXPECT_EQ(stored, row.stored);
        EXPECT_EQ(kImperial.shownText(stored, row.quantity, row.separator), row.shown);
        EXPECT_EQ(kMetric.storedText(row.typed, row.quantity, row.separator), row.typed);
    }
    // Beyond the doubles a value stays too large to calculate with, never an unreadable "inf".
    EXPECT_EQ(
        kImperial.storedText("1" + std::string(400, '0'), FieldQuantity::Length, ".").substr(0, 6),
        "179769");
}

} // namespace
