// SPDX-License-Identifier: GPL-3.0-or-later
// One page of the tiled print as the canvas receives it: the figure cut at the window, the
// calibration bars, the label and "page k of n", the alignment marks, the map on page 1 only.
#include "draw/TilePage.h"

#include "TestWings.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr Rgb kGrey{150, 150, 150};

class TilePage : public testing::Test {
protected:
    void SetUp() override {
        const TestWing wing = workedWing();
        figure = *buildFullSizeFigure(wing.planform, wing.results, {});
        layout = *layoutTiles(figure, wholePaper(kA4));
    }

    RecordingCanvas drawPage(std::size_t page) const {
        RecordingCanvas canvas;
        drawTileFigure(figure, layout, page, canvas);
        drawTileFurniture(figure, layout, page, texts, canvas);
        return canvas;
    }

    static double lengthMm(const RecordedLine& line) {
        return std::hypot(line.to.x - line.from.x, line.to.y - line.from.y) / kTwipsPerMm;
    }

    static bool hasText(const RecordingCanvas& canvas, const std::string& text) {
        return std::ranges::any_of(canvas.texts(),
                                   [&](const RecordedText& t) { return t.text == text; });
    }

    FullSizeFigure figure;
    TileLayout layout;
    TilePageTexts texts{"My glider", "page %1 of %2", "Check the bars", "Assembly"};
};

TEST_F(TilePage, EveryPageCarriesBothCalibrationBarsLabelAndPageNumber) {
    ASSERT_EQ(layout.pages.size(), 11u);
    for (std::size_t page = 0; page < layout.pages.size(); ++page) {
        SCOPED_TRACE(page);
        const RecordingCanvas canvas = drawPage(page);
        for (const CalibrationBar& bar : kCalibrationBars) {
            const bool found = std::ranges::any_of(canvas.lines(), [&](const RecordedLine& line) {
                return line.colour == kBlack && line.style == LineStyle::Solid &&
                       line.from.y == line.to.y && std::abs(lengthMm(line) - bar.lengthMm) < 1e-3;
            });
            EXPECT_TRUE(found) << bar.label;
            EXPECT_TRUE(hasText(canvas, std::string(bar.label)));
        }
        EXPECT_TRUE(hasText(canvas, layout.pages[page].label));
        EXPECT_TRUE(
            hasText(canvas, "     page " + std::to_string(page + 1) + " of 11     My glider"));
        EXPECT_TRUE(hasText(canvas, "Check the bars"));
        // The assembly map is on page 1 alone.
        EXPECT_EQ(hasText(canvas, "Assembly"), page == 0);
    }
}

TEST_F(TilePage, FigureLinesStayInsideTheWindow) {
    const TwipRect window = windowTwips(layout);
    for (std::size_t page = 0; page < layout.pages.size(); ++page) {
        SCOPED_TRACE(page);
        RecordingCanvas canvas;
        drawTileFigure(figure, layout, page, canvas);
        EXPECT_FALSE(canvas.lines().empty());
        for (const RecordedLine& line : canvas.lines()) {
            for (const CanvasPoint point : {line.from, line.to}) {
                EXPECT_GE(point.x, window.left - 0.01);
                EXPECT_LE(point.x, window.left + window.width + 0.01);
                EXPECT_GE(point.y, window.top - 0.01);
                EXPECT_LE(point.y, window.top + window.height + 0.01);
            }
        }
    }
}

// B3 is left out: B2 has a guide towards A2 (above) and B1 (left), none towards B3.
TEST_F(TilePage, AlignmentGuidesOnlyTowardsKeptNeighbours) {
    const Tile* b2 = layout.tileAt(1, 1);
    ASSERT_NE(b2, nullptr);
    const auto page = static_cast<std::size_t>(b2 - layout.pages.data());
    const RecordingCanvas canvas = drawPage(page);
    const auto guideAt = [&](bool vertical, double mm) {
        const auto at = static_cast<float>(mm * kTwipsPerMm);
        return std::ranges::any_of(canvas.lines(), [&](const RecordedLine& line) {
            return line.colour == kGrey && line.style == LineStyle::DashDotDot &&
                   (vertical ? line.from.x == at && line.to.x == at
                             : line.from.y == at && line.to.y == at);
        });
    };
    const MmRect& w = layout.window;
    EXPECT_TRUE(guideAt(true, w.left + kTileOverlapMm));    // B1
    EXPECT_FALSE(guideAt(true, w.right - kTileOverlapMm));  // B3, left out
    EXPECT_TRUE(guideAt(false, w.top + kTileOverlapMm));    // A2
    EXPECT_TRUE(guideAt(false, w.bottom - kTileOverlapMm)); // C2
}

TEST(PageOfPages, FillsInThePageAndTheCount) {
    EXPECT_EQ(pageOfPagesText("page %1 of %2", 3, 7), "page 3 of 7");
    EXPECT_EQ(pageOfPagesText("%2 pages, this is %1", 1, 12), "12 pages, this is 1");
    EXPECT_EQ(pageOfPagesText("100% sure %", 1, 2), "100% sure %");
}

} // namespace
