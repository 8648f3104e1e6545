// SPDX-License-Identifier: GPL-3.0-or-later
// A smooth curve through the points of a polyline, from GSL's Steffen splines of x and y over
// the length along the polyline. Parametrised by length, a curve may turn back on itself, as an
// airfoil does round its leading edge; Steffen's splines never overshoot, so between two points
// the curve stays monotone wherever the points are.
#pragma once

#include "geometry/Polygon.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

class SmoothCurve {
public:
    // At least three points, no two neighbours alike.
    explicit SmoothCurve(const std::vector<Point2D>& points);
    ~SmoothCurve();
    SmoothCurve(SmoothCurve&&) noexcept;
    SmoothCurve& operator=(SmoothCurve&&) noexcept;

    // The parameter runs from 0 at the first point to length() at the last.
    double length() const { return parameters_.back(); }
    double parameterOf(std::size_t point) const { return parameters_[point]; }
    Point2D at(double parameter) const;

    // Where the curve between the points `from` and `to` (either order) first reaches x, walking
    // from `from`: the parameter, and the point the stretch it lies on starts at (to walk on
    // from there for a further x). Nothing when it does not reach x.
    struct Place {
        double parameter = 0;
        std::size_t stretchStart = 0;
    };
    std::optional<Place> placeAtX(double x, std::size_t from, std::size_t to) const;

private:
    struct Splines; // GSL's, of x and y over the parameter

    std::vector<double> parameters_;
    std::vector<double> xs_;
    std::unique_ptr<Splines> splines_;
};
