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

// The outline is cut along and held against the light: 0.35 mm and black. Marks are thinner.
TEST_F(TilePage, OutlinesAreWideAndBlack) {
    RecordingCanvas canvas;
    drawTileFigure(figure, layout, 0, canvas);
    std::size_t outlines = 0;
    for (const RecordedLine& line : canvas.lines()) {
        if (line.style == LineStyle::Solid && line.colour == kBlack) {
            EXPECT_NEAR(line.width / kTwipsPerMm, 0.35, 1e-3);
            ++outlines;
        } else {
            EXPECT_GT(line.width, 0);
        }
    }
    EXPECT_GT(outlines, 0u);
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

// The map's small texts: the labels in the cells, or the row letters and column numbers at its
// edges, whatever the size of the grid.
std::vector<RecordedText> mapLabels(const RecordingCanvas& canvas, const TileLayout& layout) {
    std::vector<RecordedText> labels;
    for (const RecordedText& text : canvas.texts()) {
        if (text.size <= 5 && text.x >= (layout.usable.left + 125) * kTwipsPerMm &&
            text.y > layout.window.bottom * kTwipsPerMm)
            labels.push_back(text);
    }
    return labels;
}

TEST(TileMap, KeepsItsLabelsAtEverySize) {
    const struct {
        const char* name;
        TestWing wing;
        bool inCells;
    } rows[] = {
        {"eleven_pages_label_their_cells", workedWing(), true},
        {"a_ten_metre_wing_labels_rows_and_columns_at_the_edges",
         makeWing({{300, 200, 10000, 50}}, 4600, 85, 250), false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto figure = buildFullSizeFigure(row.wing.planform, row.wing.results, {});
        ASSERT_TRUE(figure);
        const auto layout = layoutTiles(*figure, wholePaper(kA4));
        ASSERT_TRUE(layout);
        RecordingCanvas canvas;
        drawTileFurniture(*figure, *layout, 0, {"", "", "", "Map", "", "Rows and columns"}, canvas);
        const std::vector<RecordedText> labels = mapLabels(canvas, *layout);
        const auto labelled = [&](const std::string& text) {
            return std::ranges::any_of(labels,
                                       [&](const RecordedText& t) { return t.text == text; });
        };
        EXPECT_TRUE(std::ranges::any_of(
            canvas.texts(), [](const RecordedText& t) { return t.text == "Rows and columns"; }));
        if (row.inCells) {
            for (const Tile& tile : layout->pages)
                EXPECT_TRUE(labelled(tile.label)) << tile.label;
            continue;
        }
        for (int r = 0; r < layout->rows; ++r)
            EXPECT_TRUE(labelled(rowLetters(r))) << rowLetters(r);
        std::vector<RecordedText> columns;
        std::ranges::copy_if(labels, std::back_inserter(columns), [](const RecordedText& t) {
            return !t.text.empty() && std::isdigit(static_cast<unsigned char>(t.text[0]));
        });
        ASSERT_GE(columns.size(), 5u);
        EXPECT_EQ(columns.front().text, "1");
        for (std::size_t i = 1; i < columns.size(); ++i) // side by side, never on each other
            EXPECT_GE(columns[i].x,
                      columns[i - 1].x + fakeTextMetrics().width(columns[i - 1].text,
                                                                 {"Arial", columns[i - 1].size}));
    }
}

TEST(PageOfPages, FillsInThePageAndTheCount) {
    EXPECT_EQ(pageOfPagesText("page %1 of %2", 3, 7), "page 3 of 7");
    EXPECT_EQ(pageOfPagesText("%2 pages, this is %1", 1, 12), "12 pages, this is 1");
    EXPECT_EQ(pageOfPagesText("100% sure %", 1, 2), "100% sure %");
}

} // namespace
