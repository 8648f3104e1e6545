// SPDX-License-Identifier: GPL-3.0-or-later
// Wings and expected strokes for the drawing tests, written out by hand so the expectations do
// not come from the code under test.
#pragma once

#include "calc/WingResults.h"
#include "draw/RecordingCanvas.h"

#include <array>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

struct TestWing {
    WingPlanform planform;
    WingResults results;
};

struct PanelInput {
    double rootChord;
    double tipChord;
    double panelLength;
    double sweepOffset;
};

// Panels in order; tipStation and halfSpan are the running sum of the lengths. The whole-wing
// results (mean chord and its station, balance) go into entry lastPanel.
inline TestWing makeWing(const std::vector<PanelInput>& panels, double meanChordY = 0,
                         double balanceX = 0, double meanChord = 0) {
    TestWing wing;
    double station = 0;
    for (std::size_t i = 0; i < panels.size(); ++i) {
        wing.planform.rootChord[i] = panels[i].rootChord;
        wing.planform.tipChord[i] = panels[i].tipChord;
        wing.planform.panelLength[i] = panels[i].panelLength;
        wing.planform.sweepOffset[i] = panels[i].sweepOffset;
        station += panels[i].panelLength;
        wing.results.tipStation[i] = station;
    }
    const int n = static_cast<int>(panels.size()) - 1;
    wing.planform.lastPanel = static_cast<std::int16_t>(n);
    wing.results.halfSpan = station;
    wing.results.meanChordY[n] = meanChordY;
    wing.results.balanceX[n] = balanceX;
    wing.results.meanChord[n] = meanChord;
    return wing;
}

// The worked wing: root 250, tip 150, length 1000, tip leading edge 50 mm behind the root's.
inline TestWing workedWing() {
    return makeWing({{250, 150, 1000, 50}}, 460, 85, 200);
}

// The wing after one change, for table rows that each spoil one value.
inline TestWing changed(TestWing wing, void (*change)(TestWing&)) {
    change(wing);
    return wing;
}

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The four solid black lines of each panel, starting and ending at its root trailing edge.
inline std::vector<RecordedLine> outline(const std::vector<std::array<CanvasPoint, 4>>& panels) {
    std::vector<RecordedLine> lines;
    for (const auto& corners : panels) {
        for (std::size_t i = 0; i < corners.size(); ++i)
            lines.push_back({corners[i], corners[(i + 1) % 4], kBlack, LineStyle::Solid});
    }
    return lines;
}

inline RecordedLine mark(CanvasPoint from, CanvasPoint to, Rgb colour) {
    return {from, to, colour, LineStyle::DashDotDot};
}

// Sheet coordinates carry fractions of a unit: each stroke is compared to a hundredth.
inline void expectLinesNear(const std::vector<RecordedLine>& actual,
                            const std::vector<RecordedLine>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(actual[i].from.x, expected[i].from.x, 0.01);
        EXPECT_NEAR(actual[i].from.y, expected[i].from.y, 0.01);
        EXPECT_NEAR(actual[i].to.x, expected[i].to.x, 0.01);
        EXPECT_NEAR(actual[i].to.y, expected[i].to.y, 0.01);
        EXPECT_EQ(actual[i].colour, expected[i].colour);
        EXPECT_EQ(actual[i].style, expected[i].style);
    }
}
