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

double SmoothAirfoil::heightAt(double x, bool upper) const {
    const std::size_t end = upper ? 0 : airfoil_.points.size() - 1;
    if (const auto parameter = curve_.parameterAtX(x, leadingEdge_, end))
        return curve_.at(*parameter).y;
    return airfoil_.points[end].y;
}

SectionOrdinates SmoothAirfoil::ordinatesAt(const ChordStations& stations) const {
    SectionOrdinates ordinates;
    ordinates.upper.reserve(stations.upper.size());
    ordinates.lower.reserve(stations.lower.size());
    for (const double x : stations.upper)
        ordinates.upper.push_back(heightAt(x, true));
    for (const double x : stations.lower)
        ordinates.lower.push_back(heightAt(x, false));
    return ordinates;
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

Polygon sectionOutline(const ChordStations& stations, const SectionOrdinates& ordinates,
                       double chord) {
    Polygon outline;
    outline.reserve(stations.upper.size() + stations.lower.size());
    for (std::size_t i = stations.upper.size(); i-- > 0;)
        outline.push_back({stations.upper[i] * chord, ordinates.upper[i] * chord});
    // Both surfaces start at the leading edge; it is written once.
    for (std::size_t i = 1; i < stations.lower.size(); ++i)
        outline.push_back({stations.lower[i] * chord, ordinates.lower[i] * chord});
    if (outline.size() > 1 && outline.front() == outline.back())
        outline.pop_back();
    return outline;
}
