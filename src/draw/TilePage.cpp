// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/TilePage.h"

#include "draw/TileEdges.h"
#include "draw/TileMap.h"
#include "i18n/TextPattern.h"

namespace {

constexpr double kBarTickMm = 1.5;
constexpr float kLabelPoints = 14;
constexpr float kHeaderPoints = 10;
constexpr float kFooterPoints = 8;
constexpr float kCutNotePoints = 7;
constexpr float kSmallestCutNotePoints = 5;
constexpr double kCutNoteMm = 21; // below the bars, from the window's bottom

float figureTextPoints() {
    return static_cast<float>(kFigureTextHeightMm / kCapHeightPerEm * kPointsPerMm);
}

void drawFigureText(const TileLayout& layout, const Tile& tile, const FigureText& text,
                    SheetCanvas& canvas) {
    if (!textBox(text).intersects(tile.figureRect))
        return;
    printOnBaseline(canvas, layout.onPage(tile, text.baselineLeft), text.utf8, kFigureTextHeightMm);
}

} // namespace

void drawPageHeader(const TileLayout& layout, const std::string& label, const std::string& pages,
                    const std::string& title, SheetCanvas& canvas) {
    const MmPoint topLeft{layout.usable.left, layout.usable.top};
    printPageText(canvas, topLeft, label, kLabelPoints, true);
    const double x = canvas.pen().x / kTwipsPerMm;
    const std::string spaced = (label.empty() ? "" : "     ") + pages + "     ";
    const double titleRoom = layout.usable.right - x - pageTextWidth(canvas, spaced, kHeaderPoints);
    // On the label's baseline, near enough.
    printPageText(canvas, {x, topLeft.y + 1.4},
                  spaced + shortenedToFit(canvas, title, kHeaderPoints, titleRoom), kHeaderPoints);
}

void drawCalibrationBars(const TileLayout& layout, const std::string& rulerNote,
                         SheetCanvas& canvas) {
    const double footer = layout.window.bottom;
    const double left = layout.usable.left;
    printPageText(canvas, {left, footer + 1.5}, rulerNote, kFooterPoints);
    double y = footer + 10;
    for (const CalibrationBar& bar : kCalibrationBars) {
        const double right = left + bar.lengthMm;
        drawPageLine(canvas, {left, y}, {right, y}, kBlack);
        drawPageLine(canvas, {left, y - kBarTickMm}, {left, y + kBarTickMm}, kBlack);
        drawPageLine(canvas, {right, y - kBarTickMm}, {right, y + kBarTickMm}, kBlack);
        printPageText(canvas, {right + 3, y - 1.6}, std::string(bar.label), kFooterPoints);
        y += 8;
    }
}

void drawFooterNote(const TileLayout& layout, const std::string& note, double widthMm,
                    SheetCanvas& canvas) {
    const float points =
        fittingPoints(canvas, note, kCutNotePoints, kSmallestCutNotePoints, widthMm);
    printPageText(canvas, {layout.usable.left, layout.window.bottom + kCutNoteMm}, note, points);
}

std::string pageOfPagesText(std::string_view pattern, std::size_t page, std::size_t pages) {
    return fillIn(pattern, {std::to_string(page), std::to_string(pages)});
}

std::function<double(const std::string&)> pageTextWidthOf(const TextMetrics& metrics) {
    return [metrics](const std::string& utf8) {
        return metrics.width(utf8, {"Arial", figureTextPoints(), false, false}) / kTwipsPerMm;
    };
}

void drawTileFigure(const FullSizeFigure& figure, const TileLayout& layout, std::size_t page,
                    SheetCanvas& canvas) {
    const Tile& tile = layout.pages[page];
    const auto drawClipped = [&](const MmSegment& segment, Rgb colour, LineStyle style,
                                 double widthMm) {
        if (const auto inside = clipSegment(segment, tile.figureRect))
            drawPageLine(canvas, layout.onPage(tile, inside->from), layout.onPage(tile, inside->to),
                         colour, style, widthMm);
    };
    for (const MmSegment& segment : outlineSegments(figure))
        drawClipped(segment, styleOf(FigureLayer::Outline).colour, LineStyle::Solid,
                    kPageOutlineMm);
    for (const FigureLine& mark : figure.marks)
        drawClipped(mark.segment, styleOf(mark.layer).colour, mark.style, kPageMarkMm);
    for (const FigureText& text : figure.texts)
        drawFigureText(layout, tile, text, canvas);
}

void drawTileFurniture(const FullSizeFigure& figure, const TileLayout& layout, std::size_t page,
                       PageNumber numbered, const TilePageTexts& texts, SheetCanvas& canvas) {
    drawPageHeader(layout, layout.pages[page].label,
                   pageOfPagesText(texts.pageOfPages, numbered.number, numbered.count), texts.title,
                   canvas);
    drawTileEdges(layout, layout.pages[page], canvas);
    drawCalibrationBars(layout, texts.rulerNote, canvas);
    // Left of the map on page 1.
    drawFooterNote(layout, texts.cutNote, page == 0 ? kMapIndentMm - 2 : layout.usable.width(),
                   canvas);
    if (page == 0)
        drawAssemblyMap(figure, layout, texts.assemblyHeading, texts.mapKey, canvas);
}

TwipRect windowTwips(const TileLayout& layout) {
    const MmRect& w = layout.window;
    return {w.left * kTwipsPerMm, w.top * kTwipsPerMm, w.width() * kTwipsPerMm,
            w.height() * kTwipsPerMm};
}
