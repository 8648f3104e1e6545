// SPDX-License-Identifier: GPL-3.0-or-later

#include "dxf/CutLayoutDxf.h"

#include "dxf/DxfDocument.h"
#include "geometry/Offset.h"

namespace {

// White (black on paper) to cut, blue to engrave, as laser programs tell them apart; the sheets
// grey, which they leave alone.
constexpr int kCutColour = 7;
constexpr int kEngraveColour = 5;
constexpr int kSheetColour = 8;
constexpr double kTextStyleHeight = 3;

Point2D onGrid(Point2D p) {
    return {onClipperGrid(p.x), onClipperGrid(p.y)};
}

void writePart(DL_Dxf& dxf, DxfByteWriter& writer, const CutPart& part, const PartPlacement& at) {
    for (const Polygon& outline : part.outlines) {
        Polygon corners;
        for (const Point2D& corner : outline)
            corners.push_back(onGrid(placedPoint(corner, at)));
        writeClosedPolyline(dxf, writer, corners, kCutLayer);
    }
    for (const PartMark& mark : part.marks)
        writeDxfLine(dxf, writer, onGrid(placedPoint(mark.from, at)),
                     onGrid(placedPoint(mark.to, at)), kEngraveLayer);
    for (const PartText& text : part.texts)
        writeDxfText(dxf, writer, placedBaseline(text, at), text.height, text.utf8, kEngraveLayer);
}

} // namespace

std::string cutLayoutDxfDocument(const CutLayout& layout) {
    std::vector<DxfLayer> layers{{kCutLayer, kCutColour}, {kEngraveLayer, kEngraveColour}};
    if (!layout.sheets.empty())
        layers.push_back({kSheetLayer, kSheetColour});
    return dxfDocument(layers, layoutBounds(layout), kTextStyleHeight,
                       [&](DL_Dxf& dxf, DxfByteWriter& writer) {
                           for (const Box2D& sheet : layout.sheets)
                               writeClosedPolyline(dxf, writer, rectangle(sheet), kSheetLayer);
                           for (std::size_t i = 0; i < layout.parts.size(); ++i)
                               writePart(dxf, writer, layout.parts[i], layout.placements[i]);
                       });
}
