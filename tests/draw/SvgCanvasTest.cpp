// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/SvgCanvas.h"

#include "TestWings.h"
#include "draw/DrawPreview.h"

#include <charconv>
#include <gtest/gtest.h>
#include <regex>

namespace {

int count(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(SvgCanvas, WorkedPreviewIsOneLinePerStroke) {
    SvgCanvas canvas(kPreviewWidthTwips, kPreviewHeightTwips);
    const TestWing wing = workedWing();
    drawPreview(wing.planform, wing.results, canvas);
    const std::string svg = canvas.document();
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_TRUE(svg.ends_with("/>\n</svg>\n"));
    EXPECT_NE(svg.find(R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 8055 2295" )"
                       R"(width="537" height="153">)"),
              std::string::npos);
    EXPECT_NE(svg.find(R"(<rect x="0" y="0" width="8055" height="2295" fill="#ffffff"/>)"),
              std::string::npos);
    EXPECT_EQ(count(svg, "<line "), 9);
    EXPECT_NE(svg.find(R"(<line x1="525" y1="1995" x2="525" y2="245" stroke="#000000" )"
                       R"(stroke-width="1" vector-effect="non-scaling-stroke"/>)"),
              std::string::npos);
    EXPECT_NE(svg.find(R"(<line x1="3745" y1="140" x2="3745" y2="2240" stroke="#ff0000" )"
                       R"(stroke-width="1" vector-effect="non-scaling-stroke" )"
                       R"(stroke-dasharray="4 2 1 2 1 2"/>)"),
              std::string::npos);
    EXPECT_EQ(count(svg, "stroke=\"#000000\""), 4);
    EXPECT_EQ(count(svg, "stroke=\"#ff0000\""), 3);
    EXPECT_EQ(count(svg, "stroke=\"#0000ff\""), 2);
    EXPECT_EQ(count(svg, "stroke-dasharray="), 5);
}

TEST(SvgCanvas, CoordinatesReadBackAsTheSameFloats) {
    SvgCanvas canvas(kPreviewWidthTwips, kPreviewHeightTwips);
    const CanvasPoint from{0.1f, 7680.4f};
    const CanvasPoint to{-1234.5677f, 1e-7f};
    canvas.lineInColour(from, to, kRed);
    const std::string svg = canvas.document();
    const std::regex attribute(R"re((x1|y1|x2|y2)="([^"]+)")re");
    std::vector<float> read;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), attribute);
         it != std::sregex_iterator(); ++it) {
        const std::string text = (*it)[2];
        float value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        read.push_back(value);
    }
    EXPECT_EQ(read, (std::vector<float>{from.x, from.y, to.x, to.y}));
}

} // namespace
