// SPDX-License-Identifier: GPL-3.0-or-later
// Parts packed on equal rectangular sheets (a cutter's bed, a balsa sheet, a page): largest
// first, each on the first sheet that holds it, where its top ends lowest, turned half round
// when that lies lower. Parts keep a gap from each other and from the sheet's edges, measured
// between their true outlines (Clipper grows each by half the gap), and come to rest on what
// lies below them, as a skyline of columns 1 mm wide that never lets two of them meet.
// Millimetres, y up, each sheet's origin at its bottom-left corner.
#pragma once

#include "geometry/Polygon.h"

#include <vector>

struct NestingSheet {
    double width = 0;
    double height = 0;
    double gap = 5; // between parts, and from a part to the sheet's edges
};

// A part's point p lies at (turned ? -p : p) + offset.
struct PartPlacement {
    bool turned = false;
    Point2D offset;
};
Point2D placedPoint(Point2D p, const PartPlacement& at);

// Where a part lies on its sheet; sheet -1: no sheet holds it.
struct NestedPart {
    int sheet = -1;
    PartPlacement placement;
};

struct Nesting {
    int sheets = 0;
    std::vector<NestedPart> parts; // in the order of the footprints
};

// footprints: what each part occupies, in its own axes. fromTop: the parts gather at the top of
// each sheet rather than at its bottom, as on a page read from the top.
Nesting nestParts(const std::vector<Polygons>& footprints, const NestingSheet& sheet,
                  bool fromTop = false);
