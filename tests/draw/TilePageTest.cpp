// SPDX-License-Identifier: GPL-3.0-or-later
// One page of the tiled print as the canvas receives it: the figure cut at the window, the
// calibration bars, the label and "page k of n", the alignment marks, the map on page 1 only.
#include "draw/TilePage.h"

#include "TestWings.h"
#include "draw/TileEdges.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <gtest/gtest.h>
#include <iterator>

namespace {

bool hasText(const RecordingCanvas& canvas, const std::string& text) {
    return std::ranges::any_of(canvas.texts(),
                               [&](const RecordedText& t) { return t.text == text; });
}

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
        drawTileFurniture(figure, layout, page, {page + 1, layout.pages.size()}, texts, canvas);
        return canvas;
    }

    static double lengthMm(const RecordedLine& line) {
        return std::hypot(line.to.x - line.from.x, line.to.y - line.from.y) / kTwipsPerMm;
    }

    FullSizeFigure figure;
    TileLayout layout;
    TilePageTexts texts{"My glider", "page %1 of %2", "Check the bars",
                        "Assembly",  "Cut here",      "Rows A, columns 1"};
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

// B3 is left out. B2 is cut on its left and top sides, towards B1 and A2, and C2 is laid on its
// dashed line at the bottom; every overlap with a neighbour has two crosses, and each neighbour
// is named. The guides are dark grey, not the outline's black.
TEST_F(TilePage, EdgesSayWhereToCutAndWhatLiesNext) {
    const Tile* b2 = layout.tileAt(1, 1);
    ASSERT_NE(b2, nullptr);
    const auto page = static_cast<std::size_t>(b2 - layout.pages.data());
    const RecordingCanvas canvas = drawPage(page);
    const auto guidesAt = [&](bool vertical, double mm) {
        const auto at = static_cast<float>(mm * kTwipsPerMm);
        return std::ranges::count_if(canvas.lines(), [&](const RecordedLine& line) {
            return line.colour == kGuideColour && line.style == LineStyle::DashDotDot &&
                   (vertical ? line.from.x == at && line.to.x == at
                             : line.from.y == at && line.to.y == at);
        });
    };
    const MmRect& w = layout.window;
    EXPECT_EQ(guidesAt(true, w.left + kTileOverlapMm), 0);    // B1: B2 is cut there
    EXPECT_EQ(guidesAt(true, w.right - kTileOverlapMm), 0);   // B3, left out
    EXPECT_EQ(guidesAt(false, w.top + kTileOverlapMm), 0);    // A2: B2 is cut there
    EXPECT_EQ(guidesAt(false, w.bottom - kTileOverlapMm), 1); // C2 is laid on it
    const auto count = [&](const std::string& text) {
        return std::ranges::count_if(canvas.texts(),
                                     [&](const RecordedText& t) { return t.text == text; });
    };
    EXPECT_EQ(count(std::string(kScissors)), 4);
    for (const char* neighbour : {"A2", "B1", "C2"})
        EXPECT_EQ(count(neighbour), 1) << neighbour;
    EXPECT_EQ(count("B3"), 0);
    const auto crossArms = std::ranges::count_if(canvas.lines(), [](const RecordedLine& line) {
        return line.colour == kGuideColour && line.style == LineStyle::Solid &&
               std::abs(lengthMm(line) - 5) < 1e-3;
    });
    EXPECT_EQ(crossArms, 3 * 2 * 2);
    EXPECT_TRUE(hasText(canvas, texts.cutNote));
}

// Fake metrics make a 10-point character 100 twips wide: the header's room is what is left of
// the usable width after the label and "page k of n".
TEST_F(TilePage, ALongTitleIsShortenedWithAnEllipsisToFitTheHeader) {
    texts.title = std::string(300, 'W');
    const RecordingCanvas canvas = drawPage(0);
    const auto header = std::ranges::find_if(canvas.texts(), [](const RecordedText& t) {
        return t.text.starts_with("     page 1 of 11");
    });
    ASSERT_NE(header, canvas.texts().end());
    EXPECT_TRUE(header->text.ends_with("W\u2026"));
    const double right = header->x + fakeTextMetrics().width(header->text, {"Arial", 10});
    EXPECT_LE(right, layout.usable.right * kTwipsPerMm + 1e-3);
    EXPECT_GT(right, (layout.usable.right - 3) * kTwipsPerMm); // no more cut than needed
}

// The map's small texts are its labels: in the cells while they are large enough, else row
// letters and column numbers at its edges, side by side.
TEST(TileMap, KeepsItsLabelsAtEverySize) {
    for (const bool tenMetres : {false, true}) {
        SCOPED_TRACE(tenMetres ? "ten metres, labels at the edges"
                               : "eleven pages, labelled cells");
        const TestWing wing =
            tenMetres ? makeWing({{300, 200, 10000, 50}}, 4600, 85, 250) : workedWing();
        const auto figure = buildFullSizeFigure(wing.planform, wing.results, {});
        const auto layout = layoutTiles(*figure, wholePaper(kA4));
        ASSERT_TRUE(layout);
        RecordingCanvas canvas;
        drawTileFurniture(*figure, *layout, 0, {1, layout->pages.size()},
                          {"", "", "", "Map", "", "Rows, columns"}, canvas);
        std::vector<RecordedText> labels;
        std::ranges::copy_if(canvas.texts(), std::back_inserter(labels), [&](const auto& text) {
            return text.size <= 5 && text.y > layout->window.bottom * kTwipsPerMm &&
                   text.x >= (layout->usable.left + 125) * kTwipsPerMm;
        });
        const auto labelled = [&](const std::string& text) {
            return std::ranges::any_of(labels,
                                       [&](const auto& label) { return label.text == text; });
        };
        EXPECT_TRUE(hasText(canvas, "Rows, columns"));
        for (const Tile& tile : layout->pages)
            EXPECT_EQ(labelled(tile.label), !tenMetres) << tile.label;
        if (!tenMetres)
            continue;
        for (int row = 0; row < layout->rows; ++row)
            EXPECT_TRUE(labelled(rowLetters(row))) << rowLetters(row);
        std::erase_if(labels, [](const auto& label) { return !std::isdigit(label.text[0]); });
        ASSERT_GE(labels.size(), 5u);
        EXPECT_EQ(labels.front().text, "1");
        for (std::size_t i = 1; i < labels.size(); ++i)
            EXPECT_GE(labels[i].x,
                      labels[i - 1].x + fakeTextMetrics().width(labels[i - 1].text, {"Arial", 4}));
    }
}

TEST(PageOfPages, FillsInThePageAndTheCount) {
    EXPECT_EQ(pageOfPagesText("page %1 of %2", 3, 7), "page 3 of 7");
    EXPECT_EQ(pageOfPagesText("%2 pages, this is %1", 1, 12), "12 pages, this is 1");
    EXPECT_EQ(pageOfPagesText("100% sure %", 1, 2), "100% sure %");
}

} // namespace
