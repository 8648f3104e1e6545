#include "draw/SvgCanvas.h"

#include "draw/HexColour.h"

#include <charconv>

namespace {

constexpr float kTwipsPerPixel = 15;

// The shortest text that reads back as the same float.
std::string Number(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string Attribute(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + value + "\"";
}

// Qt's dash-dot-dot pattern for a one-pixel pen, in screen pixels like the stroke width.
constexpr const char* kDashDotDot = "4 2 1 2 1 2";

} // namespace

SvgCanvas::SvgCanvas(float widthTwips, float heightTwips)
    : widthTwips_(widthTwips)
    , heightTwips_(heightTwips) {}

void SvgCanvas::strokeLine(CanvasPoint from, CanvasPoint to, Rgb colour, LineStyle style) {
    lines_ += "<line" + Attribute("x1", Number(from.x)) + Attribute("y1", Number(from.y)) +
              Attribute("x2", Number(to.x)) + Attribute("y2", Number(to.y)) +
              Attribute("stroke", HexColour(colour)) + Attribute("stroke-width", "1") +
              Attribute("vector-effect", "non-scaling-stroke");
    if (style == LineStyle::DashDotDot) {
        lines_ += Attribute("stroke-dasharray", kDashDotDot);
    }
    lines_ += "/>\n";
}

std::string SvgCanvas::document() const {
    const std::string width = Number(widthTwips_);
    const std::string height = Number(heightTwips_);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg" +
           Attribute("xmlns", "http://www.w3.org/2000/svg") +
           Attribute("viewBox", "0 0 " + width + " " + height) +
           Attribute("width", Number(widthTwips_ / kTwipsPerPixel)) +
           Attribute("height", Number(heightTwips_ / kTwipsPerPixel)) + ">\n" + "<rect" +
           Attribute("x", "0") + Attribute("y", "0") + Attribute("width", width) +
           Attribute("height", height) + Attribute("fill", "#ffffff") + "/>\n" + lines_ +
           "</svg>\n";
}
