// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/FormatResult.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    double value;
    const char* separator;
    const char* text;
};

const FormatCase kResultCases[] = {
    {1234.5, ".", "1 234.50"},
    {1400, ".", "1 400.00"},
    {29, ".", " 29.00"},
    {6.7586, ".", " 6.76"},
    {0.5, ".", " 0.50"},
    {999.996, ".", "1 000.00"},
    {1234567.891, ".", "1234 567.89"},
    {1.005, ".", " 1.01"}, // halves away from zero on the decimal form, not the binary one
    {2.675, ".", " 2.68"},
    {0, ".", " 0.00"},
    {0.004, ".", " 0.00"},
    {0.005, ".", " 0.01"},
    {0.0049999, ".", " 0.00"},
    {99.995, ".", " 100.00"},
    {-29, ".", "- 29.00"},
    {-1234.5, ".", "-1 234.50"},
    {-0.001, ".", " 0.00"}, // rounds to zero: no sign
    {1234.5, ",", "1 234,50"},
    {1e20, ".", "100000000000000000 000.00"},
    {1e-300, ".", " 0.00"},
};

TEST(FormatResult, FollowsThePattern) {
    for (const auto& c : kResultCases)
        EXPECT_EQ(formatResult(c.value, c.separator), c.text) << c.value;
}

TEST(FormatResult, VeryLargeValuesKeepEveryDigit) {
    const std::string text = formatResult(1e308, ".");
    EXPECT_EQ(text.size(), 1 + 308 + 1 + 3); // 309 digits, the blank, ".00"
    EXPECT_EQ(text.substr(0, 2), "10");
    EXPECT_EQ(text.substr(text.size() - 7), " 000.00");
}

const FormatCase kGeneralCases[] = {
    {250, ".", "250"},
    {12.5, ",", "12,5"},
    {-50, ".", "-50"},
    {0.1 + 0.2, ".", "0.3"},
    {1.0 / 3, ".", "0.333333333333333"},
    {-0.0, ".", "0"},
};

TEST(FormatGeneral, ShowsFifteenSignificantDigits) {
    for (const auto& c : kGeneralCases)
        EXPECT_EQ(formatGeneral(c.value, c.separator), c.text) << c.value;
}

} // namespace
