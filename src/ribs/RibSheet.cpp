// SPDX-License-Identifier: GPL-3.0-or-later

#include "ribs/RibSheet.h"

#include "geometry/Offset.h"
#include "ribs/RibShape.h"

#include <algorithm>

namespace {

Box2D united(const Box2D& a, const Box2D& b) {
    return {std::min(a.minX, b.minX), std::min(a.minY, b.minY), std::max(a.maxX, b.maxX),
            std::max(a.maxY, b.maxY)};
}

Box2D moved(const Box2D& box, Point2D by) {
    return {box.minX + by.x, box.minY + by.y, box.maxX + by.x, box.maxY + by.y};
}

} // namespace

Box2D ribExtent(const Rib& rib) {
    const Box2D label = labelBoxOf(rib);
    return rib.outlines.empty() ? label : united(boundsOf(rib.outlines), label);
}

std::vector<Point2D> ribSheetPlacements(const std::vector<Rib>& ribs) {
    std::vector<Point2D> placements;
    double bottom = kRibSheetGap; // of the rib above, the first one's top at 0
    for (const Rib& rib : ribs) {
        const Box2D extent = ribExtent(rib);
        const double y = onClipperGrid(bottom - kRibSheetGap - extent.maxY);
        placements.push_back({0, y});
        bottom = y + extent.minY;
    }
    return placements;
}

Box2D ribSheetBounds(const std::vector<Rib>& ribs, const std::vector<Point2D>& placements) {
    if (ribs.empty())
        return {};
    Box2D bounds = moved(ribExtent(ribs.front()), placements.front());
    for (std::size_t i = 1; i < ribs.size(); ++i)
        bounds = united(bounds, moved(ribExtent(ribs[i]), placements[i]));
    return bounds;
}
