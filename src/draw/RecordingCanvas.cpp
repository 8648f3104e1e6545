// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/RecordingCanvas.h"

#include "base/TextEncoding.h"

namespace {

double characterCount(const std::string& utf8) {
    return static_cast<double>(countCharacters(utf8));
}

} // namespace

TextMetrics fakeTextMetrics() {
    return {
        [](const std::string& utf8, const SheetFont& font) {
            return characterCount(utf8) * font.points * 10;
        },
        [](const SheetFont& font) { return font.points * 23.0; },
    };
}

RecordingCanvas::RecordingCanvas(TextMetrics metrics)
    : metrics_(std::move(metrics)) {}

double RecordingCanvas::textWidth(const std::string& utf8) const {
    return metrics_.width(utf8, font());
}

double RecordingCanvas::lineHeight() const {
    return metrics_.lineHeight(font());
}

void RecordingCanvas::eraseSurface() {
    lines_.clear();
    texts_.clear();
    ++clearCount_;
}

void RecordingCanvas::strokeLine(CanvasPoint from, CanvasPoint to, Rgb colour, LineStyle style) {
    lines_.push_back({from, to, colour, style, lineWidth()});
}

void RecordingCanvas::drawText(CanvasPoint topLeft, const std::string& utf8, const SheetFont& font,
                               Rgb colour) {
    texts_.push_back(
        {topLeft.x, topLeft.y, utf8, font.points, font.bold, font.underline, colour, font.name});
}
