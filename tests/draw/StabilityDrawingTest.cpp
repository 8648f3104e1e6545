// SPDX-License-Identifier: GPL-3.0-or-later
// The neutral point on the drawings: the preview's green tick at its place on the mean-chord line,
// the sheet's line under the planform, and both drawings untouched without stability data.
#include "TestWings.h"
#include "draw/DrawPreview.h"
#include "draw/DrawSheet.h"
#include "draw/NeutralPointTick.h"
#include "draw/SheetStabilityLine.h"

#include <gtest/gtest.h>

namespace {

// The rectangular worked wing 200 × 500 mm: mean chord 200 at 250 mm, balance 60 mm behind the
// root leading edge (30 %).
TestWing rectangularWing() {
    TestWing wing = makeWing({{200, 200, 500, 0}}, 250, 60, 200);
    wing.planform.balancePercent = 30;
    wing.results.halfArea = 100000;
    wing.results.aspectRatio = 5;
    return wing;
}

// Its worked stability with the rectangular tail, 10 % margin.
StabilityResults rectangularStability() {
    StabilityResults s;
    s.hasTail = true;
    s.tailVolume = 0.575;
    s.neutralPoint = 95.1247;
    s.neutralPointPercent = 47.5623;
    s.margin = 10;
    s.balanceForMargin = 75.1247;
    s.balanceForMarginPercent = 37.5623;
    return s;
}

std::vector<RecordedLine> previewLines(const TestWing& wing, std::optional<double> neutralPoint) {
    RecordingCanvas canvas;
    EXPECT_TRUE(drawPreview(wing.planform, wing.results, canvas, neutralPoint).drawn);
    return canvas.lines();
}

// Scale 10 (the 200 mm chord gives 2100/200 = 10.5, floored); root trailing edge at
// ((7900 − 5000)/2 + 75, (2200 − 2000)/2 + 20 + 2000) = (1525, 2120), root leading edge at
// y = 120, mean-chord station at x = 1525 + 2500 = 4025. The neutral point 95.1247 mm lies at
// y = 120 + 951.247; the tick runs 120 twips either side of the station.
TEST(NeutralPointTick, IsAShortSolidGreenLineAcrossTheMeanChord) {
    const TestWing wing = rectangularWing();
    std::vector<RecordedLine> expected = previewLines(wing, std::nullopt);
    expected.push_back({{3905, 1071.247f}, {4145, 1071.247f}, kGreen, LineStyle::Solid});
    expectLinesNear(previewLines(wing, 95.1247), expected);
}

TEST(NeutralPointTick, WithoutStabilityThePreviewIsUnchanged) {
    const TestWing wing = workedWing();
    RecordingCanvas before;
    drawPreview(wing.planform, wing.results, before);
    EXPECT_EQ(previewLines(wing, std::nullopt), before.lines());
    EXPECT_EQ(before.lines().size(), 4u + 5u);
}

// A neutral point beyond the canvas's range leaves the tick out, never the wing.
TEST(NeutralPointTick, OneThatDoesNotFitTheCanvasIsLeftOut) {
    const TestWing wing = rectangularWing();
    EXPECT_EQ(previewLines(wing, 1e39), previewLines(wing, std::nullopt));
    EXPECT_EQ(previewLines(wing, kNaN), previewLines(wing, std::nullopt));
}

std::string englishFallBack(TextKey key) {
    return std::string(key.fallback.empty() ? key.key : key.fallback);
}

SheetInputs sheetInputs(std::optional<StabilityResults> stability) {
    SheetInputs inputs;
    inputs.lookup = englishFallBack;
    inputs.title = "Glider";
    inputs.date = "2024-03-01";
    inputs.stability = std::move(stability);
    return inputs;
}

struct Sheet {
    SheetOutcome outcome;
    RecordingCanvas canvas;
};

void print(const SheetInputs& inputs, Sheet& sheet) {
    const TestWing wing = rectangularWing();
    sheet.outcome = drawSheet(wing.planform, wing.results, inputs, sheet.canvas);
}

// The same page with one more text: the line at 20 mm, 193 mm, 9-point black, after the planform.
TEST(SheetStabilityLine, AddsOneLineUnderThePlanform) {
    Sheet without;
    print(sheetInputs(std::nullopt), without);
    Sheet with;
    print(sheetInputs(rectangularStability()), with);
    ASSERT_TRUE(with.outcome.printed);
    EXPECT_TRUE(with.canvas.documentEnded());
    EXPECT_EQ(with.canvas.lines(), without.canvas.lines());
    ASSERT_EQ(with.canvas.texts().size(), without.canvas.texts().size() + 1);
    for (std::size_t i = 0; i < without.canvas.texts().size(); ++i)
        EXPECT_EQ(with.canvas.texts()[i], without.canvas.texts()[i]) << i;
    const RecordedText& line = with.canvas.texts().back();
    EXPECT_FLOAT_EQ(line.x, 1134.0f);
    EXPECT_FLOAT_EQ(line.y, 10943.1f);
    EXPECT_EQ(line.text, "Neutral point: 95.12 mm (47.56 %)     Static margin: 10.00 %     "
                         "CG for this margin: 75.12 mm (37.56 %)     Tail volume: 0.58");
    EXPECT_EQ(line.size, 9);
    EXPECT_FALSE(line.bold);
    EXPECT_FALSE(line.underline);
    EXPECT_EQ(line.colour, kBlack);
}

TEST(SheetStabilityLine, AFlyingWingSaysItHasNoTail) {
    StabilityResults flyingWing = rectangularStability();
    flyingWing.hasTail = false;
    flyingWing.neutralPoint = 50;
    flyingWing.neutralPointPercent = 25;
    flyingWing.balanceForMargin = 30;
    flyingWing.balanceForMarginPercent = 15;
    SheetInputs inputs = sheetInputs(flyingWing);
    inputs.decimalSeparator.assign(1, ',');
    EXPECT_EQ(stabilityLineText(flyingWing, inputs),
              "Neutral point: 50,00 mm (25,00 %)     Static margin: 10,00 %     "
              "CG for this margin: 30,00 mm (15,00 %)     No tail (flying wing)");
}

TEST(SheetStabilityLine, NumbersKeepTheResultPatternWithoutItsLeadingBlank) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {95.1247, "95.12"},     {0, "0.00"}, {1234.5, "1 234.50"}, {-5, "-5.00"},
        {-1234.5, "-1 234.50"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(compactResult(c.value, "."), c.text) << c.value;
}

} // namespace
