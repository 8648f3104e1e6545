// SPDX-License-Identifier: GPL-3.0-or-later
// The full-size figure tiled over pages at 1:1: into a PDF made in memory, or onto a printer as
// its print dialog left it. The pages' layout is TileLayout's; this only paints it.
#pragma once

#include "draw/TileLayout.h"
#include "draw/TilePage.h"

#include <QByteArray>
#include <QPageSize>
#include <string>

class QPageLayout;
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
