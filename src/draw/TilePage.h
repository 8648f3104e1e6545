// SPDX-License-Identifier: GPL-3.0-or-later
// One page of the tiled full-size print, drawn on a sheet canvas in twips from the top-left of
// the printable area: the figure at 1:1 in the page's window, and around it the frame, the
// marks that line up neighbouring pages, the label, the title, "page k of n", the calibration
// bars and, on page 1, a small map of how the pages fit together.
#pragma once

#include "draw/FullSizeFigure.h"
#include "draw/SheetCanvas.h"
#include "draw/TileLayout.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr double kTwipsPerMm = kTwipsPerInch / 25.4;

// The calibration bars: 100 mm and 4 inches, so a ruler of either kind can check the print.
struct CalibrationBar {
    double lengthMm;
    std::string_view label;
};
inline constexpr std::array<CalibrationBar, 2> kCalibrationBars{{{100, "100 mm"}, {101.6, "4 in"}}};

// The words on the pages, in the language of the run.
struct TilePageTexts {
    std::string title;
    std::string pageOfPages; // "page %1 of %2"
    std::string rulerNote;
    std::string assemblyHeading;
};

// The pattern with %1 replaced by the page and %2 by the number of pages.
std::string pageOfPagesText(std::string_view pattern, std::size_t page, std::size_t pages);

// The figure's lines cut at the window's edges. Its texts are placed whole wherever they may
// reach into the window: the device clips them to windowTwips.
void drawTileFigure(const FullSizeFigure& figure, const TileLayout& layout, std::size_t page,
                    SheetCanvas& canvas);

// Everything on the page but the figure.
void drawTileFurniture(const FullSizeFigure& figure, const TileLayout& layout, std::size_t page,
                       const TilePageTexts& texts, SheetCanvas& canvas);

// The window in twips, for the device's clip.
struct TwipRect {
    double left;
    double top;
    double width;
    double height;
};
TwipRect windowTwips(const TileLayout& layout);
