// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/CutLayoutSvg.h"

#include "calc/FormatResult.h"
#include "draw/FullSizeFigure.h"
#include "geometry/Offset.h"

#include <cmath>

namespace {

constexpr double kMarginMm = 5;

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

std::string pointsOf(const Polygon& corners) {
    std::string d;
    for (const Point2D& p : corners)
        d += (d.empty() ? "M" : " L") + shortestNumber(onClipperGrid(p.x)) + " " +
             shortestNumber(-onClipperGrid(p.y));
    return d;
}

std::string pathOf(const Polygon& outline, const PartPlacement& at) {
    Polygon corners;
    for (const Point2D& p : outline)
        corners.push_back(placedPoint(p, at));
    return "<path d=\"" + pointsOf(corners) + " Z\"/>\n";
}

std::string partEngraving(const CutPart& part, const PartPlacement& at) {
    std::string engrave;
    for (const PartMark& mark : part.marks)
        engrave += "<path d=\"" + pointsOf({placedPoint(mark.from, at), placedPoint(mark.to, at)}) +
                   "\" fill=\"none\" stroke=\"#0000ff\" stroke-width=\"0.1\"/>\n";
    for (const PartText& text : part.texts) {
        const Point2D baseline = placedBaseline(text, at);
        engrave += "<text x=\"" + shortestNumber(baseline.x) + "\" y=\"" +
                   shortestNumber(-baseline.y) + "\" font-size=\"" +
                   shortestNumber(text.height / kCapHeightPerEm) + "\">" + escaped(text.utf8) +
                   "</text>\n";
    }
    return engrave;
}

} // namespace

std::string cutLayoutSvgDocument(const CutLayout& layout, std::string_view title) {
    const Box2D bounds = layoutBounds(layout);
    const double left = std::floor(bounds.minX - kMarginMm);
    const double top = std::floor(-bounds.maxY - kMarginMm);
    const double width = std::ceil(bounds.maxX + kMarginMm) - left;
    const double height = std::ceil(-bounds.minY + kMarginMm) - top;
    std::string cut = layerStart("CUT", "fill=\"none\" stroke=\"#000000\" stroke-width=\"0.1\"");
    std::string engrave = layerStart(
        "ENGRAVE", "fill=\"#0000ff\" stroke=\"none\" font-family=\"Liberation Sans, Arial\"");
    for (std::size_t i = 0; i < layout.parts.size(); ++i) {
        for (const Polygon& outline : layout.parts[i].outlines)
            cut += pathOf(outline, layout.placements[i]);
        engrave += partEngraving(layout.parts[i], layout.placements[i]);
    }
    std::string sheets;
    if (!layout.sheets.empty()) {
        sheets = layerStart("SHEET", "fill=\"none\" stroke=\"#808080\" stroke-width=\"0.1\"");
        for (const Box2D& sheet : layout.sheets)
            sheets += "<path d=\"" + pointsOf(rectangle(sheet)) + " Z\"/>\n";
        sheets += "</g>\n";
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" width=\"" +
           shortestNumber(width) + "mm\" height=\"" + shortestNumber(height) + "mm\" viewBox=\"" +
           shortestNumber(left) + " " + shortestNumber(top) + " " + shortestNumber(width) + " " +
           shortestNumber(height) + "\">\n<title>" + escaped(title) + "</title>\n" + sheets + cut +
           "</g>\n" + engrave + "</g>\n</svg>\n";
}
