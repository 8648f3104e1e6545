// SPDX-License-Identifier: GPL-3.0-or-later
// The pen and the type of a tiled page, in page millimetres from the printable area's top-left,
// shared by the figure, the edges, the header and footer and the map of the pages.
#pragma once

#include "draw/MmGeometry.h"
#include "draw/SheetCanvas.h"

#include <string>

inline constexpr double kTwipsPerMm = kTwipsPerInch / 25.4;
// The frame, the guides and the crosses: dark enough to see and cut along, not black, which
// is the outline's alone.
inline constexpr Rgb kGuideColour{70, 70, 70};
inline constexpr double kPointsPerMm = 72 / 25.4;

CanvasPoint pageTwips(MmPoint page);

// A width of 0 is the device's thinnest line.
void drawPageLine(SheetCanvas& canvas, MmPoint from, MmPoint to, Rgb colour,
                  LineStyle style = LineStyle::Solid, double widthMm = 0);
void drawPageRect(SheetCanvas& canvas, const MmRect& rect, Rgb colour);

// The top-left of the text's cell at the point, in the sheet's font; the pen ends after it.
void printPageText(SheetCanvas& canvas, MmPoint topLeft, const std::string& text, float points,
                   bool bold = false);
// A text whose baseline starts at the point, a capital capitalMm high, in the sheet's font.
void printOnBaseline(SheetCanvas& canvas, MmPoint baselineLeft, const std::string& text,
                     double capitalMm);
// The text's cell centred on the point.
void printCentred(SheetCanvas& canvas, MmPoint centre, const std::string& text, float points,
                  bool bold = false);

// Measured in the sheet's font by the canvas.
double pageTextWidth(SheetCanvas& canvas, const std::string& text, float points, bool bold = false);
double pageLineHeight(SheetCanvas& canvas, float points);

// The largest size up to points at which the text fits widthMm; never below smallest.
float fittingPoints(SheetCanvas& canvas, const std::string& text, float points, float smallest,
                    double widthMm);

// The text whole when it fits widthMm, else cut at a character with an ellipsis after it.
std::string shortenedToFit(SheetCanvas& canvas, const std::string& text, float points,
                           double widthMm);
