// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestWings.h"
#include "draw/DrawSheet.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Every text names its own section and key, so the test sees which caption went where.
std::string sectionSlashKey(TextKey text) {
    return std::string(text.section) + "/" + std::string(text.key);
}

SheetInputs testInputs() {
    SheetInputs inputs;
    inputs.lookup = sectionSlashKey;
    inputs.loadingCaption = "12.34 g/dm\u00b2";
    inputs.title = "Test wing";
    inputs.date = "2024-03-01";
    inputs.decimalSeparator = ".";
    return inputs;
}

// The worked wing with the values its table prints: 30 % balance, 1500 g, 40 dm², ratio 10.
TestWing workedSheetWing() {
    TestWing wing = workedWing();
    wing.planform.balancePercent = 30;
    wing.planform.massGrams = 1500;
    wing.results.halfArea = 200000;
    wing.results.aspectRatio = 10;
    return wing;
}

struct Printed {
    SheetOutcome outcome;
    RecordingCanvas canvas;
};

void print(const TestWing& wing, const SheetInputs& inputs, Printed& printed) {
    printed.outcome = drawSheet(wing.planform, wing.results, inputs, printed.canvas);
}

std::vector<RecordedText> textsAtY(const RecordingCanvas& canvas, float y) {
    std::vector<RecordedText> found;
    for (const RecordedText& text : canvas.texts()) {
        if (std::abs(text.y - y) < 0.01f) {
            found.push_back(text);
        }
    }
    return found;
}

struct ExpectedText {
    float x;
    float y;
    const char* text;
    float size;
    bool bold;
    bool underline;
    Rgb colour;
};

void expectTexts(const std::vector<RecordedText>& actual,
                 const std::vector<ExpectedText>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].text);
        EXPECT_NEAR(actual[i].x, expected[i].x, 0.01);
        EXPECT_NEAR(actual[i].y, expected[i].y, 0.01);
        EXPECT_EQ(actual[i].text, expected[i].text);
        EXPECT_EQ(actual[i].size, expected[i].size);
        EXPECT_EQ(actual[i].bold, expected[i].bold);
        EXPECT_EQ(actual[i].underline, expected[i].underline);
        EXPECT_EQ(actual[i].colour, expected[i].colour);
        EXPECT_EQ(actual[i].fontName, "Arial");
    }
}

// Fake metrics: 10 twips per character per point, lines 23 twips per point apart. The version
// note starts where the 18-character date text ends at 10 points: 11340 + 1800. The outline
// and its marks are at 1/5.
TEST(DrawSheet, OnePanelSheetPrintsEveryTextAndLineInOrder) {
    Printed printed;
    print(workedSheetWing(), testInputs(), printed);
    const std::vector<ExpectedText> expected{
        {1134, 907.2f, "Print/2 Test wing", 10, false, false, kBlack},
        {11340, 907.2f, "Print/3 2024-03-01", 10, false, false, kBlack},
        {13140, 907.2f, "   Wingsheet V. 3.1.0", 5, false, false, kBlack},
        {0, 1022.2f, "", 10, false, false, kBlack},
        {1134, 1252.2f, "Label/13", 12, false, true, kBlack},
        {8221.5f, 1252.2f, "Label/14", 12, false, true, kBlack},
        {2551.5f, 1644.3f, "Label/12 1", 9, false, false, kBlack},
        {1134, 1871.1f, "Label/1", 9, false, false, kBlack},
        {2835, 1871.1f, " 250 ", 9, false, false, kBlack},
        {8051.4f, 1871.1f, "Label/6", 9, false, false, kBlack},
        {9355.5f, 1871.1f, "2 000.00 mm  ", 9, false, false, kBlack},
        {12020.4f, 1871.1f, "Label/9", 9, false, false, kRed},
        {13324.5f, 1871.1f, " 460.00 mm  ", 9, false, false, kRed},
        {1134, 2097.9f, "Label/2", 9, false, false, kBlack},
        {2835, 2097.9f, " 150 ", 9, false, false, kBlack},
        {850.5f, 2324.7f, "Label/3", 9, false, false, kBlack},
        {2835, 2324.7f, " 1000 ", 9, false, false, kBlack},
        {8391.6f, 2324.7f, "Label/7", 9, false, false, kBlack},
        {9355.5f, 2324.7f, " 40.00 dm\u00b2  ", 9, false, false, kBlack},
        {11680.2f, 2324.7f, "Label/10", 9, false, false, kBlack},
        {13324.5f, 2324.7f, " 200.00 mm  ", 9, false, false, kBlack},
        {1134, 2551.5f, "Label/4", 9, false, false, kBlack},
        {2835, 2551.5f, " 50 ", 9, false, false, kBlack},
        {1020.6f, 2778.3f, "Label/5", 9, false, false, kBlack},
        {2835, 2778.3f, " 30 ", 9, false, false, kBlack},
        {7711.2f, 2778.3f, "Label/8", 9, false, false, kBlack},
        {9355.5f, 2778.3f, " 10.00", 9, false, false, kBlack},
        {11283.3f, 2778.3f, "Label/11", 9, false, false, kBlue},
        {13324.5f, 2778.3f, " 85.00 mm  ", 9, false, false, kBlue},
        {1984.5f, 3118.5f, "Label/15 : 1500 g     Label/16 : 12.34 g/dm\u00b2", 9, false, false,
         kBlack},
        {1134, 3685, "Print/1 1/5", 9, true, true, kBlack},
    };
    expectTexts(printed.canvas.texts(), expected);

    EXPECT_TRUE(printed.outcome.printed);
    EXPECT_TRUE(printed.canvas.documentEnded());
    EXPECT_EQ(printed.outcome.denominator, 5);
    EXPECT_NEAR(printed.outcome.sheetScale, 11.34, 1e-12);
    auto lines =
        outline({{{{2464, 8702.5f}, {2464, 5867.5f}, {13804, 6434.5f}, {13804, 8135.5f}}}});
    lines.insert(lines.end(), {mark({7480.4f, 6831.4f}, {7880.4f, 6831.4f}, kBlue),
                               mark({7680.4f, 5697.4f}, {7680.4f, 9099.4f}, kRed),
                               mark({2464, 5567.5f}, {2464, 5847.5f}, kRed),
                               mark({2464, 8722.5f}, {2464, 9102.5f}, kRed),
                               mark({2514, 5867.5f}, {7780.4f, 5867.5f}, kBlue)});
    expectLinesNear(printed.canvas.lines(), lines);
}

// Inches and ounces change the words and numbers of the sheet, never its drawing or its scale.
TEST(DrawSheet, InInchesAndOuncesOnlyTheTextsChange) {
    Printed metric;
    print(workedSheetWing(), testInputs(), metric);
    SheetInputs inputs = testInputs();
    inputs.units = DisplayUnits({LengthUnit::Inch, MassUnit::Ounce}, {});
    inputs.inputsTitle = kInputsTitleInInches;
    Printed imperial;
    print(workedSheetWing(), inputs, imperial);
    EXPECT_EQ(imperial.outcome.denominator, metric.outcome.denominator);
    expectLinesNear(imperial.canvas.lines(), metric.canvas.lines());
    std::vector<std::string> texts;
    for (const RecordedText& text : imperial.canvas.texts())
        texts.push_back(text.text);
    for (const char* shown : {"Units/InputsTitle", " 9.8425 ", " 78.74 in  ", " 620.00 in\u00b2  ",
                              "Label/15 : 52.9109 oz     Label/16 : 12.34 g/dm\u00b2"})
        EXPECT_NE(std::ranges::find(texts, shown), texts.end()) << shown;
}

// Five panels with a decimal comma: a zero sweep leaves its cell empty, a negative one keeps
// its sign and loses the leading space.
TEST(DrawSheet, FivePanelColumns) {
    TestWing wing = makeWing({{300, 250, 200, 0},
                              {250, 200, 200, -20},
                              {200, 150, 200, 10},
                              {150, 100, 200, 30.5},
                              {100, 50, 100.5, 60}});
    SheetInputs inputs = testInputs();
    inputs.decimalSeparator = ",";
    Printed printed;
    print(wing, inputs, printed);

    const float columns[] = {2835, 3798.9f, 4762.8f, 5726.7f, 6690.6f};
    expectTexts(textsAtY(printed.canvas, 1644.3f),
                {{2551.5f, 1644.3f, "Label/12 1", 9, false, false, kBlack},
                 {3515.4f, 1644.3f, "Label/12 2", 9, false, false, kBlack},
                 {4479.3f, 1644.3f, "Label/12 3", 9, false, false, kBlack},
                 {5443.2f, 1644.3f, "Label/12 4", 9, false, false, kBlack},
                 {6407.1f, 1644.3f, "Label/12 5", 9, false, false, kBlack}});
    expectTexts(textsAtY(printed.canvas, 2551.5f),
                {{1134, 2551.5f, "Label/4", 9, false, false, kBlack},
                 {columns[0], 2551.5f, "", 9, false, false, kBlack},
                 {columns[1], 2551.5f, "-20 ", 9, false, false, kBlack},
                 {columns[2], 2551.5f, " 10 ", 9, false, false, kBlack},
                 {columns[3], 2551.5f, " 30,5 ", 9, false, false, kBlack},
                 {columns[4], 2551.5f, " 60 ", 9, false, false, kBlack}});
    EXPECT_EQ(printed.canvas.lines().size(), 5u * 4u + 5u);
}

struct MassCase {
    const char* name;
    double massGrams;
    const char* decimalSeparator;
    const char* loadingCaption;
    const char* expected;
};

// whole grams with a point are in the one-panel sheet.
const MassCase kMassCases[] = {
    {"decimal_comma", 1234.5, ",", "9,87 g/dm\u00b2",
     "Label/15 : 1234,5 g     Label/16 : 9,87 g/dm\u00b2"},
    {"caption_as_shown_even_if_empty", 800, ".", "", "Label/15 : 800 g     Label/16 : "},
};

TEST(SheetMassLine, JoinsMassAndTheLoadingLabelsCaption) {
    for (const MassCase& row : kMassCases) {
        SCOPED_TRACE(row.name);
        TestWing wing = workedSheetWing();
        wing.planform.massGrams = row.massGrams;
        SheetInputs inputs = testInputs();
        inputs.decimalSeparator = row.decimalSeparator;
        inputs.loadingCaption = row.loadingCaption;
        Printed printed;
        print(wing, inputs, printed);
        const auto line = textsAtY(printed.canvas, 3118.5f);
        ASSERT_EQ(line.size(), 1u);
        EXPECT_EQ(line[0].text, row.expected);
        EXPECT_NEAR(line[0].x, 1984.5, 0.01);
    }
}

TEST(DrawSheet, WithoutAPrintSectionTheCaptionsAreEmptyButTheSheetPrints) {
    SheetInputs inputs = testInputs();
    inputs.lookup = [](TextKey text) {
        return text.section == "Print" ? std::string{} : sectionSlashKey(text);
    };
    Printed printed;
    print(workedSheetWing(), inputs, printed);
    EXPECT_TRUE(printed.outcome.printed);
    EXPECT_TRUE(printed.canvas.documentEnded());
    const auto& texts = printed.canvas.texts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, " Test wing");
    EXPECT_EQ(texts[1].text, " 2024-03-01");
    EXPECT_EQ(texts.back().text, " 1/5");
}

// No scale keeps the wing on the paper: the caption says so, and no outline or mark is drawn.
TEST(DrawSheet, WithoutAScaleTheSheetSaysWhyAndDrawsNoOutline) {
    for (const TestWing& wing :
         {makeWing({{250, 150, 0, 50}}, 460, 85, 200),
          makeWing({{250, 150, 20000, 50}}, 9200, 85, 200),
          changed(workedSheetWing(), [](TestWing& w) { w.results.tipStation[0] = 1e308; })}) {
        Printed printed;
        print(wing, testInputs(), printed);
        EXPECT_TRUE(printed.outcome.printed);
        EXPECT_EQ(printed.outcome.denominator, 0);
        EXPECT_EQ(printed.outcome.sheetScale, 0);
        const std::vector<RecordedText> caption = textsAtY(printed.canvas, 3685);
        ASSERT_EQ(caption.size(), 1u);
        EXPECT_EQ(caption[0].text, "Print/NoScale");
        EXPECT_TRUE(printed.canvas.lines().empty());
    }
}

struct FailureCase {
    const char* name;
    TestWing wing;
    int denominator;
};

const FailureCase kFailureCases[] = {
    {"mean_chord_station_nan",
     changed(workedSheetWing(), [](TestWing& w) { w.results.meanChordY[0] = kNaN; }), 5},
    {"half_span_nan",
     changed(workedSheetWing(), [](TestWing& w) { w.results.tipStation[0] = kNaN; }), 20},
    {"inner_root_chord_beyond_single_precision",
     changed(makeWing({{250, 150, 500, 50}, {150, 100, 500, 80}}, 460, 85, 200),
             [](TestWing& w) { w.planform.rootChord[1] = 1e300; }),
     5},
    {"last_panel_below_0",
     changed(workedSheetWing(), [](TestWing& w) { w.planform.lastPanel = -1; }), 0},
    {"last_panel_above_4",
     changed(workedSheetWing(), [](TestWing& w) { w.planform.lastPanel = 5; }), 0},
};

TEST(SheetFailure, StopsWithoutEndingTheDocument) {
    for (const FailureCase& row : kFailureCases) {
        SCOPED_TRACE(row.name);
        Printed printed;
        print(row.wing, testInputs(), printed);
        EXPECT_FALSE(printed.outcome.printed);
        EXPECT_FALSE(printed.outcome.failure.empty());
        EXPECT_EQ(printed.outcome.denominator, row.denominator);
        EXPECT_FALSE(printed.canvas.documentEnded());
    }
}

} // namespace
