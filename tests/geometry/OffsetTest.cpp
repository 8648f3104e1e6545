// SPDX-License-Identifier: GPL-3.0-or-later
// Offsets and cuts through Clipper against shapes whose answer is known in closed form, and the
// polygon checks the airfoil reader relies on.
#include "geometry/Offset.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

const Polygon kBar = rectangle({0, 0, 100, 20});

TEST(Offset, InsetsAndCutsGiveTheAreasWorkedOutByHand) {
    const double pi = std::numbers::pi;
    const struct {
        const char* name;
        Polygons polygons;
        double area;
        std::size_t pieces;
    } rows[] = {
        {"inset 2", insetPolygon(kBar, 2), 96 * 16, 1},
        {"inset beyond half the depth", insetPolygon(kBar, 10.5), 0, 0},
        // Outwards the corners go round: a quarter circle each.
        {"outset 2", insetPolygon(kBar, -2), 100 * 20 + 2 * 2 * (100 + 20) + pi * 4, 1},
        {"inset of a clockwise bar", insetPolygon({kBar.rbegin(), kBar.rend()}, 2), 96 * 16, 1},
        {"cut to a box", intersection({kBar}, {rectangle({10, -5, 40, 25})}), 30 * 20, 1},
        {"notch from the top", difference({kBar}, {rectangle({45, 15, 55, 30})}), 2000 - 50, 1},
        {"notch through", difference({kBar}, {rectangle({45, -1, 55, 30})}), 2000 - 200, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(areaOf(row.polygons), row.area, 0.01);
        EXPECT_EQ(row.polygons.size(), row.pieces);
        for (const Polygon& piece : row.polygons)
            EXPECT_GT(signedArea(piece), 0) << "outer outlines turn counter-clockwise";
    }
}

TEST(Offset, InsetCornersLieOnTheClipperGrid) {
    const Polygons inset = insetPolygon(kBar, 1.23456);
    ASSERT_EQ(inset.size(), 1u);
    EXPECT_EQ(boundsOf(inset), (Box2D{1.2346, 1.2346, 98.7654, 18.7654}));
}

TEST(Polygon, CrossingsAreFoundButNotATwistAtOneCorner) {
    const struct {
        const char* name;
        Polygon polygon;
        std::optional<EdgeCrossing> crossing;
    } rows[] = {
        {"square", rectangle({0, 0, 1, 1}), std::nullopt},
        {"bow tie", {{0, 0}, {2, 2}, {3, 2}, {3, 0}, {2, 0}, {0, 2}, {-1, 1}}, EdgeCrossing{0, 4}},
        {"lower surface through the upper",
         {{1, 0}, {0.7, 0.03}, {0.4, 0.05}, {0, 0}, {0.4, -0.04}, {0.5, 0.06}, {0.7, -0.01}},
         EdgeCrossing{1, 4}},
        // A trailing edge written at 1.00001: the last edge crosses the first, one edge between.
        {"twisted trailing edge",
         {{1, 0}, {0.99, 0.001}, {0.5, 0.05}, {0, 0}, {0.5, -0.05}, {0.99, 0.0005}, {1.001, 0}},
         std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(firstSelfCrossing(row.polygon), row.crossing) << row.name;
}

TEST(Polygon, VerticalSpanIsTheLowestAndHighestCrossing) {
    const Polygons two{rectangle({0, 0, 10, 2}), rectangle({5, 4, 8, 9})};
    const auto span = verticalSpanAt(two, 6);
    ASSERT_TRUE(span);
    EXPECT_EQ(span->bottom, 0);
    EXPECT_EQ(span->top, 9);
    EXPECT_FALSE(verticalSpanAt(two, 11));
}

} // namespace
