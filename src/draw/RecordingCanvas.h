// SPDX-License-Identifier: GPL-3.0-or-later
// A sheet canvas that draws nothing and remembers every line and text in order, for the tests
// and the JSON output. Its text metrics are replaceable, so real font metrics can stand in.
#pragma once

#include "draw/SheetCanvas.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

struct RecordedLine {
    CanvasPoint from;
    CanvasPoint to;
    Rgb colour;
    LineStyle style = LineStyle::Solid;
    float width = 0; // twips, 0 for the device's thinnest line
    bool operator==(const RecordedLine&) const = default;
};

struct RecordedText {
    float x = 0;
    float y = 0;
    std::string text;
    float size = 0; // points
    bool bold = false;
    bool underline = false;
    Rgb colour;
    std::string fontName;
    bool operator==(const RecordedText&) const = default;
};

// Widths and line heights in twips for a text in a font.
struct TextMetrics {
    std::function<double(const std::string& utf8, const SheetFont& font)> width;
    std::function<double(const SheetFont& font)> lineHeight;
};

// Deterministic stand-ins: each character half an em wide, lines 1.15 em apart (1 pt = 20 twips).
TextMetrics fakeTextMetrics();

class RecordingCanvas : public SheetCanvas {
public:
    explicit RecordingCanvas(TextMetrics metrics = fakeTextMetrics());

    // What is on the surface since the last clear.
    const std::vector<RecordedLine>& lines() const { return lines_; }
    const std::vector<RecordedText>& texts() const { return texts_; }
    int clearCount() const { return clearCount_; }
    bool isLandscape() const { return landscape_; }
    bool documentEnded() const { return documentEnded_; }

    double textWidth(const std::string& utf8) const override;
    double lineHeight() const override;

protected:
    void eraseSurface() override;
    void strokeLine(CanvasPoint from, CanvasPoint to, Rgb colour, LineStyle style) override;
    void drawText(CanvasPoint topLeft, const std::string& utf8, const SheetFont& font,
                  Rgb colour) override;
    void orientLandscape() override { landscape_ = true; }
    void finishDocument() override { documentEnded_ = true; }

private:
    TextMetrics metrics_;
    std::vector<RecordedLine> lines_;
    std::vector<RecordedText> texts_;
    int clearCount_ = 0;
    bool landscape_ = false;
    bool documentEnded_ = false;
};
