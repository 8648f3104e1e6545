// SPDX-License-Identifier: GPL-3.0-or-later
// Sections: NACA four-digit ones from their formula, and every real file made smooth, through
// its points and close to its polyline, sampled at the stations of the chord.
#include "ribs/AirfoilSection.h"

#include "files/AirfoilFile.h"
#include "ribs/NacaAirfoil.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(NacaAirfoil, ReadsFourDigitDesignationsOnly) {
    const struct {
        const char* name;
        std::optional<std::string> section;
    } rows[] = {
        {"NACA 2412", "NACA 2412"}, {"naca0009", "NACA 0009"},    {"  Naca   4415 ", "NACA 4415"},
        {"NACA 241", std::nullopt}, {"NACA 24125", std::nullopt}, {"NACA 24a2", std::nullopt},
        {"NAC 2412", std::nullopt}, {"NACA 2400", std::nullopt},  {"AG35", std::nullopt},
    };
    for (const auto& row : rows) {
        const std::optional<Airfoil> airfoil = nacaAirfoil(row.name);
        EXPECT_EQ(airfoil ? std::optional(airfoil->name) : std::nullopt, row.section) << row.name;
    }
}

// The published numbers: thickness t at 30 % of the chord is t, the mean line m at p.
TEST(NacaAirfoil, FollowsThePublishedFormula) {
    const struct {
        NacaDigits digits;
        double thicknessAt30;
        double camberAt40;
    } rows[] = {
        {{0, 0, 12}, 0.12, 0},
        {{2, 4, 12}, 0.12, 0.02},
        {{4, 4, 15}, 0.15, 0.04},
    };
    for (const auto& row : rows) {
        const std::vector<Point2D> points = nacaFormulaPoints(row.digits);
        SCOPED_TRACE(row.digits.thicknessPercent + 100 * row.digits.camberPercent);
        ASSERT_EQ(points.size(), 161u);
        EXPECT_EQ(points.front(), (Point2D{1, 0}));
        EXPECT_EQ(points.back(), (Point2D{1, 0}));
        EXPECT_EQ(points[80], (Point2D{0, 0}));
        const SmoothAirfoil smooth({"naca", points});
        const ChordStations at{{0.3, 0.4}, {0.3, 0.4}};
        const SectionOrdinates y = smooth.ordinatesAt(at);
        // Thickness is laid off normal to the mean line, so the vertical one differs a little.
        EXPECT_NEAR(y.upper[0] - y.lower[0], row.thicknessAt30, 0.0015);
        EXPECT_NEAR((y.upper[1] + y.lower[1]) / 2, row.camberAt40, 2e-4);
    }
}

double distanceToSegment(Point2D p, Point2D a, Point2D b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double t =
        std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// Between two points the smooth curve stays within 0.1 % of the chord of the file's polyline;
// only a nose given as a corner (naca0009.dat, points 3 % of the chord apart) is rounded further,
// towards the true section.
TEST(SmoothAirfoil, StaysCloseToEveryRealFile) {
    const struct {
        const char* file;
        double largestDeviation;
    } rows[] = {
        {"ag455ct-02r.dat", 0.001}, {"e374.dat", 0.001},  {"hn785sr.dat", 0.001},
        {"ht14.dat", 0.001},        {"mh45.dat", 0.001},  {"naca0009.dat", 0.0035},
        {"s4083rev.dat", 0.001},    {"s7075.dat", 0.001}, {"sc20403rev.dat", 0.001},
        {"sd7003.dat", 0.001},      {"tp60j.dat", 0.001}, {"tp66-s.dat", 0.001},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const AirfoilFileRead read =
            loadAirfoilFile(std::string(WINGSHEET_AIRFOIL_FILES) + "/" + row.file);
        ASSERT_TRUE(read.airfoil);
        const std::vector<Point2D>& p = read.airfoil->points;
        const SmoothAirfoil smooth(*read.airfoil);
        const SmoothCurve& curve = smooth.curve();
        double worst = 0;
        for (std::size_t i = 0; i + 1 < p.size(); ++i) {
            for (int k = 1; k < 16; ++k) {
                const double s = curve.parameterOf(i) +
                                 (curve.parameterOf(i + 1) - curve.parameterOf(i)) * k / 16;
                double nearest = 1;
                for (std::size_t j = 0; j + 1 < p.size(); ++j)
                    nearest = std::min(nearest, distanceToSegment(curve.at(s), p[j], p[j + 1]));
                worst = std::max(worst, nearest);
            }
        }
        EXPECT_LT(worst, row.largestDeviation);
        // Sampled at its own stations, the section gives back its own points.
        const ChordStations own = chordStations({&*read.airfoil});
        const Polygon outline = sectionOutline(own, smooth.ordinatesAt(own), 1);
        for (const Point2D& point : p) {
            const bool found = std::ranges::any_of(outline, [&point](Point2D q) {
                return std::abs(q.x - point.x) < 1e-9 && std::abs(q.y - point.y) < 1e-9;
            });
            EXPECT_TRUE(found || point.x > 1) << point.x << " " << point.y;
        }
    }
}

// Blends between sections are checked on the real program's ribs in rib_shapes_test.py.
TEST(ChordStations, CosineSpacedForGeneratedSections) {
    const ChordStations stations = chordStations({});
    ASSERT_EQ(stations.upper.size(), 101u);
    EXPECT_LT(stations.upper[1], 0.00025) << "dense at the leading edge";
    EXPECT_GT(stations.upper[99], 0.99975) << "and at the trailing edge";
}

} // namespace
