// SPDX-License-Identifier: GPL-3.0-or-later

#include "dxf/RibSheetDxf.h"

#include "dxf/DxfDocument.h"
#include "geometry/Offset.h"
#include "ribs/RibSheet.h"

namespace {

// White (black on paper) to cut, blue to engrave, as laser programs tell them apart.
constexpr int kCutColour = 7;
constexpr int kEngraveColour = 5;
constexpr double kTextStyleHeight = 3;

Point2D placed(Point2D p, Point2D at) {
    return {onClipperGrid(p.x + at.x), onClipperGrid(p.y + at.y)};
}

void writeRib(DL_Dxf& dxf, DxfByteWriter& writer, const Rib& rib, Point2D at) {
    for (const Polygon& outline : rib.outlines) {
        Polygon corners;
        for (const Point2D& corner : outline)
            corners.push_back(placed(corner, at));
        writeClosedPolyline(dxf, writer, corners, kCutLayer);
    }
    writeDxfText(dxf, writer, {rib.labelAt.x + at.x, rib.labelAt.y + at.y}, rib.labelHeight,
                 rib.label, kEngraveLayer);
}

} // namespace

std::string ribSheetDxfDocument(const std::vector<Rib>& ribs,
                                const std::vector<Point2D>& placements) {
    return dxfDocument({{kCutLayer, kCutColour}, {kEngraveLayer, kEngraveColour}},
                       ribSheetBounds(ribs, placements), kTextStyleHeight,
                       [&](DL_Dxf& dxf, DxfByteWriter& writer) {
                           for (std::size_t i = 0; i < ribs.size(); ++i)
                               writeRib(dxf, writer, ribs[i], placements[i]);
                       });
}
