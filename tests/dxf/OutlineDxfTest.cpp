// SPDX-License-Identifier: GPL-3.0-or-later
// The DXF document as text: group codes and values in pairs, numbers exact and in the C form,
// text that stays readable in any code page. Reading it back with ezdxf is the print tests' part.
#include "dxf/OutlineDxf.h"

#include "dxf/DxfDocument.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace {

struct Group {
    int code;
    std::string value;
};

// Every pair of lines: a right-aligned integer code, then its value.
std::vector<Group> groupsOf(const std::string& document) {
    std::vector<Group> groups;
    std::istringstream lines(document);
    std::string code;
    std::string value;
    while (std::getline(lines, code) && std::getline(lines, value)) {
        std::size_t used = 0;
        const int number = std::stoi(code, &used);
        EXPECT_EQ(used, code.size()) << code;
        EXPECT_EQ(code.size(), std::max<std::size_t>(3, std::to_string(number).size())) << code;
        groups.push_back({number, value});
    }
    return groups;
}

FullSizeFigure oddFigure() {
    FullSizeFigure figure;
    figure.outlines = {{{0, 0}, {1234.5678, 0.1}, {1234.5678, 200.000001}, {0, 250}}};
    figure.marks = {{{{0, -30}, {0, -2}}, FigureLayer::Axis}};
    figure.texts = {{{0, 300}, "Area : 40.00 dm\u00b2"}};
    return figure;
}

TEST(OutlineDxf, IsPairsOfCodesAndValuesEndingInEof) {
    const std::vector<Group> groups = groupsOf(outlineDxfDocument(oddFigure()));
    ASSERT_FALSE(groups.empty());
    EXPECT_EQ(groups.back().code, 0);
    EXPECT_EQ(groups.back().value, "EOF");
    const auto closedPolylines = std::ranges::count_if(
        groups, [](const Group& g) { return g.code == 0 && g.value == "LWPOLYLINE"; });
    EXPECT_EQ(closedPolylines, 2); // the panel, and the one around all panels on OUTER
}

// Shortest exact decimals with a point, never an exponent or -0.
TEST(OutlineDxf, WritesNumbersExactlyInTheCForm) {
    const std::string document = outlineDxfDocument(oddFigure());
    for (const char* number :
         {"\n 10\n1234.5678\n 20\n-0.1\n", "\n 20\n-200.000001\n", "\n 10\n0.0\n 20\n0.0\n"})
        EXPECT_NE(document.find(number), std::string::npos) << number;
    EXPECT_EQ(document.find("-0.0\n"), std::string::npos);
    EXPECT_EQ(document.find("e+"), std::string::npos);
    EXPECT_EQ(document.find(",5"), std::string::npos);
}

TEST(OutlineDxf, TextOutsideAsciiIsEscaped) {
    EXPECT_EQ(dxfText("Area : 40.00 dm\u00b2"), "Area : 40.00 dm\\U+00B2");
    EXPECT_EQ(dxfText("\u20ac and \u00e9"), "\\U+20AC and \\U+00E9");
    EXPECT_EQ(dxfText("\xf0\x9f\x9b\xa9"), "\\U+FFFD"); // beyond four hex digits
    EXPECT_EQ(dxfText("bad \xff byte"), "bad \\U+FFFD byte");
    EXPECT_EQ(dxfText("cut \xc3"), "cut \\U+FFFD");
    EXPECT_NE(outlineDxfDocument(oddFigure()).find("\n  1\nArea : 40.00 dm\\U+00B2\n"),
              std::string::npos);
}

TEST(OutlineDxf, DeclaresMillimetresAndEveryLayerWithItsColour) {
    const std::vector<Group> groups = groupsOf(outlineDxfDocument(oddFigure()));
    const auto after = [&](const std::string& variable) {
        const auto found = std::ranges::find_if(
            groups, [&](const Group& g) { return g.code == 9 && g.value == variable; });
        return found == groups.end() || found + 1 == groups.end() ? Group{-1, ""} : *(found + 1);
    };
    EXPECT_EQ(after("$ACADVER").value, "AC1015");
    EXPECT_EQ(after("$INSUNITS").value, "4");
    EXPECT_EQ(after("$MEASUREMENT").value, "1");
    std::vector<std::pair<std::string_view, int>> layers{{"OUTER", 4}};
    for (const LayerStyle& style : layersOf(oddFigure()))
        layers.emplace_back(style.name, style.aciColour);
    for (const auto& [layer, aciColour] : layers) {
        SCOPED_TRACE(layer);
        const auto name = std::ranges::find_if(
            groups, [&](const Group& g) { return g.code == 2 && g.value == layer; });
        ASSERT_NE(name, groups.end());
        const auto colour =
            std::find_if(name, groups.end(), [](const Group& g) { return g.code == 62; });
        ASSERT_NE(colour, groups.end());
        EXPECT_EQ(colour->value, std::to_string(aciColour));
    }
}

} // namespace
