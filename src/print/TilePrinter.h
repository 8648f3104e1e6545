// SPDX-License-Identifier: GPL-3.0-or-later
// Pages at 1:1 into a PDF made in memory, or onto a printer as its print dialog left it: the
// full-size figure tiled over pages, and the painting of any such run of pages (the templates
// print through it too). The pages' layout is TileLayout's; this only paints it.
#pragma once

#include "draw/TileLayout.h"
#include "draw/TilePage.h"

#include <QByteArray>
#include <QPageSize>
#include <functional>
#include <string>

class QPageLayout;
class QPainter;
class QPrinter;

struct TilePrintOutcome {
    bool printed = false;
    std::string failure;   // why nothing was printed
    bool tooLarge = false; // the figure needs more pages than kMostTiles
    std::size_t pages = 0;
    QByteArray pdf; // the document, when printed into a PDF
};

// The printable area of a page layout in both orientations, in millimetres.
PaperAreas printableAreas(const QPageLayout& layout);

// The figure with its texts measured in the pages' font, as the pages are laid out and printed:
// what counts the pages and previews them must start from it too.
FullSizeFigure measuredForPages(FullSizeFigure figure);

// Edge to edge on the paper, in the orientation that needs fewer pages.
TilePrintOutcome tilesPdf(const FullSizeFigure& figure, const QPageSize& paper,
                          const TilePageTexts& texts);

// On the printer's paper and within its printable area; sets the printer's orientation.
TilePrintOutcome printTilesOn(QPrinter& printer, const FullSizeFigure& figure,
                              const TilePageTexts& texts);

// One tile of a tiled figure: the figure cut at the window, its texts by the device's clip.
void paintTilePage(QPainter& painter, const FullSizeFigure& figure, const TileLayout& layout,
                   std::size_t page, PageNumber numbered, const TilePageTexts& texts);

// A run of pages of one orientation, each painted by paintPage on a painter whose twips start at
// the printable area's top-left.
using PagePainter = std::function<void(QPainter& painter, std::size_t page)>;
struct PageRun {
    PageOrientation orientation = PageOrientation::Portrait;
    std::size_t pages = 0;
    std::string title;
    PagePainter paintPage;
};
TilePrintOutcome pagesPdf(const QPageSize& paper, const PageRun& run);
TilePrintOutcome printPagesOn(QPrinter& printer, const PageRun& run);

TilePrintOutcome tooManyPages();
