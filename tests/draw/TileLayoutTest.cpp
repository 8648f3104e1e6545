// SPDX-License-Identifier: GPL-3.0-or-later
// How the full-size figure is cut into pages, against grids worked out by hand.
#include "draw/TileLayout.h"

#include "TestWings.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> labels(const TileLayout& layout) {
    std::vector<std::string> names;
    for (const Tile& tile : layout.pages)
        names.push_back(tile.label);
    return names;
}

FullSizeFigure figureOf(const TestWing& wing) {
    return *buildFullSizeFigure(wing.planform, wing.results, {});
}

TEST(TileLabel, RowLetterThenColumnNumber) {
    EXPECT_EQ(tileLabel(0, 0), "A1");
    EXPECT_EQ(tileLabel(1, 2), "B3");
    EXPECT_EQ(tileLabel(25, 9), "Z10");
    EXPECT_EQ(tileLabel(26, 0), "AA1");
}

// The worked wing without a text block spans -5..1005 by -35..295 mm with the padding. A4
// edge to edge: portrait windows 190 x 239 mm make a 6 x 2 grid, all twelve kept; landscape
// windows 277 x 152 mm a 4 x 3 grid from (-39, -88) whose tile B3 (x 495..772, y 54..206) lies
// between the leading and trailing edges with no line on it.
TEST(TileLayout, TakesTheOrientationWithFewerPagesAndLeavesEmptyTilesOut) {
    const auto layout = layoutTiles(figureOf(workedWing()), wholePaper(kA4));
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->orientation, PageOrientation::Landscape);
    EXPECT_EQ(layout->rows, 3);
    EXPECT_EQ(layout->columns, 4);
    EXPECT_EQ(labels(*layout), (std::vector<std::string>{"A1", "A2", "A3", "A4", "B1", "B2", "B4",
                                                         "C1", "C2", "C3", "C4"}));
    EXPECT_EQ(layout->window, (MmRect{10, 22, 287, 174}));
    EXPECT_EQ(layout->pages.front().figureRect, (MmRect{-39, -88, 238, 64}));
    EXPECT_EQ(layout->pages.back().figureRect, (MmRect{762, 196, 1039, 348}));
}

// A tall narrow wing: 500 mm chord, 100 mm long, its mean chord drawn from -100 to 650 mm. With
// the padding 760 mm high, that is 4 portrait pages (229 mm a step) but 6 landscape ones.
TEST(TileLayout, TallFiguresGoPortrait) {
    const auto layout =
        layoutTiles(figureOf(makeWing({{500, 500, 100, 0}}, 50, 150, 500)), wholePaper(kA4));
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->orientation, PageOrientation::Portrait);
    EXPECT_EQ(labels(*layout), (std::vector<std::string>{"A1", "B1", "C1", "D1"}));
}

TEST(TileLayout, NeighbouringWindowsOverlapByTenMillimetres) {
    const auto layout = layoutTiles(figureOf(workedWing()), wholePaper(kA4));
    ASSERT_TRUE(layout);
    const Tile& a1 = *layout->tileAt(0, 0);
    const Tile& a2 = *layout->tileAt(0, 1);
    const Tile& b1 = *layout->tileAt(1, 0);
    EXPECT_DOUBLE_EQ(a1.figureRect.right - a2.figureRect.left, kTileOverlapMm);
    EXPECT_DOUBLE_EQ(a1.figureRect.bottom - b1.figureRect.top, kTileOverlapMm);
    EXPECT_EQ(layout->tileAt(1, 2), nullptr); // B3, left out
    // A figure point lands on the page where the tile's window shows it.
    EXPECT_EQ(layout->onPage(a2, {a2.figureRect.left, a2.figureRect.top}),
              (MmPoint{layout->window.left, layout->window.top}));
    EXPECT_EQ(layout->onPage(a2, {300, 10}), (MmPoint{10 + 300 - 228, 22 + 10 + 88}));
}

TEST(TileLayout, PrintableAreaAndPaperDecideTheWindow) {
    const TestWing small = makeWing({{60, 40, 80, 10}}, 40, 15, 50);
    const auto a4 = layoutTiles(figureOf(small), wholePaper(kA4));
    const auto letter = layoutTiles(figureOf(small), wholePaper(kLetter));
    ASSERT_TRUE(a4 && letter);
    EXPECT_EQ(labels(*a4), std::vector<std::string>{"A1"});
    EXPECT_EQ(a4->orientation, PageOrientation::Portrait); // a tie keeps portrait
    EXPECT_DOUBLE_EQ(letter->usable.right, 215.9 - 10);
    EXPECT_DOUBLE_EQ(letter->window.bottom, 279.4 - 10 - kTileFooterMm);
    // A printer that cannot print within 5 mm of the edges leaves a smaller window.
    const auto printer = layoutTiles(figureOf(small), {{200, 287}, {287, 200}});
    ASSERT_TRUE(printer);
    EXPECT_DOUBLE_EQ(printer->window.width(), 180);
}

TEST(TileLayout, RefusesWhatPaperCannotHold) {
    // A 100 m half-wing would need thousands of pages.
    EXPECT_FALSE(layoutTiles(figureOf(makeWing({{250, 150, 100000, 50}})), wholePaper(kA4)));
    // A page too small for a window wider than the overlap.
    EXPECT_FALSE(layoutTiles(figureOf(workedWing()), {{50, 60}, {60, 50}}));
}

} // namespace
