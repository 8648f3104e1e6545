// SPDX-License-Identifier: GPL-3.0-or-later

#include "geometry/Offset.h"

#include <algorithm>
#include <cmath>
#include <polyclipping/clipper.hpp>

namespace {

// The largest inset of a rounded corner from its true arc, in Clipper units (1 µm).
constexpr double kArcTolerance = 10;

ClipperLib::cInt units(double mm) {
    return static_cast<ClipperLib::cInt>(std::llround(mm * kClipperUnitsPerMm));
}

double millimetres(ClipperLib::cInt units) {
    return static_cast<double>(units) / kClipperUnitsPerMm; // the nearest double to the grid
}

ClipperLib::Paths toClipper(const Polygons& polygons) {
    ClipperLib::Paths paths;
    paths.reserve(polygons.size());
    for (const Polygon& polygon : polygons) {
        ClipperLib::Path path;
        path.reserve(polygon.size());
        for (const Point2D& p : polygon)
            path.emplace_back(units(p.x), units(p.y));
        paths.push_back(std::move(path));
    }
    return paths;
}

// Corners left on a straight line or within a unit of each other by the clipping are dropped.
Polygons fromClipper(ClipperLib::Paths paths) {
    ClipperLib::CleanPolygons(paths);
    Polygons polygons;
    polygons.reserve(paths.size());
    for (const ClipperLib::Path& path : paths) {
        Polygon polygon;
        polygon.reserve(path.size());
        for (const ClipperLib::IntPoint& p : path)
            polygon.push_back({millimetres(p.X), millimetres(p.Y)});
        polygons.push_back(std::move(polygon));
    }
    return polygons;
}

// Mirrored about the diagonal, turning sense kept: Clipper sweeps along y, and a rib lies along
// x, so its long flat surfaces would all be under the sweep line at once.
void mirrorDiagonally(ClipperLib::Paths& paths) {
    for (ClipperLib::Path& path : paths) {
        for (ClipperLib::IntPoint& p : path)
            std::swap(p.X, p.Y);
        std::ranges::reverse(path);
    }
}

Polygons clip(const Polygons& subject, const Polygons& clipping, ClipperLib::ClipType type) {
    ClipperLib::Paths subjectPaths = toClipper(subject);
    ClipperLib::Paths clipPaths = toClipper(clipping);
    mirrorDiagonally(subjectPaths);
    mirrorDiagonally(clipPaths);
    ClipperLib::Clipper clipper;
    clipper.AddPaths(subjectPaths, ClipperLib::ptSubject, true);
    clipper.AddPaths(clipPaths, ClipperLib::ptClip, true);
    ClipperLib::Paths solution;
    clipper.Execute(type, solution, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    mirrorDiagonally(solution);
    return fromClipper(solution);
}

} // namespace

Polygons insetPolygon(const Polygon& polygon, double inset) {
    ClipperLib::Paths paths = toClipper({polygon});
    mirrorDiagonally(paths);
    ClipperLib::ClipperOffset offset(2.0, kArcTolerance);
    offset.AddPaths(paths, ClipperLib::jtRound, ClipperLib::etClosedPolygon);
    ClipperLib::Paths solution;
    offset.Execute(solution, -inset * kClipperUnitsPerMm);
    mirrorDiagonally(solution);
    return fromClipper(solution);
}

Polygons intersection(const Polygons& subject, const Polygons& clipping) {
    return clip(subject, clipping, ClipperLib::ctIntersection);
}

Polygons unionOf(const Polygons& subject, const Polygons& more) {
    return clip(subject, more, ClipperLib::ctUnion);
}

Polygons difference(const Polygons& subject, const Polygons& cuts) {
    return clip(subject, cuts, ClipperLib::ctDifference);
}

double onClipperGrid(double mm) {
    return millimetres(units(mm));
}

double areaOf(const Polygons& polygons) {
    double area = 0;
    for (const Polygon& polygon : polygons)
        area += signedArea(polygon);
    return area;
}

Polygons grownBy(const Polygons& polygons, double margin) {
    if (margin <= 0)
        return polygons;
    Polygons grown;
    for (const Polygon& polygon : polygons) {
        const Polygons outward = insetPolygon(polygon, -margin);
        grown.insert(grown.end(), outward.begin(), outward.end());
    }
    return grown;
}
