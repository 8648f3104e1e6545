// SPDX-License-Identifier: GPL-3.0-or-later
// The smooth curve through a polyline: through every point, close to the true curve the points
// were taken from, and found again by x on a stretch where x runs one way.
#include "geometry/SmoothCurve.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

// A circle of radius 1 from the right round the top to the left and back underneath, as an
// airfoil's outline turns round its leading edge.
std::vector<Point2D> circlePoints(int count) {
    std::vector<Point2D> points;
    for (int i = 0; i <= count; ++i) {
        const double angle = 2 * std::numbers::pi * i / count;
        points.push_back({std::cos(angle), std::sin(angle)});
    }
    return points;
}

TEST(SmoothCurve, PassesThroughEveryPointAndStaysNearTheCircle) {
    const std::vector<Point2D> points = circlePoints(48);
    const SmoothCurve curve(points);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point2D at = curve.at(curve.parameterOf(i));
        EXPECT_NEAR(at.x, points[i].x, 1e-12);
        EXPECT_NEAR(at.y, points[i].y, 1e-12);
    }
    double worst = 0;
    for (int k = 0; k <= 1000; ++k) {
        const Point2D p = curve.at(curve.length() * k / 1000);
        worst = std::max(worst, std::abs(std::hypot(p.x, p.y) - 1));
    }
    // Closer to the circle than the polyline, which lies up to 1 - cos(pi / 48) inside it.
    EXPECT_LT(worst, 0.65 * (1 - std::cos(std::numbers::pi / 48)));
}

TEST(SmoothCurve, FindsTheParameterOfAnXOnEitherHalf) {
    const std::vector<Point2D> points = circlePoints(48);
    const SmoothCurve curve(points);
    const std::size_t left = 24;
    for (const double x : {0.9, 0.0, -0.7}) {
        const auto upper = curve.placeAtX(x, left, 0);
        const auto lower = curve.placeAtX(x, left, points.size() - 1);
        ASSERT_TRUE(upper && lower);
        EXPECT_NEAR(curve.at(upper->parameter).x, x, 1e-12);
        EXPECT_GT(curve.at(upper->parameter).y, 0);
        EXPECT_LT(curve.at(lower->parameter).y, 0);
        EXPECT_EQ(curve.placeAtX(x, upper->stretchStart, 0)->parameter, upper->parameter)
            << "walking on from the stretch found, the same place";
    }
    EXPECT_FALSE(curve.placeAtX(1.5, left, 0));
}

} // namespace
