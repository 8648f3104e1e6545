// SPDX-License-Identifier: GPL-3.0-or-later
// Parts to cut as an SVG document that drawing and laser programs open at true size: width,
// height and viewBox in millimetres, one group (an Inkscape layer) CUT with each closed outline
// as a 0.1 mm hairline, one ENGRAVE with the marks and texts, and for a nested layout one SHEET
// with each sheet's rectangle. The parts lie as the DXF has them; SVG's y points down, so their
// y is written negated. Plain C++, exact to the shortest number that reads back the same.
#pragma once

#include "ribs/CutLayout.h"

#include <string>
#include <string_view>

std::string cutLayoutSvgDocument(const CutLayout& layout, std::string_view title);
