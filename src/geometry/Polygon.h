// SPDX-License-Identifier: GPL-3.0-or-later
// Points and closed polygons in the plane, y up: millimetres for a rib, chords for an airfoil.
// What the rib geometry hands on to drawings, files and cutters.
#pragma once

#include <cmath>
#include <cstddef>
#include <optional>
#include <vector>

struct Point2D {
    double x = 0;
    double y = 0;
    bool operator==(const Point2D&) const = default;
};

inline double distance(Point2D a, Point2D b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Closed: the last point joins the first, which is not repeated.
using Polygon = std::vector<Point2D>;
using Polygons = std::vector<Polygon>;

struct Box2D {
    double minX = 0;
    double minY = 0;
    double maxX = 0;
    double maxY = 0;
    bool operator==(const Box2D&) const = default;
};

// Positive when the corners run counter-clockwise.
double signedArea(const Polygon& polygon);

// The box around every point; a zero box at the origin when there are none.
Box2D boundsOf(const Polygons& polygons);

// Two edges that cross, each named by the index of its first corner.
struct EdgeCrossing {
    std::size_t edge = 0;
    std::size_t laterEdge = 0;
    bool operator==(const EdgeCrossing&) const = default;
};

// The first edge that properly crosses a later one, with the first later edge it crosses. Edges
// next to each other, or with one edge between them, are not compared: a twist that small is a
// rounding quirk of real coordinate files (a trailing edge written at 1.00001), not a crossing.
std::optional<EdgeCrossing> firstSelfCrossing(const Polygon& polygon);

// Where the vertical line at x meets the polygons: the lowest and the highest crossing.
struct VerticalSpan {
    double bottom = 0;
    double top = 0;
};
std::optional<VerticalSpan> verticalSpanAt(const Polygons& polygons, double x);

Polygon rectangle(const Box2D& box);
