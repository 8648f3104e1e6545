// SPDX-License-Identifier: GPL-3.0-or-later
// The small map of the pages on page 1, in the footer's free corner: every kept page as a cell
// of the grid with the outline over them, under a heading and the key to the labels. Labels go
// in the cells while they are large enough to read; past that, row letters stand at the left
// edge and column numbers on top, as many of them as have room.
#pragma once

#include "draw/FullSizeFigure.h"
#include "draw/SheetCanvas.h"
#include "draw/TileLayout.h"

#include <string>

// The footer's width left of the map on page 1.
inline constexpr double kMapIndentMm = 125;

void drawAssemblyMap(const FullSizeFigure& figure, const TileLayout& layout,
                     const std::string& heading, const std::string& key, SheetCanvas& canvas);
