// SPDX-License-Identifier: GPL-3.0-or-later
// What every drawing of a wing record must keep, whatever the record holds: the preview and the
// sheet either draw finite strokes or say why they did not, and a failed sheet stays open; the
// full-size figure is refused or finite, its pages stay within kMostTiles and its DXF is whole.
#pragma once

#include "FuzzCheck.h"
#include "draw/DrawPreview.h"
#include "draw/DrawSheet.h"
#include "draw/RecordingCanvas.h"
#include "draw/TilePage.h"
#include "dxf/OutlineDxf.h"

#include <cmath>

inline bool strokesAreFinite(const RecordingCanvas& canvas) {
    for (const RecordedLine& line : canvas.lines()) {
        if (!std::isfinite(line.from.x) || !std::isfinite(line.from.y) ||
            !std::isfinite(line.to.x) || !std::isfinite(line.to.y))
            return false;
    }
    for (const RecordedText& text : canvas.texts()) {
        if (!std::isfinite(text.x) || !std::isfinite(text.y))
            return false;
    }
    return true;
}

inline void drawPreviewAndSheet(const WingPlanform& planform, const WingResults& results) {
    RecordingCanvas preview;
    const PreviewOutcome drawing = drawPreview(planform, results, preview);
    require(drawing.drawn == drawing.skippedReason.empty(), "a blank preview says why");
    require(drawing.drawn || preview.lines().empty(), "a skipped preview stays blank");
    // Four strokes a panel, then the five marks.
    require(!drawing.drawn || preview.lines().size() == 4u * (planform.lastPanel + 1) + 5,
            "a drawn preview has every stroke");
    require(strokesAreFinite(preview), "preview strokes are finite");

    SheetInputs inputs;
    inputs.lookup = [](TextKey text) {
        return std::string(text.section) + "/" + std::string(text.key);
    };
    inputs.title = "fuzz";
    inputs.date = "01/02/2003";
    RecordingCanvas sheet;
    const SheetOutcome printed = drawSheet(planform, results, inputs, sheet);
    require(printed.printed == printed.failure.empty(), "a failed sheet says why");
    require(printed.printed == sheet.documentEnded(), "only a whole sheet ends the document");
    require(strokesAreFinite(sheet), "sheet strokes and texts are finite");
}

inline void drawFullSize(const WingPlanform& planform, const WingResults& results,
                         bool bothHalves) {
    FullSizeOptions options;
    options.bothHalves = bothHalves;
    options.textLines = {"Wing : fuzz", "Date : today"};
    const auto figure = buildFullSizeFigure(planform, results, options);
    if (!figure)
        return;
    const std::size_t panels = static_cast<std::size_t>(planform.lastPanel) + 1;
    require(figure->outlines.size() == (bothHalves ? 2 : 1) * panels, "a polygon per panel");
    for (const MmSegment& edge : outlineSegments(*figure))
        require(std::abs(edge.from.x) <= kLargestFigureMm &&
                    std::abs(edge.from.y) <= kLargestFigureMm,
                "a drawn figure lies within a kilometre");
    require(outlineDxfDocument(*figure).ends_with("  0\nEOF\n"), "the DXF is whole");

    const auto layout = layoutTiles(*figure, wholePaper(kA4));
    if (!layout)
        return;
    require(!layout->pages.empty() && layout->rows * layout->columns <= kMostTiles,
            "a tiled figure keeps a page and stays within the limit");
    const TilePageTexts texts{"fuzz", "page %1 of %2", "bars",
                              "map",  "cut and join",  "rows, columns"};
    for (const std::size_t page : {std::size_t{0}, layout->pages.size() - 1}) {
        RecordingCanvas canvas;
        drawTileFigure(*figure, *layout, page, canvas);
        drawTileFurniture(*figure, *layout, page, {page + 1, layout->pages.size()}, texts, canvas);
        require(strokesAreFinite(canvas), "page strokes and texts are finite");
    }
}
