// SPDX-License-Identifier: GPL-3.0-or-later
// How the full-size figure is cut into pages: each page's printable area less a 10 mm margin
// holds a header, a footer and, between them, a window on the figure at 1:1. Neighbouring
// windows overlap by 10 mm; the orientation that needs fewer pages wins and tiles with nothing
// of the figure on them are left out.
#pragma once

#include "draw/FullSizeFigure.h"
#include "draw/MmGeometry.h"

#include <optional>
#include <string>
#include <vector>

inline constexpr double kTileMarginMm = 10;
inline constexpr double kTileOverlapMm = 10;
inline constexpr double kTileHeaderMm = 12;
inline constexpr double kTileFooterMm = 26;
// Room around the figure, so no line runs exactly along a window's edge.
inline constexpr double kTilePaddingMm = 5;
// A grid beyond this is not printed: the wing is too large for paper.
inline constexpr int kMostTiles = 1000;

enum class PageOrientation { Portrait, Landscape };

// A paper size, or the printable area of one page, in millimetres.
struct PageArea {
    double width = 0;
    double height = 0;
    bool operator==(const PageArea&) const = default;
};

inline constexpr PageArea kA4{210, 297};
inline constexpr PageArea kLetter{215.9, 279.4};

// The printable area of a page in each orientation.
struct PaperAreas {
    PageArea portrait;
    PageArea landscape;
};

// A page printed edge to edge, as into a PDF: the whole paper is printable.
PaperAreas wholePaper(PageArea portraitPaper);

struct Tile {
    int row = 0;       // 0 is the top row, at the leading edge
    int column = 0;    // 0 is the left column
    MmRect figureRect; // the part of the figure its window shows
    std::string label; // "A1": the row's letter, then the column's number
};

struct TileLayout {
    PageOrientation orientation = PageOrientation::Portrait;
    PageArea area; // the printable area of one page
    MmRect usable; // page millimetres from the printable area's top-left, margins taken off
    MmRect window; // where the figure shows on every page, in the same page millimetres
    MmRect grid;   // the figure's millimetres that the whole grid covers
    int rows = 0;
    int columns = 0;
    std::vector<Tile> pages; // the tiles kept, row by row, each row left to right

    // The page millimetres of a figure point on a page.
    MmPoint onPage(const Tile& tile, MmPoint figurePoint) const;
    // The kept tile at a place of the grid, if it was kept.
    const Tile* tileAt(int row, int column) const;
};

// "A1", "B3"; rows after Z go on with "AA".
std::string tileLabel(int row, int column);
// The row's part of the label: "A", "B", ... "Z", "AA".
std::string rowLetters(int row);

// How many windows, each overlapping the last by kTileOverlapMm, cover an extent; at least one.
int windowsAcross(double extent, double window);

// The extent that count windows, each overlapping the last, cover together.
double coveredBy(int count, double window);

// A page's frame alone: its area, the usable part within the margins and the window between
// header and footer, with no tiles; nothing when the window is no wider than the overlap.
std::optional<TileLayout> pageFrame(PageArea area, PageOrientation orientation);

// The figure tiled in one orientation; nothing as layoutTiles says.
std::optional<TileLayout> layoutTilesIn(const FullSizeFigure& figure, PageArea area,
                                        PageOrientation orientation);

// Both orientations are laid out and the one with fewer pages kept wins (then the one with the
// smaller grid, then portrait). Nothing when neither leaves a window wider than the overlap or
// keeps the grid within kMostTiles.
std::optional<TileLayout> layoutTiles(const FullSizeFigure& figure, const PaperAreas& paper);
