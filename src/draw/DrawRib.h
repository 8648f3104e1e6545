// SPDX-License-Identifier: GPL-3.0-or-later
// One rib to scale on a planform canvas, as the Ribs window shows the selected one: at the scale
// that fits a frame (the largest rib of the wing, so a tip rib shows smaller than the root's)
// into the area with a margin, its chord line dash-dot-dot in blue from the leading to the
// trailing edge so the stock cuts show, and so the lines where its jig tabs come off, its outline
// in black.
#pragma once

#include "draw/PlanformCanvas.h"
#include "ribs/Rib.h"

// The area in twips from the canvas's origin; frame in the rib's millimetres, its leading edge
// placed at the frame's left. False when there is nothing of a size to draw.
bool drawRib(const Rib& rib, const Box2D& frame, PlanformCanvas& canvas, float widthTwips,
             float heightTwips);

// What the frame must hold of the rib: its outline and its whole chord line.
Box2D ribFrame(const Rib& rib);
