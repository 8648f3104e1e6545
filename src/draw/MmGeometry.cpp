// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/MmGeometry.h"

#include <algorithm>

bool MmRect::intersects(const MmRect& other) const {
    return other.left <= right && other.right >= left && other.top <= bottom && other.bottom >= top;
}

MmRect unite(const MmRect& a, const MmRect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

MmRect boundsOf(const MmSegment& segment) {
    return {std::min(segment.from.x, segment.to.x), std::min(segment.from.y, segment.to.y),
            std::max(segment.from.x, segment.to.x), std::max(segment.from.y, segment.to.y)};
}

namespace {

// One edge of the Liang-Barsky clip: narrows [enter, leave] to where p * t <= q holds.
bool narrowToEdge(double p, double q, double& enter, double& leave) {
    if (p == 0)
        return q >= 0; // parallel to the edge: wholly inside or wholly outside it
    const double t = q / p;
    if (p < 0)
        enter = std::max(enter, t);
    else
        leave = std::min(leave, t);
    return enter <= leave;
}

} // namespace

std::optional<MmSegment> clipSegment(const MmSegment& segment, const MmRect& rect) {
    const double dx = segment.to.x - segment.from.x;
    const double dy = segment.to.y - segment.from.y;
    double enter = 0;
    double leave = 1;
    if (!narrowToEdge(-dx, segment.from.x - rect.left, enter, leave) ||
        !narrowToEdge(dx, rect.right - segment.from.x, enter, leave) ||
        !narrowToEdge(-dy, segment.from.y - rect.top, enter, leave) ||
        !narrowToEdge(dy, rect.bottom - segment.from.y, enter, leave))
        return std::nullopt;
    // The ends that lie inside are kept exactly, so an unclipped line comes back unchanged.
    const MmPoint from = enter > 0
                             ? MmPoint{segment.from.x + enter * dx, segment.from.y + enter * dy}
                             : segment.from;
    const MmPoint to =
        leave < 1 ? MmPoint{segment.from.x + leave * dx, segment.from.y + leave * dy} : segment.to;
    return MmSegment{from, to};
}
