// SPDX-License-Identifier: GPL-3.0-or-later

#include "geometry/Polygon.h"

#include <algorithm>
#include <limits>

namespace {

double turn(Point2D a, Point2D b, Point2D c) {
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

// Each segment has the other's ends strictly on both sides: touching is no crossing.
bool crossProperly(Point2D a, Point2D b, Point2D c, Point2D d) {
    const double abc = turn(a, b, c);
    const double abd = turn(a, b, d);
    const double cda = turn(c, d, a);
    const double cdb = turn(c, d, b);
    return ((abc > 0 && abd < 0) || (abc < 0 && abd > 0)) &&
           ((cda > 0 && cdb < 0) || (cda < 0 && cdb > 0));
}

} // namespace

double signedArea(const Polygon& polygon) {
    double twice = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point2D& a = polygon[i];
        const Point2D& b = polygon[(i + 1) % polygon.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2;
}

Box2D boundsOf(const Polygons& polygons) {
    constexpr double kHuge = std::numeric_limits<double>::max();
    Box2D box{kHuge, kHuge, -kHuge, -kHuge};
    for (const Polygon& polygon : polygons) {
        for (const Point2D& p : polygon)
            box = {std::min(box.minX, p.x), std::min(box.minY, p.y), std::max(box.maxX, p.x),
                   std::max(box.maxY, p.y)};
    }
    return box.minX > box.maxX ? Box2D{} : box;
}

std::optional<EdgeCrossing> firstSelfCrossing(const Polygon& polygon) {
    const std::size_t n = polygon.size();
    if (n < 4)
        return std::nullopt;
    for (std::size_t i = 0; i < n; ++i) {
        const Point2D a = polygon[i];
        const Point2D b = polygon[(i + 1) % n];
        const double left = std::min(a.x, b.x);
        const double right = std::max(a.x, b.x);
        for (std::size_t j = i + 3; j < n; ++j) {
            if (i + n - j <= 2)
                break; // j wraps round to within two edges of i
            const Point2D c = polygon[j];
            const Point2D d = polygon[(j + 1) % n];
            if (std::max(c.x, d.x) < left || std::min(c.x, d.x) > right)
                continue;
            if (crossProperly(a, b, c, d))
                return EdgeCrossing{i, j};
        }
    }
    return std::nullopt;
}

std::optional<VerticalSpan> verticalSpanAt(const Polygons& polygons, double x) {
    std::optional<VerticalSpan> span;
    for (const Polygon& polygon : polygons) {
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const Point2D a = polygon[i];
            const Point2D b = polygon[(i + 1) % polygon.size()];
            if ((a.x > x) == (b.x > x))
                continue; // both on one side; a vertical edge at x is met by its neighbours
            const double y = a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
            span = span ? VerticalSpan{std::min(span->bottom, y), std::max(span->top, y)}
                        : VerticalSpan{y, y};
        }
    }
    return span;
}

Polygon rectangle(const Box2D& box) {
    return {{box.minX, box.minY}, {box.maxX, box.minY}, {box.maxX, box.maxY}, {box.minX, box.maxY}};
}
