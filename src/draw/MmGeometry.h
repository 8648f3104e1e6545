// SPDX-License-Identifier: GPL-3.0-or-later
// Points, segments and rectangles in millimetres, for the full-size figure and the pages it is
// tiled over. y grows downwards, as on paper and in the figure (towards the trailing edge).
#pragma once

#include <optional>

struct MmPoint {
    double x = 0;
    double y = 0;
    bool operator==(const MmPoint&) const = default;
};

struct MmSegment {
    MmPoint from;
    MmPoint to;
    bool operator==(const MmSegment&) const = default;
};

struct MmRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    double width() const { return right - left; }
    double height() const { return bottom - top; }
    bool intersects(const MmRect& other) const;
    bool operator==(const MmRect&) const = default;
};

// The smallest rectangle holding both.
MmRect unite(const MmRect& a, const MmRect& b);
MmRect boundsOf(const MmSegment& segment);

// The part of the segment inside the rectangle, edges included; nothing when it misses it.
std::optional<MmSegment> clipSegment(const MmSegment& segment, const MmRect& rect);
