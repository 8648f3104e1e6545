// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/SheetLayout.h"

#include "TestWings.h"

#include <gtest/gtest.h>

namespace {

struct DenominatorCase {
    const char* name;
    PanelInput panel; // root chord, tip chord, half-span, tip leading edge
    int expected;
};

const DenominatorCase kDenominatorCases[] = {
    {"half_span_5000_is_not_above_5000", {250, 150, 5000, 50}, 20},
    {"half_span_5000_01_takes_1_50", {250, 150, 5000.01, 50}, 50},
    {"limits_2500_and_1100_count_as_fitting", {250, 1100, 2500, 0}, 10},
    {"half_span_2500_01_takes_1_20", {250, 150, 2500.01, 50}, 20},
    {"tip_trailing_edge_1101_takes_1_20", {250, 1051, 1000, 50}, 20},
    {"half_span_1250_with_tip_550_takes_1_5", {250, 500, 1250, 50}, 5},
    {"half_span_1250_with_tip_551_takes_1_10", {250, 501, 1250, 50}, 10},
    {"half_span_1250_01_takes_1_10", {250, 150, 1250.01, 50}, 10},
    {"forward_extent_1200_takes_1_20", {1000, 300, 800, -200}, 20},
    {"forward_extent_550_fits_1_5", {500, 300, 800, -50}, 5},
    {"forward_extent_551_takes_1_10", {501, 300, 800, -50}, 10},
    {"unswept_root_chord_800_is_not_counted_by_the_rule", {800, 500, 1000, 0}, 5},
    // The rule's scale would put the outline off the paper: the next scale that keeps it on.
    {"unswept_root_chord_1200_leaves_the_paper_at_1_5", {1200, 500, 1000, 0}, 10},
    {"tip_trailing_edge_3300_leaves_the_paper_at_1_20", {250, 3000, 2000, 300}, 50},
    {"half_span_14345_stays_on_the_paper_at_1_50", {250, 150, 14345, 50}, 50},
    {"half_span_20000_leaves_it_even_at_1_50", {250, 150, 20000, 50}, 0},
    {"chord_8200_leaves_it_even_at_1_50", {250, 8000, 6000, 200}, 0},
    {"half_span_zero_takes_none", {250, 150, 0, 50}, 0},
    {"negative_half_span_fitting_1_10_takes_none", {250, 150, -100, 50}, 0},
    {"negative_half_span_with_long_tip_takes_1_20", {250, 2000, -100, 0}, 20},
};

TEST(SheetDenominator, FollowsTheExactComparisons) {
    for (const DenominatorCase& row : kDenominatorCases) {
        SCOPED_TRACE(row.name);
        const TestWing wing = makeWing({row.panel});
        EXPECT_EQ(chooseSheetDenominator(wing.planform, wing.results), row.expected);
    }
}

struct PlacementCase {
    const char* name;
    TestWing wing;
    std::vector<std::array<CanvasPoint, 4>> panels;
};

// All at 1/5, 11.34 page units per millimetre.
// The worked wing's placement is checked with its printed sheet.
const PlacementCase kPlacementCases[] = {
    {"tip_behind_the_root_trailing_edge_centres_that_extent",
     makeWing({{100, 150, 1000, 100}}),
     {{{{2464, 7001.5f}, {2464, 5867.5f}, {13804, 7001.5f}, {13804, 8702.5f}}}}},
    {"forward_sweep_centres_from_tip_leading_edge_to_root_trailing_edge",
     makeWing({{200, 100, 800, -50}}),
     {{{{3598, 8702.5f}, {3598, 6434.5f}, {12670, 5867.5f}, {12670, 7001.5f}}}}},
    {"three_panels_chained_at_the_tip_trailing_edges",
     makeWing({{250, 200, 400, 30}, {180, 120, 300, 80}, {120, 60, 100, 150}}),
     {{{{3598, 8702.5f}, {3598, 5867.5f}, {8134, 6207.7f}, {8134, 8475.7f}}},
      {{{8134, 8475.7f}, {8134, 6434.5f}, {11536, 7001.5f}, {11536, 8362.3f}}},
      {{{11536, 8362.3f}, {11536, 7001.5f}, {12670, 7795.3f}, {12670, 8475.7f}}}}},
};

TEST(SheetPlacement, PutsEachPanelWhereExpected) {
    for (const PlacementCase& row : kPlacementCases) {
        SCOPED_TRACE(row.name);
        const TestWing& wing = row.wing;
        const auto figure = placeSheetFigure(wing.planform, wing.results, 56.7 / 5);
        ASSERT_TRUE(figure.has_value());
        RecordingCanvas canvas;
        drawFigure(*figure, canvas);
        const std::vector<RecordedLine> expected = outline(row.panels);
        ASSERT_EQ(canvas.lines().size(), expected.size() + 5);
        expectLinesNear({canvas.lines().begin(), canvas.lines().begin() + expected.size()},
                        expected);
    }
}

} // namespace
