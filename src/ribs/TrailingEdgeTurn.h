// SPDX-License-Identifier: GPL-3.0-or-later
// A rib's own axes turned about its trailing edge by its twist, leading edge down, as modellers
// set washout: where a point of the rib lies when the untwisted chord line is y = 0 (x aft, y up).
// The jig tabs and the foam-core templates both turn their sections so.
#pragma once

#include "geometry/Polygon.h"

#include <cmath>
#include <numbers>

class TrailingEdgeTurn {
public:
    TrailingEdgeTurn(double chord, double twistDegrees)
        : chord_(chord)
        , sine_(std::sin(twistDegrees * std::numbers::pi / 180))
        , cosine_(std::cos(twistDegrees * std::numbers::pi / 180)) {}

    Point2D operator()(Point2D p) const {
        const double aft = p.x - chord_;
        return {chord_ + aft * cosine_ - p.y * sine_, aft * sine_ + p.y * cosine_};
    }

    // The point at x of the rib's own axes that the turn brings to that height.
    Point2D atHeight(double x, double height) const {
        return {x, (height - (x - chord_) * sine_) / cosine_};
    }

    double cosine() const { return cosine_; }

private:
    double chord_;
    double sine_;
    double cosine_;
};
