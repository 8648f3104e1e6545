#include "SvgCanvas.h"

#include "DrawPlanform.h"
#include "TestWings.h"

#include <charconv>
#include <gtest/gtest.h>
#include <regex>

namespace {

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// Checks that tags nest: every element is either self-closed or closed by its own end tag.
bool TagsNest(const std::string& document) {
    std::vector<std::string> open;
    const std::regex tag(R"(<(/?)([A-Za-z?][^\s/>]*)[^>]*?(/?)>)");
    for (auto it = std::sregex_iterator(document.begin(), document.end(), tag);
         it != std::sregex_iterator(); ++it) {
        const std::string name = (*it)[2];
        if (name.front() == '?' || (*it)[3] == "/") {
            continue;
        }
        if ((*it)[1] == "/") {
            if (open.empty() || open.back() != name) {
                return false;
            }
            open.pop_back();
        } else {
            open.push_back(name);
        }
    }
    return open.empty();
}

std::string WorkedPreviewSvg() {
    SvgCanvas canvas(kPreviewWidthTwips, kPreviewHeightTwips);
    const TestWing wing = WorkedWing();
    DrawPlanform(wing.planform, wing.results, canvas);
    return canvas.document();
}

TEST(SvgCanvas, WorkedPreviewIsOneLinePerStroke) {
    const std::string svg = WorkedPreviewSvg();
    EXPECT_TRUE(TagsNest(svg));
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find(R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 8055 2295" )"
                       R"(width="537" height="153">)"),
              std::string::npos);
    EXPECT_NE(svg.find(R"(<rect x="0" y="0" width="8055" height="2295" fill="#ffffff"/>)"),
              std::string::npos);
    EXPECT_EQ(Count(svg, "<line "), 9);
    EXPECT_NE(svg.find(R"(<line x1="525" y1="1995" x2="525" y2="245" stroke="#000000" )"
                       R"(stroke-width="1" vector-effect="non-scaling-stroke"/>)"),
              std::string::npos);
    EXPECT_NE(svg.find(R"(<line x1="3745" y1="140" x2="3745" y2="2240" stroke="#ff0000" )"
                       R"(stroke-width="1" vector-effect="non-scaling-stroke" )"
                       R"(stroke-dasharray="4 2 1 2 1 2"/>)"),
              std::string::npos);
    EXPECT_EQ(Count(svg, "stroke=\"#000000\""), 4);
    EXPECT_EQ(Count(svg, "stroke=\"#ff0000\""), 3);
    EXPECT_EQ(Count(svg, "stroke=\"#0000ff\""), 2);
    EXPECT_EQ(Count(svg, "stroke-dasharray="), 5);
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

TEST(SvgCanvas, ClearLeavesOnlyTheBackground) {
    SvgCanvas canvas(kPreviewWidthTwips, kPreviewHeightTwips);
    canvas.lineBy({1, 2}, 3, 4);
    canvas.clear();
    EXPECT_EQ(Count(canvas.document(), "<line"), 0);
    EXPECT_TRUE(TagsNest(canvas.document()));
}

} // namespace
