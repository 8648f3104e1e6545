// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

// Metrics that differ from the fake ones, as a real font's would.
TextMetrics sevenTwipsPerByte() {
    return {[](const std::string& utf8, const SheetFont&) { return 7.0 * utf8.size(); },
            [](const SheetFont& font) {
                return font.bold ? 400.0 : 300.0;
            }};
}

TEST(SheetCanvas, KeepLineMovesToTheTextsEndAndEndLineToTheNextLine) {
    RecordingCanvas canvas(sevenTwipsPerByte());
    canvas.setCurrentX(100);
    canvas.setCurrentY(200);
    canvas.printText("abc", TextEnd::KeepLine);
    EXPECT_EQ(canvas.pen(), (CanvasPoint{121, 200}));
    canvas.printText("de", TextEnd::EndLine);
    EXPECT_EQ(canvas.pen(), (CanvasPoint{0, 500}));
    canvas.setBold(true);
    canvas.printText("", TextEnd::EndLine);
    EXPECT_EQ(canvas.pen(), (CanvasPoint{0, 900}));

    ASSERT_EQ(canvas.texts().size(), 3u);
    EXPECT_EQ(canvas.texts()[0].x, 100);
    EXPECT_EQ(canvas.texts()[1].x, 121);
    EXPECT_EQ(canvas.texts()[1].y, 200);
    EXPECT_EQ(canvas.texts()[2].y, 500);
    EXPECT_TRUE(canvas.texts()[2].bold);
}

TEST(SheetCanvas, TextColourIsAlsoTheColourOfPlainLines) {
    RecordingCanvas canvas;
    canvas.setTextColour(kRed);
    canvas.lineBy({10, 20}, 5, 0);
    canvas.lineInColour({0, 0}, {1, 1}, kBlue);
    canvas.printText("x", TextEnd::KeepLine);
    ASSERT_EQ(canvas.lines().size(), 2u);
    EXPECT_EQ(canvas.lines()[0].colour, kRed);
    EXPECT_EQ(canvas.lines()[1].colour, kBlue);
    EXPECT_EQ(canvas.texts()[0].colour, kRed);
    // A text continues from where the last line ended: the current point is shared.
    EXPECT_EQ(canvas.texts()[0].x, 1);
}

} // namespace
