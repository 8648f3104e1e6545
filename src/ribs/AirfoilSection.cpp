// SPDX-License-Identifier: GPL-3.0-or-later

#include "ribs/AirfoilSection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Intervals of the cosine spacing on each surface.
constexpr int kCosineIntervals = 100;
// Stations closer than this are one: far below the 1e-6 a file's point is kept to.
constexpr double kSameStation = 1e-9;

std::vector<double> cosineStations() {
    std::vector<double> stations;
    for (int i = 0; i <= kCosineIntervals; ++i)
        stations.push_back((1 - std::cos(std::numbers::pi * i / kCosineIntervals)) / 2);
    return stations;
}

void addSurfaceStations(std::vector<double>& stations, const std::vector<Point2D>& points,
                        std::size_t from, std::size_t to) {
    for (std::size_t i = from; i <= to; ++i) {
        if (points[i].x >= 0 && points[i].x <= 1)
            stations.push_back(points[i].x);
    }
}

void sortUnique(std::vector<double>& stations) {
    std::ranges::sort(stations);
    const auto same = [](double a, double b) {
        return b - a < kSameStation;
    };
    stations.erase(std::unique(stations.begin(), stations.end(), same), stations.end());
}

} // namespace

SmoothAirfoil::SmoothAirfoil(const Airfoil& airfoil)
    : airfoil_(airfoil)
    , curve_(airfoil.points)
    , leadingEdge_(leadingEdgeIndex(airfoil.points)) {}

// The stations in order, each found walking on from where the last one was.
std::vector<double> SmoothAirfoil::heightsAt(const std::vector<double>& stations,
                                             bool upper) const {
    const std::size_t end = upper ? 0 : airfoil_.points.size() - 1;
    std::vector<double> heights;
    heights.reserve(stations.size());
    std::size_t from = leadingEdge_;
    for (const double x : stations) {
        const auto place = curve_.placeAtX(x, from, end);
        if (!place) {
            heights.push_back(airfoil_.points[end].y);
            continue;
        }
        heights.push_back(curve_.at(place->parameter).y);
        from = place->stretchStart;
    }
    return heights;
}

SectionOrdinates SmoothAirfoil::ordinatesAt(const ChordStations& stations) const {
    return {heightsAt(stations.upper, true), heightsAt(stations.lower, false)};
}

ChordStations chordStations(const std::vector<const Airfoil*>& keepPointsOf) {
    ChordStations stations{cosineStations(), cosineStations()};
    for (const Airfoil* airfoil : keepPointsOf) {
        const std::size_t leading = leadingEdgeIndex(airfoil->points);
        addSurfaceStations(stations.upper, airfoil->points, 0, leading);
        addSurfaceStations(stations.lower, airfoil->points, leading, airfoil->points.size() - 1);
    }
    sortUnique(stations.upper);
    sortUnique(stations.lower);
    return stations;
}

SectionOrdinates blendOrdinates(const SectionOrdinates& a, const SectionOrdinates& b,
                                double blend) {
    SectionOrdinates blended = a;
    for (std::size_t i = 0; i < blended.upper.size(); ++i)
        blended.upper[i] += (b.upper[i] - a.upper[i]) * blend;
    for (std::size_t i = 0; i < blended.lower.size(); ++i)
        blended.lower[i] += (b.lower[i] - a.lower[i]) * blend;
    return blended;
}

namespace {

// The surface's points within the range, from its leading edge, with a point of the straight line
// between two stations at each end of the range that falls between them.
std::vector<Point2D> surfaceWithin(const std::vector<double>& stations,
                                   const std::vector<double>& heights, ChordRange range) {
    std::vector<Point2D> points;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        const double x = stations[i];
        if (i > 0) {
            const double previous = stations[i - 1];
            for (const double end : {range.from, range.to}) {
                if (previous < end && end < x)
                    points.push_back({end, heights[i - 1] + (heights[i] - heights[i - 1]) *
                                                                (end - previous) / (x - previous)});
            }
        }
        if (x >= range.from && x <= range.to)
            points.push_back({x, heights[i]});
    }
    return points;
}

} // namespace

Polygon sectionOutline(const ChordStations& stations, const SectionOrdinates& ordinates,
                       double chord, ChordRange range) {
    const std::vector<Point2D> upper = surfaceWithin(stations.upper, ordinates.upper, range);
    const std::vector<Point2D> lower = surfaceWithin(stations.lower, ordinates.lower, range);
    Polygon outline;
    outline.reserve(upper.size() + lower.size());
    for (auto p = upper.rbegin(); p != upper.rend(); ++p)
        outline.push_back({p->x * chord, p->y * chord});
    // Both surfaces start at the leading edge; it is written once.
    const bool sharedStart = !upper.empty() && !lower.empty() && upper.front() == lower.front();
    for (std::size_t i = sharedStart ? 1 : 0; i < lower.size(); ++i)
        outline.push_back({lower[i].x * chord, lower[i].y * chord});
    if (outline.size() > 1 && outline.front() == outline.back())
        outline.pop_back();
    return outline;
}
