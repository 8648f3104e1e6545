// SPDX-License-Identifier: GPL-3.0-or-later
// The full-size figure in millimetres, against corners and marks worked out by hand.
#include "draw/FullSizeFigure.h"

#include "TestWings.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

FullSizeOptions optionsOf(bool bothHalves, std::vector<std::string> textLines = {},
                          std::optional<FigureStability> stability = {}) {
    FullSizeOptions options;
    options.bothHalves = bothHalves;
    options.textLines = std::move(textLines);
    options.stability = stability;
    return options;
}

using Corners = std::vector<MmPoint>;

struct OutlineCase {
    const char* name;
    TestWing wing;
    std::vector<Corners> outlines; // root leading, tip leading, tip trailing, root trailing
};

const OutlineCase kOutlineCases[] = {
    {"worked_one_panel_wing",
     makeWing({{250, 150, 1000, 50}}),
     {{{0, 0}, {1000, 50}, {1000, 200}, {0, 250}}}},
    {"forward_swept",
     makeWing({{300, 150, 800, -100}}),
     {{{0, 0}, {800, -100}, {800, 50}, {0, 300}}}},
    {"five_panels_chained_at_the_tip_trailing_edges",
     makeWing({{300, 280, 200, 10},
               {280, 250, 300, 30},
               {250, 200, 250, 60},
               {200, 150, 200, 100},
               {150, 100, 150, 150}}),
     {{{0, 0}, {200, 10}, {200, 290}, {0, 300}},
      {{200, 10}, {500, 30}, {500, 280}, {200, 290}},
      {{500, 30}, {750, 60}, {750, 260}, {500, 280}},
      {{750, 60}, {950, 100}, {950, 250}, {750, 260}},
      {{950, 100}, {1100, 150}, {1100, 250}, {950, 250}}}},
    // A hand-edited file may give a root chord that differs from the tip chord before it: the
    // panel hangs from the previous tip trailing edge, as on the sheet.
    {"unchained_root_chord_hangs_from_the_previous_trailing_edge",
     makeWing({{200, 150, 300, 20}, {100, 80, 200, 60}}),
     {{{0, 0}, {300, 20}, {300, 170}, {0, 200}}, {{300, 70}, {500, 60}, {500, 140}, {300, 170}}}},
};

TEST(FullSizeFigure, PanelsAreClosedPolygonsInMillimetres) {
    for (const OutlineCase& row : kOutlineCases) {
        SCOPED_TRACE(row.name);
        const auto figure = buildFullSizeFigure(row.wing.planform, row.wing.results, {});
        ASSERT_TRUE(figure);
        EXPECT_EQ(figure->outlines, row.outlines);
    }
}

// Results of the worked wing as TestWings gives them: station 460, balance 85, mean chord 200,
// here with its leading edge 23 mm behind the root's (the leading edge's sweep at 460 mm).
TEST(FullSizeFigure, CarriesTheSheetsMarksAndTheMeanChordsEndsAtFullSize) {
    const TestWing wing = changed(workedWing(), [](TestWing& w) { w.results.meanChordX[0] = 23; });
    const struct {
        const char* name;
        std::optional<FigureStability> stability;
        std::vector<FigureLine> extra;
    } rows[] = {
        {"without_stability_data", std::nullopt, {}},
        {"with_neutral_point_95_and_balance_75",
         FigureStability{95, 75},
         {{{{445, 95}, {475, 95}}, FigureLayer::NeutralPoint, LineStyle::Solid},
          {{{448, 75}, {472, 75}}, FigureLayer::MarginBalance, LineStyle::Solid}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto figure =
            buildFullSizeFigure(wing.planform, wing.results, optionsOf(false, {}, row.stability));
        ASSERT_TRUE(figure);
        std::vector<FigureLine> expected{
            {{{450, 85}, {470, 85}}, FigureLayer::Balance},
            {{{460, -15}, {460, 285}}, FigureLayer::MeanChord},
            {{{0, -30}, {0, -2}}, FigureLayer::Axis},
            {{{0, 252}, {0, 290}}, FigureLayer::Axis},
            {{{2, 0}, {465, 0}}, FigureLayer::Balance},
            {{{454, 23}, {466, 23}}, FigureLayer::MeanChord, LineStyle::Solid},
            {{{454, 223}, {466, 223}}, FigureLayer::MeanChord, LineStyle::Solid},
        };
        expected.insert(expected.end(), row.extra.begin(), row.extra.end());
        ASSERT_EQ(figure->marks.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(figure->marks[i].segment, expected[i].segment);
            EXPECT_EQ(figure->marks[i].layer, expected[i].layer);
            EXPECT_EQ(figure->marks[i].style, expected[i].style);
        }
    }
}

TEST(FullSizeFigure, BothHalvesMirrorExactlyAboutTheRootAxis) {
    const TestWing wing = makeWing({{300, 200, 400, 50}, {200, 100, 300, 150}}, 300, 100, 230);
    const auto half = buildFullSizeFigure(wing.planform, wing.results, {});
    const auto both = buildFullSizeFigure(wing.planform, wing.results, optionsOf(true));
    ASSERT_TRUE(half && both);
    EXPECT_TRUE(both->bothHalves);
    ASSERT_EQ(both->outlines.size(), 2 * half->outlines.size());
    for (std::size_t i = 0; i < half->outlines.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(both->outlines[i], half->outlines[i]);
        Corners mirrored = both->outlines[half->outlines.size() + i];
        std::ranges::reverse(mirrored);
        ASSERT_EQ(mirrored.size(), half->outlines[i].size());
        for (std::size_t k = 0; k < mirrored.size(); ++k) {
            EXPECT_EQ(mirrored[k].x, -half->outlines[i][k].x); // exactly, not nearly
            EXPECT_EQ(mirrored[k].y, half->outlines[i][k].y);
        }
    }
    // Every mark but the root axis has its mirror image; the axis lies on the mirror line.
    EXPECT_EQ(both->marks.size(), 2 * half->marks.size() - 2);
    for (std::size_t i = half->marks.size(); i < both->marks.size(); ++i)
        EXPECT_NE(both->marks[i].layer, FigureLayer::Axis);
    EXPECT_EQ(outlineBounds(*both).left, -700);
    EXPECT_EQ(outlineBounds(*both).right, 700);
}

struct OuterCase {
    const char* name;
    TestWing wing;
    bool bothHalves;
    Corners outer;
};

const OuterCase kOuterCases[] = {
    {"one_panel_is_its_own_outline",
     makeWing({{250, 150, 1000, 50}}),
     false,
     {{0, 0}, {1000, 50}, {1000, 200}, {0, 250}}},
    {"chained_panels_lose_their_inner_chords",
     makeWing({{300, 280, 200, 10}, {280, 250, 300, 30}, {250, 200, 250, 60}}),
     false,
     {{0, 0}, {200, 10}, {500, 30}, {750, 60}, {750, 260}, {500, 280}, {200, 290}, {0, 300}}},
    {"an_unchained_root_chord_steps_along_the_joint",
     makeWing({{200, 150, 300, 20}, {100, 80, 200, 60}}),
     false,
     {{0, 0}, {300, 20}, {300, 70}, {500, 60}, {500, 140}, {300, 170}, {0, 200}}},
    {"both_halves_go_round_without_the_root_chord",
     makeWing({{250, 150, 1000, 50}}),
     true,
     {{0, 0}, {1000, 50}, {1000, 200}, {0, 250}, {-1000, 200}, {-1000, 50}}},
};

TEST(FullSizeFigure, OuterOutlineGoesRoundAllPanelsOnce) {
    for (const OuterCase& row : kOuterCases) {
        SCOPED_TRACE(row.name);
        const auto figure =
            buildFullSizeFigure(row.wing.planform, row.wing.results, optionsOf(row.bothHalves));
        ASSERT_TRUE(figure);
        EXPECT_EQ(outerOutline(*figure), row.outer);
    }
}

TEST(FullSizeFigure, TextBlockStartsBelowEverythingElse) {
    const TestWing wing = workedWing();
    const FullSizeOptions options =
        optionsOf(false, {"Wing : glider", "tab\there\x7f", "Span : 2 000.00 mm"});
    const auto figure = buildFullSizeFigure(wing.planform, wing.results, options);
    ASSERT_TRUE(figure);
    ASSERT_EQ(figure->texts.size(), 3u);
    // The root axis reaches 290 mm; 15 mm gap and one capital's height to the first baseline.
    EXPECT_EQ(figure->texts[0].baselineLeft, (MmPoint{0, 290 + 15 + kFigureTextHeightMm}));
    EXPECT_EQ(figure->texts[1].baselineLeft.y - figure->texts[0].baselineLeft.y,
              2 * kFigureTextHeightMm);
    EXPECT_EQ(figure->texts[1].utf8, "tab here ");
    const MmRect bounds = figureBounds(*figure);
    EXPECT_GE(bounds.bottom, figure->texts[2].baselineLeft.y);
    EXPECT_EQ(bounds.top, -30); // the root axis ahead of the wing

    // The whole wing's block starts at the root axis, not under the left tip.
    const auto both =
        buildFullSizeFigure(wing.planform, wing.results, optionsOf(true, {"Wing : glider"}));
    ASSERT_TRUE(both);
    EXPECT_EQ(both->texts.at(0).baselineLeft, figure->texts[0].baselineLeft);
}

TEST(FullSizeFigure, EstimatesTextByCharactersNotBytesUntilAFontMeasuresIt) {
    const TestWing wing = workedWing();
    auto figure =
        buildFullSizeFigure(wing.planform, wing.results, optionsOf(false, {"dm2", "dm\u00b2"}));
    ASSERT_TRUE(figure);
    EXPECT_DOUBLE_EQ(textBox(figure->texts[0]).width(), textBox(figure->texts[1]).width());
    measureTexts(*figure, [](const std::string& utf8) { return utf8 == "dm2" ? 7.5 : 8.0; });
    EXPECT_DOUBLE_EQ(textBox(figure->texts[0]).width(), 7.5);
    EXPECT_DOUBLE_EQ(figureBounds(*figure).right, 1000); // the text no longer reaches the tip
}

TEST(FullSizeFigure, RefusesWhatIsNoModelAircraft) {
    const struct {
        const char* name;
        TestWing wing;
    } rows[] = {
        {"last_panel_out_of_range",
         changed(workedWing(), [](TestWing& w) { w.planform.lastPanel = 5; })},
        {"root_chord_beyond_a_kilometre", makeWing({{2e6, 150, 1000, 50}})},
        {"infinite_length", makeWing({{250, 150, std::numeric_limits<double>::infinity(), 50}})},
        {"mean_chord_not_a_number", makeWing({{250, 150, 1000, 50}}, 460, 85, kNaN)},
        {"tip_a_kilometre_ahead_of_the_root", makeWing({{250, 150, 1000, -2e6}})},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(buildFullSizeFigure(row.wing.planform, row.wing.results, {}));
    }
}

TEST(FullSizeFigure, LayersCarryTheirNamesAndColours) {
    EXPECT_EQ(styleOf(FigureLayer::Outline).name, "OUTLINE");
    EXPECT_EQ(styleOf(FigureLayer::Outline).aciColour, 7);
    EXPECT_EQ(styleOf(FigureLayer::MeanChord).name, "MEAN_CHORD");
    EXPECT_EQ(styleOf(FigureLayer::MeanChord).aciColour, 1);
    EXPECT_EQ(styleOf(FigureLayer::Balance).name, "BALANCE");
    EXPECT_EQ(styleOf(FigureLayer::Balance).aciColour, 5);
    EXPECT_EQ(styleOf(FigureLayer::Axis).name, "AXIS");
    EXPECT_EQ(styleOf(FigureLayer::Text).name, "TEXT");
}

struct ClipCase {
    const char* name;
    MmSegment segment;
    std::optional<MmSegment> expected;
};

// The rectangle 0..100 by 0..50.
const ClipCase kClipCases[] = {
    {"inside_comes_back_unchanged", {{10, 10}, {90, 40}}, MmSegment{{10, 10}, {90, 40}}},
    {"crossing_is_cut_at_both_edges", {{-50, 25}, {150, 25}}, MmSegment{{0, 25}, {100, 25}}},
    {"diagonal_is_cut_where_it_leaves", {{50, 25}, {150, 75}}, MmSegment{{50, 25}, {100, 50}}},
    {"along_an_edge_belongs_to_the_rect", {{0, -10}, {0, 60}}, MmSegment{{0, 0}, {0, 50}}},
    {"outside_is_nothing", {{110, 0}, {200, 50}}, std::nullopt},
    {"passing_a_corner_is_nothing", {{90, -20}, {120, 10}}, std::nullopt},
    {"a_point_inside_stays", {{5, 5}, {5, 5}}, MmSegment{{5, 5}, {5, 5}}},
};

TEST(ClipSegment, KeepsThePartInsideTheRectangle) {
    const MmRect rect{0, 0, 100, 50};
    for (const ClipCase& row : kClipCases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(clipSegment(row.segment, rect), row.expected);
    }
}

} // namespace
