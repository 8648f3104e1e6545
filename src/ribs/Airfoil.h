// SPDX-License-Identifier: GPL-3.0-or-later
// An airfoil section as the ribs use it: a name and its outline in Selig order (trailing edge,
// upper surface, leading edge, lower surface, trailing edge), normalised to chord 1 with the
// leading edge at the origin and the trailing edge on the x axis, to 1e-6 of the chord.
#pragma once

#include "geometry/Polygon.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Airfoil {
    std::string name;
    std::vector<Point2D> points;
    bool operator==(const Airfoil&) const = default;
};

// What a coordinate file may hold, counted after duplicated points are left out.
inline constexpr std::size_t kFewestAirfoilPoints = 10;
inline constexpr std::size_t kMostAirfoilPoints = 2000;

// Why a list of points is no airfoil; the readers say where.
enum class AirfoilFault {
    NoNumbers,
    TooFewPoints,
    TooManyPoints,
    NotFinite,
    CountMismatch,
    CrossesItself
};

// What normalising did, so a user can be told where a file was scaled or turned.
struct AirfoilNotes {
    double scale = 1;           // the chord was multiplied by this (0.01 for a file in percent)
    double turnDegrees = 0;     // the chord line was turned onto the x axis by this angle
    double trailingEdgeGap = 0; // an open trailing edge, in chords
    int duplicatesDropped = 0;  // points given twice in a row
    bool reversed = false;      // the lower surface came first
    bool operator==(const AirfoilNotes&) const = default;
};

struct NormalisedPoints {
    std::vector<Point2D> points;
    AirfoilNotes notes;
    std::optional<AirfoilFault> fault;
    std::size_t faultPoint = 0; // the index in the points given of the point at fault
};

// Leading edge: the point farthest from the middle of the trailing edge (the first and last
// points). The section is moved, turned and scaled so that the leading edge lies at (0, 0) and
// the middle of the trailing edge at (1, 0), unless it is already so to 1e-6, then rounded to
// 1e-6 as the .ribs file keeps it; normalising again changes nothing. Refused: too few or too
// many points, a point that is not finite (before or after scaling), an outline that crosses
// itself.
NormalisedPoints normaliseAirfoil(const std::vector<Point2D>& points);

// The index of the leading-edge point of a normalised airfoil: the one at the origin.
std::size_t leadingEdgeIndex(const std::vector<Point2D>& points);

// A name that the .ribs file can carry as a section name and as a value: control characters,
// brackets, quotes and ";" become spaces, blanks are trimmed and joined, a ".dat" ending is
// dropped, and the name is cut to 60 characters. Empty when nothing is left.
std::string cleanAirfoilName(std::string_view name);
