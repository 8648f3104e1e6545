// Colours as the "#rrggbb" text that SVG and the JSON output use.
#pragma once

#include "PlanformCanvas.h"

#include <string>

std::string HexColour(Rgb colour);
