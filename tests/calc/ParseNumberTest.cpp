// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ParseNumber.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

struct ParseCase {
    const char* text;
    const char* separator;
    double value;
};

const ParseCase kCases[] = {
    {"", ".", 0},
    {"12,5", ".", 12.5},
    {"12.5", ".", 12.5},
    {" 12", ".", 0}, // a leading blank ends the scan at once
    {"12 345", ".", 12},
    {"1.234,5", ".", 1.234}, // the second point ends the number
    {"12abc", ".", 12},
    {"-3", ".", -3},
    {"+3", ".", 3},
    {"3-4", ".", 3},
    {",5", ".", 0.5},
    {"abc", ".", 0},
    {"-", ".", 0},
    {".", ".", 0},
    {"+-3", ".", 0}, // two signs: no number
    {"5.", ".", 5},
    {"-.25", ".", -0.25},
    {"250mm", ".", 250},
    {"250\xc2\xb2", ".", 250}, // "²" ends the scan
    {"\xd9\xa3", ".", 0},      // other scripts' digits are not digits here
    {"12\xd9\xab"
     "5",
     "\xd9\xab", 12.5}, // a multi-byte locale separator
    {"12;5", ";", 12.5},
    {"007", ".", 7},
};

TEST(ParseNumber, ReadsTheLongestLeadingNumber) {
    for (const auto& c : kCases)
        EXPECT_DOUBLE_EQ(parseNumber(c.text, c.separator), c.value) << '"' << c.text << '"';
}

TEST(ParseNumber, HugeAndTinyNumbersDoNotThrowOrWrap) {
    const std::string hugeDigits(10000, '9');
    EXPECT_TRUE(std::isinf(parseNumber(hugeDigits, ".")));
    EXPECT_TRUE(std::isinf(parseNumber("-" + hugeDigits, ".")));
    EXPECT_LT(parseNumber("-" + hugeDigits, "."), 0);
    EXPECT_EQ(parseNumber("0." + std::string(400, '0') + "1", "."), 0.0);
    EXPECT_EQ(parseNumber("-0." + std::string(400, '0') + "1", "."), 0.0);
    EXPECT_EQ(parseNumber("1e308", "."), 1.0); // the exponent letter ends the scan
}

// Short numbers take a fast path of their own; it must round exactly as the C library does.
TEST(ParseNumber, ShortNumbersRoundLikeTheCLibrary) {
    // At its edge: 15 digits take the short path; these 16 would be rounded twice there.
    for (const char* text :
         {"999999999999999", "-9099928289208.907", "9099928289208.907", ".1234567890123456"})
        EXPECT_EQ(parseNumber(text, "."), std::strtod(text, nullptr)) << text;
    std::mt19937_64 random(2024);
    for (int i = 0; i < 20000; ++i) {
        const int digits = 1 + static_cast<int>(random() % 15);
        std::string text = std::to_string(random() % 10);
        for (int d = 1; d < digits; ++d)
            text += static_cast<char>('0' + random() % 10);
        const auto point = random() % (text.size() + 1);
        if (point < text.size())
            text = text.substr(0, point) + "." + text.substr(point);
        EXPECT_EQ(parseNumber(text, "."), std::strtod(text.c_str(), nullptr)) << text;
    }
}

} // namespace
