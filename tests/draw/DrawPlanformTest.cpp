// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestWings.h"
#include "draw/DrawPreview.h"

#include <gtest/gtest.h>

namespace {

struct ScaleCase {
    const char* name;
    PanelInput panel;
    std::int16_t expectedScale; // whole twips per mm, 0 when drawn at an exact fraction
    double drawnScale;
};

const ScaleCase kScaleCases[] = {
    {"worked_wing_limited_by_span", {250, 150, 1000, 50}, 7, 7},
    {"root_280_rounds_7_5_up_to_8", {280, 150, 500, 50}, 8, 8},
    {"root_840_rounds_2_5_down_to_2", {840, 150, 500, 50}, 2, 2},
    {"root_4200_rounds_0_5_down_to_0_so_is_drawn_at_0_5", {4200, 100, 1000, 0}, 0, 0.5},
    {"root_2800_rounds_0_75_up_to_1", {2800, 100, 1000, 0}, 1, 1},
    {"tip_extent_beyond_root_is_floored", {200, 200, 500, 80}, 7, 7},
    {"tip_extent_equal_to_root_is_floored", {280, 200, 500, 80}, 7, 7},
    {"forward_sweep_uses_2300", {200, 100, 500, -50}, 9, 9},
    {"forward_sweep_beyond_2300_is_drawn_at_its_fraction",
     {2000, 100, 500, -400},
     0,
     2300.0 / 2400},
    {"half_span_beyond_7800_is_drawn_at_its_fraction", {250, 150, 8000, 50}, 0, 7800.0 / 8000},
    {"half_span_0_1_mm_beyond_16_bits_leaves_the_chord_to_decide", {250, 150, 0.1, 50}, 8, 8},
    {"tip_extent_0_01_mm_beyond_16_bits_leaves_the_root_to_decide", {250, 0.01, 1000, 0}, 7, 7},
    {"both_beyond_16_bits_drawn_at_the_smaller_quotient", {0.05, 0.05, 0.2, 0}, 0, 39000},
};

TEST(PreviewScale, IsTheSmallerOfTheTwoLimits) {
    for (const ScaleCase& row : kScaleCases) {
        SCOPED_TRACE(row.name);
        const TestWing wing = makeWing({row.panel});
        RecordingCanvas canvas;
        const PreviewOutcome outcome = drawPreview(wing.planform, wing.results, canvas);
        EXPECT_TRUE(outcome.drawn);
        EXPECT_EQ(outcome.drawScale, row.expectedScale);
        EXPECT_DOUBLE_EQ(outcome.scale, row.drawnScale);
        EXPECT_EQ(canvas.lines().size(), 4u + 5u);
    }
}

struct OutlineCase {
    const char* name;
    TestWing wing;
    std::vector<std::array<CanvasPoint, 4>> panels;
};

const OutlineCase kOutlineCases[] = {
    {"worked_wing", workedWing(), {{{{525, 1995}, {525, 245}, {7525, 595}, {7525, 1645}}}}},
    {"root_280",
     makeWing({{280, 150, 500, 50}}),
     {{{{2025, 2240}, {2025, 0}, {6025, 400}, {6025, 1600}}}}},
    {"forward_sweep_pokes_above_the_top",
     makeWing({{200, 100, 500, -50}}),
     {{{{1775, 2245}, {1775, 445}, {6275, -5}, {6275, 895}}}}},
    {"three_panels_chained_at_the_tip_trailing_edges",
     makeWing({{250, 200, 400, 30}, {180, 120, 300, 80}, {120, 60, 100, 150}}),
     {{{{825, 2120}, {825, 120}, {4025, 360}, {4025, 1960}}},
      {{{4025, 1960}, {4025, 520}, {6425, 920}, {6425, 1880}}},
      {{{6425, 1880}, {6425, 920}, {7225, 1480}, {7225, 1960}}}}},
};

TEST(PreviewOutline, DrawsFourSolidBlackLinesPerPanel) {
    for (const OutlineCase& row : kOutlineCases) {
        SCOPED_TRACE(row.name);
        RecordingCanvas canvas;
        drawPreview(row.wing.planform, row.wing.results, canvas);
        const std::vector<RecordedLine> expected = outline(row.panels);
        ASSERT_EQ(canvas.lines().size(), expected.size() + 5);
        const std::vector<RecordedLine> outline(canvas.lines().begin(),
                                                canvas.lines().begin() + expected.size());
        EXPECT_EQ(outline, expected);
    }
}

std::vector<RecordedLine> marks(const RecordingCanvas& canvas) {
    return {canvas.lines().end() - 5, canvas.lines().end()};
}

TEST(PreviewMarks, WorkedWingMarksInOrderThenSolidAgain) {
    const TestWing wing = workedWing(); // mean chord 200 at 460 mm, balance 85 mm, scale 7
    RecordingCanvas canvas;
    drawPreview(wing.planform, wing.results, canvas);
    const std::vector<RecordedLine> expected{
        mark({3545, 840}, {3945, 840}, kBlue), mark({3745, 140}, {3745, 2240}, kRed),
        mark({525, -55}, {525, 225}, kRed),    mark({525, 2015}, {525, 2395}, kRed),
        mark({575, 245}, {3845, 245}, kBlue),
    };
    EXPECT_EQ(marks(canvas), expected);
    EXPECT_EQ(canvas.lineStyle(), LineStyle::Solid);
}

// A 10 m half-span gives no whole scale: it is drawn at 0.78 twips per mm, centred in the field,
// where the whole-number rule collapsed every outline to one point.
TEST(PreviewOutline, AWingTooLargeForWholeTwipsIsDrawnAtItsFraction) {
    const TestWing wing = makeWing({{250, 150, 10000, 50}}, 4600, 85, 200);
    RecordingCanvas canvas;
    const PreviewOutcome outcome = drawPreview(wing.planform, wing.results, canvas);
    EXPECT_EQ(outcome.drawScale, 0);
    ASSERT_DOUBLE_EQ(outcome.scale, 0.78);
    // x from (7900 - 7800) / 2 + 75 = 125 to 7925; the 250 mm root is 195 twips, centred.
    const std::vector<RecordedLine> expected =
        outline({{{{125, 1217.5f}, {125, 1022.5f}, {7925, 1061.5f}, {7925, 1178.5f}}}});
    ASSERT_EQ(canvas.lines().size(), expected.size() + 5);
    expectLinesNear({canvas.lines().begin(), canvas.lines().begin() + 4}, expected);
}

struct SkipCase {
    const char* name;
    TestWing wing;
};

const SkipCase kSkipCases[] = {
    {"half_span_zero", makeWing({{250, 150, 100, 50}, {150, 100, -100, 60}})},
    {"half_span_nan", changed(workedWing(), [](TestWing& w) { w.results.tipStation[0] = kNaN; })},
    {"tip_extent_zero", makeWing({{250, -50, 1000, 50}})},
    {"forward_extent_zero", makeWing({{-50, 100, 1000, -50}})},
    {"last_panel_below_0", changed(workedWing(), [](TestWing& w) { w.planform.lastPanel = -1; })},
    {"last_panel_above_4", changed(workedWing(), [](TestWing& w) { w.planform.lastPanel = 5; })},
    {"mean_chord_nan", changed(workedWing(), [](TestWing& w) { w.results.meanChord[0] = kNaN; })},
    {"coordinate_beyond_single_precision",
     changed(makeWing({{250, 150, 1e39, 50}, {150, 100, 1000, 60}}),
             [](TestWing& w) { w.results.tipStation[1] = 1000; })},
};

TEST(PreviewSkip, LeavesTheCanvasBlankAndSaysWhy) {
    for (const SkipCase& row : kSkipCases) {
        SCOPED_TRACE(row.name);
        RecordingCanvas canvas;
        const TestWing worked = workedWing();
        drawPreview(worked.planform, worked.results, canvas);

        const PreviewOutcome outcome = drawPreview(row.wing.planform, row.wing.results, canvas);
        EXPECT_FALSE(outcome.drawn);
        EXPECT_FALSE(outcome.skippedReason.empty());
        EXPECT_EQ(canvas.clearCount(), 2);
        EXPECT_TRUE(canvas.lines().empty());
    }
}

} // namespace

// Rib stations go first, in light grey, so the outline and the marks are drawn over them: here at
// the root, half way and the tip of the worked wing (root 250 to tip 150 over 1000, scale 7).
TEST(PreviewRibs, AreLinesAcrossThePanelAtTheirFraction) {
    const TestWing wing = workedWing();
    RecordingCanvas canvas;
    const std::vector<RibStation> ribs{{0, 1, 0}, {0, 2, 0.5}, {0, 3, 1}};
    drawPreview(wing.planform, wing.results, canvas, std::nullopt, ribs);
    const Rgb grey{170, 170, 170};
    const std::vector<RecordedLine> expected{{{525, 245}, {525, 1995}, grey},
                                             {{4025, 420}, {4025, 1820}, grey},
                                             {{7525, 595}, {7525, 1645}, grey}};
    ASSERT_EQ(canvas.lines().size(), 3u + 4 + 5);
    EXPECT_EQ(std::vector<RecordedLine>(canvas.lines().begin(), canvas.lines().begin() + 3),
              expected);
}
