// SPDX-License-Identifier: GPL-3.0-or-later
// The ribs as parts to cut: each rib's outline (tabs and notches included, grown by half the
// cutter's kerf), the cut lines of its jig tabs and its label; on a printed template also its
// spar notches' centres. Laid out one under the other they are the sheet the DXF and SVG of the
// ribs draw: the first rib's top at 0, 10 mm between one rib (its label included) and the next.
#pragma once

#include "ribs/CutLayout.h"
#include "ribs/Rib.h"

#include <vector>

inline constexpr double kRibSheetGap = 10;

enum class RibPartUse { Cutter, Paper };

std::vector<CutPart> ribParts(const std::vector<Rib>& ribs, RibPartUse use, double kerf = 0);

// The translation of each rib's own origin one under the other, in the order of the ribs.
std::vector<Point2D> ribSheetPlacements(const std::vector<Rib>& ribs);

// Each rib twice, for the left half-wing and the right, its label saying which ("P1 R3 L").
std::vector<Rib> ribsOfBothHalves(const std::vector<Rib>& ribs);
