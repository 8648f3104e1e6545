// SPDX-License-Identifier: GPL-3.0-or-later
// What lets a builder cut and join the pages without a manual. The frame is the cut line; a page
// is cut on its left and top sides where it has a neighbour there, marked with scissors, and
// laid on that neighbour's dashed line, which each page draws towards its right and bottom
// neighbours. Crosses in every overlap lie on each other when the pages do, and each neighbour's
// label stands in the margin beside its edge.
#pragma once

#include "draw/SheetCanvas.h"
#include "draw/TileLayout.h"

#include <string_view>

// The mark beside each side to cut; the pages' instruction names it.
inline constexpr std::string_view kScissors = "\u2702";

void drawTileEdges(const TileLayout& layout, const Tile& tile, SheetCanvas& canvas);
