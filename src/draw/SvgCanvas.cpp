// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/SvgCanvas.h"

#include "draw/HexColour.h"

#include <charconv>

namespace {

constexpr float kTwipsPerPixel = 15;

// The shortest text that reads back as the same float.
std::string number(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string attribute(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + value + "\"";
}

// Qt's dash-dot-dot pattern for a one-pixel pen, in screen pixels like the stroke width.
constexpr const char* kDashDotDot = "4 2 1 2 1 2";

} // namespace

SvgCanvas::SvgCanvas(float widthTwips, float heightTwips)
    : widthTwips_(widthTwips)
    , heightTwips_(heightTwips) {}

void SvgCanvas::strokeLine(CanvasPoint from, CanvasPoint to, Rgb colour, LineStyle style) {
    lines_ += "<line" + attribute("x1", number(from.x)) + attribute("y1", number(from.y)) +
              attribute("x2", number(to.x)) + attribute("y2", number(to.y)) +
              attribute("stroke", hexColour(colour)) + attribute("stroke-width", "1") +
              attribute("vector-effect", "non-scaling-stroke");
    if (style == LineStyle::DashDotDot) {
        lines_ += attribute("stroke-dasharray", kDashDotDot);
    }
    lines_ += "/>\n";
}

std::string SvgCanvas::document() const {
    const std::string width = number(widthTwips_);
    const std::string height = number(heightTwips_);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg" +
           attribute("xmlns", "http://www.w3.org/2000/svg") +
           attribute("viewBox", "0 0 " + width + " " + height) +
           attribute("width", number(widthTwips_ / kTwipsPerPixel)) +
           attribute("height", number(heightTwips_ / kTwipsPerPixel)) + ">\n" + "<rect" +
           attribute("x", "0") + attribute("y", "0") + attribute("width", width) +
           attribute("height", height) + attribute("fill", "#ffffff") + "/>\n" + lines_ +
           "</svg>\n";
}
