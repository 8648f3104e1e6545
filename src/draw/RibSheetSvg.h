// SPDX-License-Identifier: GPL-3.0-or-later
// Every rib of the half-wing as an SVG document that drawing and laser programs open at true
// size: width, height and viewBox in millimetres, one group (an Inkscape layer) CUT with each
// rib's closed outline as a 0.1 mm hairline, one ENGRAVE with the labels. The ribs lie as the
// DXF has them; SVG's y points down, so their y is written negated. Plain C++, exact to the
// shortest number that reads back the same.
#pragma once

#include "ribs/Rib.h"

#include <string>
#include <string_view>
#include <vector>

std::string ribSheetSvgDocument(const std::vector<Rib>& ribs,
                                const std::vector<Point2D>& placements, std::string_view title);
