// SPDX-License-Identifier: GPL-3.0-or-later
// Every rib laid out one under the other, as the DXF and SVG of the ribs draw them: the first
// rib's top at 0, 10 mm between one rib (its label included) and the next. Millimetres, y up;
// each rib keeps its own axes, moved by its placement.
#pragma once

#include "ribs/Rib.h"

#include <vector>

inline constexpr double kRibSheetGap = 10;

// The translation of each rib's own origin, in the order of the ribs.
std::vector<Point2D> ribSheetPlacements(const std::vector<Rib>& ribs);

// What a rib occupies in its own axes: its outline and its label.
Box2D ribExtent(const Rib& rib);

// The laid-out sheet's extent: empty ribs and labels included.
Box2D ribSheetBounds(const std::vector<Rib>& ribs, const std::vector<Point2D>& placements);
