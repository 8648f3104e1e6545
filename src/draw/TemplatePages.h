// SPDX-License-Identifier: GPL-3.0-or-later
// Parts printed at 1:1, to cut out and glue on balsa or plywood: nested on as few pages as they
// fit, 5 mm apart and never across a page's edge, in the frame of the full-size pages (header,
// calibration bars) with a note on using them. A part larger than a page's window is tiled over
// pages of its own as the full-size plan is, with the same overlap, labels and guides.
#pragma once

#include "draw/TileLayout.h"
#include "draw/TilePage.h"
#include "ribs/CutLayout.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

inline constexpr double kTemplateGapMm = 5;

struct TemplatePageTexts {
    TilePageTexts pages; // title, "page %1 of %2", the ruler; the joining words of tiled parts
    std::string note;    // how to use the templates
};

// The parts too large for a page, nested together on a strip as many windows wide as the
// longest needs, and tiled over pages of their own as one figure.
struct TiledParts {
    std::vector<std::size_t> parts;
    std::vector<PartPlacement> placements; // on the strip, y up; the figure's y is the strip's -y
    FullSizeFigure figure;
    TileLayout tiles;
};

struct TemplatePage {
    std::vector<std::size_t> parts;
    std::vector<PartPlacement> placements; // window millimetres, y up from its bottom-left corner
    std::optional<std::size_t> tile;       // or one tile of the tiled parts
};

struct TemplateLayout {
    TileLayout frame; // the page's margins, header, window and footer
    std::vector<TemplatePage> pages;
    std::optional<TiledParts> tiled;
};

// Both orientations are tried: the one that tiles fewer parts wins, then the one with fewer
// pages, then portrait; nothing when no window is left on the paper or the tiled parts need more
// than kMostTiles pages. widthMm measures a line of a figure's text as the pages print it.
std::optional<TemplateLayout>
layoutTemplatePages(const std::vector<CutPart>& parts, const PaperAreas& paper,
                    const std::function<double(const std::string&)>& widthMm);

// A page of nested parts, with its header, bars and note.
void drawNestedTemplatePage(const std::vector<CutPart>& parts, const TemplateLayout& layout,
                            std::size_t page, const TemplatePageTexts& texts, SheetCanvas& canvas);

// The words of the tiles of the tiled parts: a part alone is named in the title.
TilePageTexts tiledPageTexts(const std::vector<CutPart>& parts, const TemplateLayout& layout,
                             const TemplatePageTexts& texts);

// Where a nested part's point lies on its page, in page millimetres (y down).
MmPoint onTemplatePage(const TemplateLayout& layout, const PartPlacement& at, Point2D p);
