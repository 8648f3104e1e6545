// SPDX-License-Identifier: GPL-3.0-or-later

#include "dxf/RibSheetDxf.h"

#include "dxf/DxfDocument.h"
#include "geometry/Offset.h"
#include "ribs/RibSheet.h"

namespace {

// White (black on paper) to cut, blue to engrave, as laser programs tell them apart.
constexpr int kCutColour = 7;
constexpr int kEngraveColour = 5;

} // namespace

std::string ribSheetDxfDocument(const std::vector<Rib>& ribs,
                                const std::vector<Point2D>& placements) {
    DxfDrawing drawing;
    drawing.layers = {{kCutLayer, kCutColour}, {kEngraveLayer, kEngraveColour}};
    drawing.extent = ribSheetBounds(ribs, placements);
    for (std::size_t i = 0; i < ribs.size(); ++i) {
        const Rib& rib = ribs[i];
        for (const Polygon& outline : rib.outlines) {
            Polygon placed = translated(outline, placements[i]);
            for (Point2D& corner : placed)
                corner = {onClipperGrid(corner.x), onClipperGrid(corner.y)};
            drawing.polygons.push_back({std::move(placed), 0});
        }
        const Point2D label{rib.labelAt.x + placements[i].x, rib.labelAt.y + placements[i].y};
        drawing.texts.push_back({label, rib.labelHeight, rib.label, 1});
    }
    return dxfDocument(drawing);
}
