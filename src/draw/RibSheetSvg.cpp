// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/RibSheetSvg.h"

#include "draw/FullSizeFigure.h"
#include "geometry/Offset.h"
#include "ribs/RibSheet.h"

#include <charconv>
#include <cmath>

namespace {

constexpr double kMarginMm = 5;

std::string number(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0).ptr;
    return std::string(buffer, end);
}

std::string escaped(std::string_view text) {
    std::string xml;
    for (const char c : printableText(text)) {
        switch (c) {
        case '&':
            xml += "&amp;";
            break;
        case '<':
            xml += "&lt;";
            break;
        case '>':
            xml += "&gt;";
            break;
        case '"':
            xml += "&quot;";
            break;
        default:
            xml += c;
        }
    }
    return xml;
}

std::string layerStart(std::string_view name, std::string_view style) {
    return "<g id=\"" + std::string(name) + "\" inkscape:label=\"" + std::string(name) +
           "\" inkscape:groupmode=\"layer\" " + std::string(style) + ">\n";
}

std::string pathOf(const Polygon& outline, Point2D at) {
    std::string d;
    for (const Point2D& p : outline)
        d += (d.empty() ? "M" : " L") + number(onClipperGrid(p.x + at.x)) + " " +
             number(-onClipperGrid(p.y + at.y));
    return "<path d=\"" + d + " Z\"/>\n";
}

} // namespace

std::string ribSheetSvgDocument(const std::vector<Rib>& ribs,
                                const std::vector<Point2D>& placements, std::string_view title) {
    const Box2D bounds = ribSheetBounds(ribs, placements);
    const double left = std::floor(bounds.minX - kMarginMm);
    const double top = std::floor(-bounds.maxY - kMarginMm);
    const double width = std::ceil(bounds.maxX + kMarginMm) - left;
    const double height = std::ceil(-bounds.minY + kMarginMm) - top;
    std::string cut = layerStart("CUT", "fill=\"none\" stroke=\"#000000\" stroke-width=\"0.1\"");
    std::string engrave = layerStart(
        "ENGRAVE", "fill=\"#0000ff\" stroke=\"none\" font-family=\"Liberation Sans, Arial\"");
    for (std::size_t i = 0; i < ribs.size(); ++i) {
        const Rib& rib = ribs[i];
        for (const Polygon& outline : rib.outlines)
            cut += pathOf(outline, placements[i]);
        engrave += "<text x=\"" + number(rib.labelAt.x + placements[i].x) + "\" y=\"" +
                   number(-(rib.labelAt.y + placements[i].y)) + "\" font-size=\"" +
                   number(rib.labelHeight / kCapHeightPerEm) + "\">" + escaped(rib.label) +
                   "</text>\n";
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" width=\"" +
           number(width) + "mm\" height=\"" + number(height) + "mm\" viewBox=\"" + number(left) +
           " " + number(top) + " " + number(width) + " " + number(height) + "\">\n<title>" +
           escaped(title) + "</title>\n" + cut + "</g>\n" + engrave + "</g>\n</svg>\n";
}
