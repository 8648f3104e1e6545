// SPDX-License-Identifier: GPL-3.0-or-later
// The shape of one rib from its section at true size: inset by the sheeting, cut back at both
// edges for the stock, notched for the spars, and labelled; with whatever keeps it from being
// made as asked.
#pragma once

#include "ribs/Rib.h"

// section: the closed outline at the rib's chord, leading edge at the origin. The rib's shape
// members (outlines, notches, label place, area, problems) are filled; maxThickness is the
// caller's, from the section's heights.
void shapeRib(const Polygon& section, const RibSettings& settings, Rib& rib);
