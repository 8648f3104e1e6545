// SPDX-License-Identifier: GPL-3.0-or-later
// The full-size figure as an AutoCAD 2000 (AC1015) DXF drawing in millimetres: one closed
// LWPOLYLINE per panel on layer OUTLINE, so a laser follows each outline in one pass, and one
// around them all on OUTER, the marks as lines on MEAN_CHORD, BALANCE and AXIS (and
// NEUTRAL_POINT and MARGIN_BALANCE with stability data), the text block on TEXT. DXF's y axis
// points up, so the figure's y (towards the trailing edge) is written negated: the leading edge
// stays on top.
#pragma once

#include "draw/FullSizeFigure.h"

#include <string>

// The whole file, ready to be written.
std::string outlineDxfDocument(const FullSizeFigure& figure);
