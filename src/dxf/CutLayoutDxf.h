// SPDX-License-Identifier: GPL-3.0-or-later
// Parts to cut as a DXF drawing for a laser or CNC cutter: each outline (notches and tabs
// included) a closed LWPOLYLINE on layer CUT, the marks and texts on ENGRAVE, and each sheet of
// a nested layout a rectangle on SHEET.
#pragma once

#include "ribs/CutLayout.h"

#include <string>

inline constexpr char kCutLayer[] = "CUT";
inline constexpr char kEngraveLayer[] = "ENGRAVE";
inline constexpr char kSheetLayer[] = "SHEET";

std::string cutLayoutDxfDocument(const CutLayout& layout);
