// SPDX-License-Identifier: GPL-3.0-or-later
// Colours as the "#rrggbb" text that SVG and the JSON output use.
#pragma once

#include "draw/PlanformCanvas.h"

#include <string>

std::string hexColour(Rgb colour);
