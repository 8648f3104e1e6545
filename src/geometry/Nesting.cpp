// SPDX-License-Identifier: GPL-3.0-or-later

#include "geometry/Nesting.h"

#include "geometry/Offset.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

constexpr double kColumnMm = 1;
// Clipper's round corners lie up to 1 µm inside the true offset: parts are grown by this more.
constexpr double kArcSlackMm = 0.002;
constexpr double kNone = std::numeric_limits<double>::infinity();

// A footprint's extent column by column from its left edge: the lowest and the highest of its
// outline within each column, so that columns kept apart keep the parts apart.
struct Profile {
    double left = 0;
    double width = 0;
    double bottom = 0;
    double top = 0;
    std::vector<double> low;
    std::vector<double> high;
    double height() const { return top - bottom; }
};

void spread(Profile& profile, Point2D a, Point2D b) {
    if (a.x > b.x)
        std::swap(a, b);
    const auto column = [&profile](double x) {
        const auto k = static_cast<std::ptrdiff_t>(std::floor((x - profile.left) / kColumnMm));
        return std::clamp<std::ptrdiff_t>(k, 0,
                                          static_cast<std::ptrdiff_t>(profile.low.size()) - 1);
    };
    const auto reach = [&profile](std::ptrdiff_t k, double y) {
        profile.low[k] = std::min(profile.low[k], y);
        profile.high[k] = std::max(profile.high[k], y);
    };
    if (a.x == b.x) {
        reach(column(a.x), a.y);
        reach(column(a.x), b.y);
        return;
    }
    // A straight edge is highest and lowest at the ends of its piece in each column.
    for (std::ptrdiff_t k = column(a.x); k <= column(b.x); ++k) {
        for (const double x :
             {std::max(a.x, profile.left + static_cast<double>(k) * kColumnMm),
              std::min(b.x, profile.left + static_cast<double>(k + 1) * kColumnMm)})
            reach(k, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x));
    }
}

Profile profileOf(const Polygons& grown) {
    const Box2D box = boundsOf(grown);
    Profile profile{box.minX, box.maxX - box.minX, box.minY, box.maxY, {}, {}};
    const auto columns =
        static_cast<std::size_t>(std::max(1.0, std::ceil((box.maxX - box.minX) / kColumnMm)));
    profile.low.assign(columns, kNone);
    profile.high.assign(columns, -kNone);
    for (const Polygon& polygon : grown) {
        for (std::size_t i = 0; i < polygon.size(); ++i)
            spread(profile, polygon[i], polygon[(i + 1) % polygon.size()]);
    }
    return profile;
}

Polygons turnedHalfRound(Polygons polygons) {
    for (Polygon& polygon : polygons) {
        for (Point2D& p : polygon)
            p = {-p.x, -p.y};
    }
    return polygons;
}

Polygons mirroredUpsideDown(Polygons polygons) {
    for (Polygon& polygon : polygons) {
        for (Point2D& p : polygon)
            p.y = -p.y;
        std::ranges::reverse(polygon);
    }
    return polygons;
}

// What lies on a sheet so far: the height of the highest part in each column of its width
// (the last column may be cut short).
struct Skyline {
    double width = 0;
    std::vector<double> heights;
    double lowest() const {
        if (heights.empty())
            return kNone;
        return *std::ranges::min_element(heights);
    }
};

struct Spot {
    std::size_t column = 0;
    double y = kNone; // of the part's own origin
    double top = kNone;
};

// Where the profile comes to rest lowest on the skyline; top stays kNone when it fits nowhere.
Spot lowestSpot(const Skyline& skyline, const Profile& profile, double ceiling) {
    Spot best;
    const std::size_t columns = profile.low.size();
    for (std::size_t s = 0; s + columns <= skyline.heights.size() &&
                            static_cast<double>(s) * kColumnMm + profile.width <= skyline.width;
         ++s) {
        double y = -kNone;
        for (std::size_t k = 0; k < columns; ++k) {
            if (profile.low[k] != kNone)
                y = std::max(y, skyline.heights[s + k] - profile.low[k]);
        }
        const double top = y + profile.top;
        if (top <= ceiling && top < best.top)
            best = {s, y, top};
    }
    return best;
}

void settle(Skyline& skyline, const Profile& profile, const Spot& spot) {
    for (std::size_t k = 0; k < profile.high.size(); ++k) {
        if (profile.high[k] != -kNone)
            skyline.heights[spot.column + k] =
                std::max(skyline.heights[spot.column + k], profile.high[k] + spot.y);
    }
}

struct Candidate {
    const Profile* profile = nullptr;
    bool turned = false;
    Spot spot;
};

} // namespace

Point2D placedPoint(Point2D p, const PartPlacement& at) {
    return at.turned ? Point2D{at.offset.x - p.x, at.offset.y - p.y}
                     : Point2D{p.x + at.offset.x, p.y + at.offset.y};
}

Nesting nestParts(const std::vector<Polygons>& footprints, const NestingSheet& sheet,
                  bool fromTop) {
    const double margin = sheet.gap / 2;
    const double ceiling = sheet.height - margin;
    const double width = std::max(0.0, sheet.width - sheet.gap);
    const auto columns = static_cast<std::size_t>(std::ceil(width / kColumnMm));
    std::vector<std::array<Profile, 2>> profiles;
    for (const Polygons& footprint : footprints) {
        const Polygons grown =
            grownBy(fromTop ? mirroredUpsideDown(footprint) : footprint, margin + kArcSlackMm);
        profiles.push_back({profileOf(grown), profileOf(turnedHalfRound(grown))});
    }
    std::vector<std::size_t> order(footprints.size());
    std::iota(order.begin(), order.end(), 0);
    const auto size = [&](std::size_t i) {
        const Profile& p = profiles[i][0];
        return static_cast<double>(p.low.size()) * p.height();
    };
    std::ranges::stable_sort(order,
                             [&](std::size_t a, std::size_t b) { return size(a) > size(b); });

    Nesting nesting{0, std::vector<NestedPart>(footprints.size())};
    std::vector<Skyline> skylines;
    for (const std::size_t part : order) {
        for (std::size_t s = 0; s <= skylines.size(); ++s) {
            const bool fresh = s == skylines.size();
            if (fresh)
                skylines.push_back({width, std::vector<double>(columns, margin)});
            Skyline& skyline = skylines[s];
            Candidate best;
            for (const bool turned : {false, true}) {
                const Profile& profile = profiles[part][turned ? 1 : 0];
                if (skyline.lowest() + profile.height() > ceiling)
                    continue;
                const Spot spot = lowestSpot(skyline, profile, ceiling);
                if (spot.top < best.spot.top)
                    best = {&profile, turned, spot};
            }
            if (!best.profile) {
                if (fresh) {
                    skylines.pop_back(); // an empty sheet does not hold it: none will
                    break;
                }
                continue;
            }
            settle(skyline, *best.profile, best.spot);
            const double x =
                margin + static_cast<double>(best.spot.column) * kColumnMm - best.profile->left;
            nesting.parts[part] = {
                static_cast<int>(s),
                {best.turned, {x, fromTop ? sheet.height - best.spot.y : best.spot.y}}};
            break;
        }
    }
    nesting.sheets = static_cast<int>(skylines.size());
    return nesting;
}
