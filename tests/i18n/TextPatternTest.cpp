// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/TextPattern.h"

#include <gtest/gtest.h>

namespace {

struct PatternCase {
    const char* name;
    const char* pattern;
    const char* expected;
};

// Two values, "A" and "B", in every row.
const PatternCase kPatternCases[] = {
    {"in order", "%1, panel %2", "A, panel B"},
    {"reordered by the translation", "%2 : %1", "B : A"},
    {"used twice", "%1 or %1", "A or A"},
    {"no value for %3 leaves it", "%1 %3", "A %3"},
    {"percent sign of the text stays", "25 to 33 % of %1", "25 to 33 % of A"},
    {"percent at the end stays", "%1 %", "A %"},
    {"%0 is no placeholder", "%0%1", "%0A"},
    {"no placeholders", "Sketch", "Sketch"},
    {"empty", "", ""},
};

TEST(TextPattern, FillsInTheValuesWhereTheTextPutsThem) {
    for (const PatternCase& row : kPatternCases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fillIn(row.pattern, {"A", "B"}), row.expected);
    }
}

// A field's name such as "CG (% MAC)" is inserted as it is, never read as a pattern itself.
TEST(TextPattern, ValuesAreNotSearchedAgain) {
    EXPECT_EQ(fillIn("\"%1\" is below zero", {"%2 (% MAC)", "x"}), "\"%2 (% MAC)\" is below zero");
}

} // namespace
