// SPDX-License-Identifier: GPL-3.0-or-later
// Every rib of the half-wing as a DXF drawing for a laser or CNC cutter: each rib laid out one
// under the other, its outline (notches included) a closed LWPOLYLINE on layer CUT, its label a
// text on ENGRAVE.
#pragma once

#include "ribs/Rib.h"

#include <string>
#include <vector>

inline constexpr char kCutLayer[] = "CUT";
inline constexpr char kEngraveLayer[] = "ENGRAVE";

// The ribs at their placements (ribSheetPlacements).
std::string ribSheetDxfDocument(const std::vector<Rib>& ribs,
                                const std::vector<Point2D>& placements);
