// SPDX-License-Identifier: GPL-3.0-or-later

#include "ribs/JigTabs.h"

#include "geometry/Offset.h"
#include "ribs/TrailingEdgeTurn.h"

#include <algorithm>
#include <optional>

namespace {

// A tab reaches this far into its rib, so that both are one part.
constexpr double kOverlap = 0.5;
// Where the surface is read across a tab's width: its edges and between them.
constexpr int kSurfaceSamples = 5;
// Notches are cut again this far past the board, through the tab they would fill.
constexpr double kClearance = 1;

struct TabPlace {
    int tab = 0;
    double left = 0;
    double right = 0;
    double attach = 0; // where the tab's top (bottom, upside down) lies inside the rib
};

// The surface facing the board across the tab's width, and the other one, each at the samples;
// nothing where the rib does not reach.
std::optional<TabPlace> placeTab(const Rib& rib, int tab, double percent, double width,
                                 bool upsideDown) {
    const double centre = rib.chord * percent / 100;
    TabPlace place{tab, centre - width / 2, centre + width / 2, 0};
    double nearest = upsideDown ? 1e300 : -1e300;  // the facing surface's point farthest in
    double farthest = upsideDown ? -1e300 : 1e300; // the other surface's point nearest to it
    for (int i = 0; i < kSurfaceSamples; ++i) {
        const double x = place.left + width * i / (kSurfaceSamples - 1);
        const std::optional<VerticalSpan> span = verticalSpanAt(rib.outlines, x);
        if (!span)
            return std::nullopt;
        const double facing = upsideDown ? span->top : span->bottom;
        const double other = upsideDown ? span->bottom : span->top;
        nearest = upsideDown ? std::min(nearest, facing) : std::max(nearest, facing);
        farthest = upsideDown ? std::max(farthest, other) : std::min(farthest, other);
    }
    place.attach = upsideDown ? std::max(nearest - kOverlap, farthest)
                              : std::min(nearest + kOverlap, farthest);
    return place;
}

double facingSurface(const Rib& rib, double x, bool upsideDown) {
    const VerticalSpan span = verticalSpanAt(rib.outlines, x).value_or(VerticalSpan{});
    return upsideDown ? span.top : span.bottom;
}

// The notches on the board's side, cut again through the tabs past the board.
Polygons notchesFacing(const Rib& rib, bool upsideDown, double beyond) {
    Polygons cuts;
    for (const RibNotch& notch : rib.notches) {
        const double left = notch.x - notch.width / 2;
        const double right = notch.x + notch.width / 2;
        if (upsideDown && notch.side != NotchSide::Bottom)
            cuts.push_back(rectangle({left, notch.floorTop, right, beyond}));
        if (!upsideDown && notch.side != NotchSide::Top)
            cuts.push_back(rectangle({left, beyond, right, notch.floorBottom}));
    }
    return cuts;
}

void cutTabs(Rib& rib, const std::vector<TabPlace>& places, double board, bool upsideDown) {
    const TrailingEdgeTurn turn(rib.chord, rib.twist);
    Polygons tabs;
    double beyond = upsideDown ? -1e300 : 1e300;
    for (const TabPlace& place : places) {
        const Point2D footLeft = turn.atHeight(place.left, board);
        const Point2D footRight = turn.atHeight(place.right, board);
        const Point2D attachLeft{place.left, place.attach};
        const Point2D attachRight{place.right, place.attach};
        tabs.push_back(upsideDown ? Polygon{attachLeft, attachRight, footRight, footLeft}
                                  : Polygon{footLeft, footRight, attachRight, attachLeft});
        rib.jigTabs.push_back(
            {place.tab,
             {footLeft, footRight},
             {Point2D{place.left, facingSurface(rib, place.left, upsideDown)},
              Point2D{place.right, facingSurface(rib, place.right, upsideDown)}}});
        for (const double y : {footLeft.y, footRight.y})
            beyond =
                upsideDown ? std::max(beyond, y + kClearance) : std::min(beyond, y - kClearance);
    }
    rib.outlines = difference(unionOf(rib.outlines, tabs), notchesFacing(rib, upsideDown, beyond));
    rib.area = areaOf(rib.outlines);
}

} // namespace

void addJigTabs(std::vector<Rib>& ribs, const RibSettings& settings) {
    const JigTabSettings& jig = settings.jig;
    if (!jig.enabled)
        return;
    const bool upsideDown = jig.side == BuildingSide::UpsideDown;
    std::vector<std::vector<TabPlace>> places(ribs.size());
    std::optional<double> board;
    for (std::size_t i = 0; i < ribs.size(); ++i) {
        Rib& rib = ribs[i];
        if (rib.outlines.empty())
            continue;
        const TrailingEdgeTurn turn(rib.chord, rib.twist);
        for (const auto& [tab, percent] : {std::pair{0, jig.frontPercent}, {1, jig.rearPercent}}) {
            const std::optional<TabPlace> place =
                placeTab(rib, tab, percent, jig.width, upsideDown);
            if (!place) {
                rib.problems.push_back({RibProblemKind::JigTabOutsideRib, tab});
                continue;
            }
            places[i].push_back(*place);
            // The shortest tab, measured square to the rib's chord, is exactly jig.height long.
            for (int k = 0; k < kSurfaceSamples; ++k) {
                const double x = place->left + jig.width * k / (kSurfaceSamples - 1);
                const double surface = facingSurface(rib, x, upsideDown);
                const double reach =
                    turn({x, surface}).y + (upsideDown ? 1 : -1) * jig.height * turn.cosine();
                board = !board       ? reach
                        : upsideDown ? std::max(*board, reach)
                                     : std::min(*board, reach);
            }
        }
    }
    if (!board)
        return;
    for (std::size_t i = 0; i < ribs.size(); ++i) {
        if (!places[i].empty())
            cutTabs(ribs[i], places[i], *board, upsideDown);
    }
}
