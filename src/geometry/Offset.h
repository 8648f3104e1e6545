// SPDX-License-Identifier: GPL-3.0-or-later
// Offsets and cuts of polygons in millimetres, worked out by Clipper on integer coordinates of
// 0.1 µm, so the same inputs always give the same corners. Results are outer outlines turning
// counter-clockwise; a cut that splits a polygon gives one outline per piece.
#pragma once

#include "geometry/Polygon.h"

// Clipper's integer grid: one unit is 0.1 µm.
inline constexpr double kClipperUnitsPerMm = 10000;

// The nearest point of the grid, for writing a corner moved by a placement as short as it is.
double onClipperGrid(double mm);

// The polygon moved inwards by `inset` mm on its whole outline: every point of the result lies
// at least that far inside, and where the outline bends inwards the result goes round in an arc
// (true to 1 µm), as an exact inset does. Outwards for a negative inset.
Polygons insetPolygon(const Polygon& polygon, double inset);

// Each polygon grown outward by the margin on its own, not merged with the others; as they are
// for a margin of 0 or less.
Polygons grownBy(const Polygons& polygons, double margin);

// What lies in both.
Polygons intersection(const Polygons& subject, const Polygons& clip);

// What lies in either.
Polygons unionOf(const Polygons& subject, const Polygons& more);

// What lies in subject but in none of cuts.
Polygons difference(const Polygons& subject, const Polygons& cuts);

// The area enclosed, mm², holes counted negative.
double areaOf(const Polygons& polygons);
