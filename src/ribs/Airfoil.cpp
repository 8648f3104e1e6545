// SPDX-License-Identifier: GPL-3.0-or-later

#include "ribs/Airfoil.h"

#include "base/TextEncoding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kNormalTolerance = 1e-6;
constexpr std::size_t kLongestName = 60;

// The points with repeats in a row left out, each remembering its index among those given.
struct IndexedPoints {
    std::vector<Point2D> points;
    std::vector<std::size_t> given;
};

IndexedPoints withoutRepeats(const std::vector<Point2D>& points) {
    IndexedPoints kept;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!kept.points.empty() && kept.points.back() == points[i])
            continue;
        kept.points.push_back(points[i]);
        kept.given.push_back(i);
    }
    return kept;
}

Point2D middle(Point2D a, Point2D b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

// A closed trailing edge is written twice, as the first and the last point: once is the polygon.
Polygon outlineOf(const std::vector<Point2D>& points) {
    Polygon outline(points);
    if (outline.size() > 1 && outline.front() == outline.back())
        outline.pop_back();
    return outline;
}

std::size_t farthestFromTrailingEdge(const std::vector<Point2D>& points) {
    const Point2D trailing = middle(points.front(), points.back());
    std::size_t farthest = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (distance(points[i], trailing) > distance(points[farthest], trailing))
            farthest = i;
    }
    return farthest;
}

// Already on the unit chord to the 1e-6 the file keeps: the trailing edge's middle at (1, 0) and
// a point at the origin no nearer to it than the farthest point, rounding aside. Normalising
// twice then changes nothing.
bool onUnitChord(const std::vector<Point2D>& points) {
    const Point2D trailing = middle(points.front(), points.back());
    const Point2D leading = points[leadingEdgeIndex(points)];
    return distance(trailing, {1, 0}) < kNormalTolerance &&
           distance(leading, {0, 0}) < kNormalTolerance &&
           distance(points[farthestFromTrailingEdge(points)], trailing) <
               distance(leading, trailing) + 3 * kNormalTolerance;
}

// Moves the leading edge to the origin and the trailing edge's middle onto (1, 0).
void placeOnChord(std::vector<Point2D>& points, AirfoilNotes& notes) {
    if (onUnitChord(points))
        return;
    const std::size_t leadingIndex = farthestFromTrailingEdge(points);
    const Point2D leading = points[leadingIndex];
    const Point2D trailing = middle(points.front(), points.back());
    const double chord = distance(leading, trailing);
    const double angle = std::atan2(trailing.y - leading.y, trailing.x - leading.x);
    const double cosine = std::cos(-angle) / chord;
    const double sine = std::sin(-angle) / chord;
    for (Point2D& p : points) {
        const Point2D d{p.x - leading.x, p.y - leading.y};
        p = {d.x * cosine - d.y * sine, d.x * sine + d.y * cosine};
    }
    points[leadingIndex] = {0, 0};
    notes.scale = 1 / chord;
    notes.turnDegrees = angle * 180 / std::numbers::pi;
}

double roundedToMillionths(double value) {
    return std::round(value * 1e6) / 1e6 + 0.0; // + 0.0: no "-0.000000" in the file
}

void roundToMillionths(IndexedPoints& section) {
    IndexedPoints rounded;
    for (std::size_t i = 0; i < section.points.size(); ++i) {
        const Point2D p{roundedToMillionths(section.points[i].x),
                        roundedToMillionths(section.points[i].y)};
        if (!rounded.points.empty() && rounded.points.back() == p)
            continue;
        rounded.points.push_back(p);
        rounded.given.push_back(section.given[i]);
    }
    section = std::move(rounded);
}

NormalisedPoints refused(AirfoilFault fault, std::size_t point) {
    NormalisedPoints result;
    result.fault = fault;
    result.faultPoint = point;
    return result;
}

} // namespace

std::size_t leadingEdgeIndex(const std::vector<Point2D>& points) {
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (distance(points[i], {}) < distance(points[nearest], {}))
            nearest = i;
    }
    return nearest;
}

NormalisedPoints normaliseAirfoil(const std::vector<Point2D>& points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!std::isfinite(points[i].x) || !std::isfinite(points[i].y))
            return refused(AirfoilFault::NotFinite, i);
    }
    if (points.empty())
        return refused(AirfoilFault::NoNumbers, 0);
    IndexedPoints section = withoutRepeats(points);
    if (section.points.size() > kMostAirfoilPoints)
        return refused(AirfoilFault::TooManyPoints, section.given[kMostAirfoilPoints]);
    if (section.points.size() < kFewestAirfoilPoints)
        return refused(AirfoilFault::TooFewPoints, points.size() - 1);

    NormalisedPoints result;
    result.notes.duplicatesDropped = static_cast<int>(points.size() - section.points.size());
    if (signedArea(outlineOf(section.points)) < 0) {
        std::ranges::reverse(section.points);
        std::ranges::reverse(section.given);
        result.notes.reversed = true;
    }
    placeOnChord(section.points, result.notes);
    for (std::size_t i = 0; i < section.points.size(); ++i) {
        if (!std::isfinite(section.points[i].x) || !std::isfinite(section.points[i].y))
            return refused(AirfoilFault::NotFinite, section.given[i]);
    }
    roundToMillionths(section);
    if (section.points.size() < kFewestAirfoilPoints)
        return refused(AirfoilFault::TooFewPoints, points.size() - 1);
    // The later edge is the one that comes back across the outline.
    if (const auto crossing = firstSelfCrossing(outlineOf(section.points)))
        return refused(AirfoilFault::CrossesItself, section.given[crossing->laterEdge]);
    result.notes.trailingEdgeGap = distance(section.points.front(), section.points.back());
    result.points = std::move(section.points);
    return result;
}

std::string cleanAirfoilName(std::string_view name) {
    std::string cleaned;
    bool blank = false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        const bool replaced = byte < 0x20 || byte == 0x7F || c == '[' || c == ']' || c == '"' ||
                              c == '\'' || c == ';' || c == ' ';
        if (replaced) {
            blank = !cleaned.empty();
            continue;
        }
        if (blank)
            cleaned += ' ';
        blank = false;
        cleaned += c;
    }
    if (cleaned.size() >= 4 &&
        equalsIgnoringAsciiCase(std::string_view(cleaned).substr(cleaned.size() - 4), ".dat"))
        cleaned.resize(cleaned.size() - 4);
    cleaned = std::string(firstCharacters(cleaned, kLongestName));
    while (!cleaned.empty() && cleaned.back() == ' ')
        cleaned.pop_back();
    return cleaned;
}
