// SPDX-License-Identifier: GPL-3.0-or-later
// One page of the tiled full-size print, drawn on a sheet canvas in twips from the top-left of
// the printable area: the figure at 1:1 in the page's window, and around it the frame and the
// marks that join neighbouring pages (TileEdges), the label, "page k of n" and the title, the
// calibration bars, how to cut and join the pages and, on page 1, a small map of them (TileMap).
#pragma once

#include "draw/FullSizeFigure.h"
#include "draw/RecordingCanvas.h"
#include "draw/SheetCanvas.h"
#include "draw/TileDrawing.h"
#include "draw/TileLayout.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// The figure's outline on paper: wide and black enough to cut along and to see through paper.
inline constexpr double kPageOutlineMm = 0.35;
inline constexpr double kPageMarkMm = 0.2;

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
    std::string cutNote; // how to cut and join the pages, the scissors filled in
    std::string mapKey;  // rows are letters, columns numbers
};

// The pattern with %1 replaced by the page and %2 by the number of pages.
std::string pageOfPagesText(std::string_view pattern, std::size_t page, std::size_t pages);

// Where a page stands among the pages printed together, counted from 1: the plan's tiles are its
// only pages, the rib templates' tiles follow their nested pages.
struct PageNumber {
    std::size_t number;
    std::size_t count;
};

// A figure text line's width in millimetres as the pages print it, from the fonts' metrics: the
// layout keeps exactly the pages a text reaches.
std::function<double(const std::string&)> pageTextWidthOf(const TextMetrics& metrics);

// The figure's lines cut at the window's edges. Its texts are placed whole wherever they may
// reach into the window: the device clips them to windowTwips.
void drawTileFigure(const FullSizeFigure& figure, const TileLayout& layout, std::size_t page,
                    SheetCanvas& canvas);

// Everything on the page but the figure; the header numbers the page by numbered.
void drawTileFurniture(const FullSizeFigure& figure, const TileLayout& layout, std::size_t page,
                       PageNumber numbered, const TilePageTexts& texts, SheetCanvas& canvas);

// The label in bold, then the page's number among the pages and the title, shortened to end at
// the margin.
void drawPageHeader(const TileLayout& layout, const std::string& label, const std::string& pages,
                    const std::string& title, SheetCanvas& canvas);

// Under the window: the note on the ruler and the 100 mm and 4 in bars.
void drawCalibrationBars(const TileLayout& layout, const std::string& rulerNote,
                         SheetCanvas& canvas);

// Below the bars, whole, in a smaller size where it is long.
void drawFooterNote(const TileLayout& layout, const std::string& note, double widthMm,
                    SheetCanvas& canvas);

// The window in twips, for the device's clip.
struct TwipRect {
    double left;
    double top;
    double width;
    double height;
};
TwipRect windowTwips(const TileLayout& layout);
