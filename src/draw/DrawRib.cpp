// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/DrawRib.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kMarginTwips = 150;

// The rib's millimetres onto the canvas: one scale both ways, y turned down.
struct RibToCanvas {
    double scale = 1;
    double left = 0;
    double middle = 0; // of the rib's height, in mm
    float centreX = 0;
    float centreY = 0;
    CanvasPoint operator()(Point2D p) const {
        return {static_cast<float>(centreX + (p.x - left) * scale),
                static_cast<float>(centreY - (p.y - middle) * scale)};
    }
};

} // namespace

Box2D ribFrame(const Rib& rib) {
    const Box2D box = rib.outlines.empty() ? Box2D{} : boundsOf(rib.outlines);
    return {std::min(box.minX, 0.0), std::min(box.minY, 0.0), std::max(box.maxX, rib.chord),
            std::max(box.maxY, 0.0)};
}

bool drawRib(const Rib& rib, const Box2D& frame, PlanformCanvas& canvas, float widthTwips,
             float heightTwips) {
    canvas.clear();
    const double width = frame.maxX - frame.minX;
    const double height = std::max(frame.maxY - frame.minY, 1e-9);
    if (!(width > 0) || !std::isfinite(width) || !std::isfinite(height))
        return false;
    const double scale = std::min((widthTwips - 2 * kMarginTwips) / width,
                                  (heightTwips - 2 * kMarginTwips) / height);
    const RibToCanvas map{scale, frame.minX, (frame.minY + frame.maxY) / 2,
                          static_cast<float>((widthTwips - width * scale) / 2), heightTwips / 2};
    canvas.setLineStyle(LineStyle::DashDotDot);
    canvas.lineInColour(map({0, 0}), map({rib.chord, 0}), kBlue);
    for (const JigTab& tab : rib.jigTabs)
        canvas.lineInColour(map(tab.cutLine[0]), map(tab.cutLine[1]), kBlue);
    canvas.setLineStyle(LineStyle::Solid);
    for (const Polygon& outline : rib.outlines) {
        for (std::size_t i = 0; i < outline.size(); ++i)
            canvas.lineInColour(map(outline[i]), map(outline[(i + 1) % outline.size()]), kBlack);
    }
    return true;
}
