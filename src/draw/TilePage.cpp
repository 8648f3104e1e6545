// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/TilePage.h"

#include "i18n/TextPattern.h"

#include <algorithm>

namespace {

constexpr Rgb kGuideGrey{150, 150, 150};
constexpr Rgb kMapGrey{90, 90, 90};
constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kAscentPerEm = 0.905; // Arial's, to put a text's baseline where the figure says
constexpr double kBarTickMm = 1.5;
constexpr double kMapIndentMm = 125; // the map takes the footer to the right of the bars
constexpr double kMapHeadingMm = 4;

CanvasPoint twips(MmPoint page) {
    return {static_cast<float>(page.x * kTwipsPerMm), static_cast<float>(page.y * kTwipsPerMm)};
}

void drawLine(SheetCanvas& canvas, MmPoint from, MmPoint to, Rgb colour,
              LineStyle style = LineStyle::Solid) {
    canvas.setLineStyle(style);
    canvas.lineInColour(twips(from), twips(to), colour);
    canvas.setLineStyle(LineStyle::Solid);
}

void drawRect(SheetCanvas& canvas, const MmRect& rect, Rgb colour) {
    const MmPoint corners[] = {{rect.left, rect.top},
                               {rect.right, rect.top},
                               {rect.right, rect.bottom},
                               {rect.left, rect.bottom}};
    for (int i = 0; i < 4; ++i)
        drawLine(canvas, corners[i], corners[(i + 1) % 4], colour);
}

// The top-left of the text's cell at the point; the font is the sheet's.
void printAt(SheetCanvas& canvas, MmPoint topLeft, const std::string& text, float points,
             bool bold = false, TextEnd end = TextEnd::EndLine) {
    canvas.setFont("Arial", points);
    canvas.setBold(bold);
    canvas.setUnderline(false);
    canvas.setTextColour(kBlack);
    canvas.setCurrentX(twips(topLeft).x);
    canvas.setCurrentY(twips(topLeft).y);
    canvas.printText(text, end);
    canvas.setBold(false);
}

void drawFigureText(const TileLayout& layout, const Tile& tile, const FigureText& text,
                    SheetCanvas& canvas) {
    if (!textBox(text).intersects(tile.figureRect))
        return;
    const double em = kFigureTextHeightMm / kCapHeightPerEm;
    const MmPoint baseline = layout.onPage(tile, text.baselineLeft);
    printAt(canvas, {baseline.x, baseline.y - kAscentPerEm * em}, text.utf8,
            static_cast<float>(em * kPointsPerMm));
}

// The header: the tile's label in bold, then "page k of n" and the title.
void drawHeader(const TileLayout& layout, std::size_t page, const TilePageTexts& texts,
                SheetCanvas& canvas) {
    const MmPoint topLeft{layout.usable.left, layout.usable.top};
    printAt(canvas, topLeft, layout.pages[page].label, 14, true, TextEnd::KeepLine);
    const float x = canvas.pen().x;
    canvas.setFont("Arial", 10);
    canvas.setCurrentY(twips({0, topLeft.y + 1.4}).y); // on the label's baseline, near enough
    canvas.setCurrentX(x);
    canvas.printText("     " + pageOfPagesText(texts.pageOfPages, page + 1, layout.pages.size()) +
                         "     " + texts.title,
                     TextEnd::EndLine);
}

// The window's edge is where a page is cut; the dashed line where its neighbour's edge goes.
void drawAlignmentMarks(const TileLayout& layout, const Tile& tile, SheetCanvas& canvas) {
    const MmRect& w = layout.window;
    drawRect(canvas, w, kGuideGrey);
    const double o = kTileOverlapMm;
    struct Neighbour {
        int row;
        int column;
        MmSegment guide;
    };
    const Neighbour neighbours[] = {
        {tile.row, tile.column - 1, {{w.left + o, w.top}, {w.left + o, w.bottom}}},
        {tile.row, tile.column + 1, {{w.right - o, w.top}, {w.right - o, w.bottom}}},
        {tile.row - 1, tile.column, {{w.left, w.top + o}, {w.right, w.top + o}}},
        {tile.row + 1, tile.column, {{w.left, w.bottom - o}, {w.right, w.bottom - o}}},
    };
    for (const Neighbour& neighbour : neighbours) {
        if (layout.tileAt(neighbour.row, neighbour.column))
            drawLine(canvas, neighbour.guide.from, neighbour.guide.to, kGuideGrey,
                     LineStyle::DashDotDot);
    }
}

void drawCalibrationBars(const TileLayout& layout, const TilePageTexts& texts,
                         SheetCanvas& canvas) {
    const double footer = layout.window.bottom;
    const double left = layout.usable.left;
    printAt(canvas, {left, footer + 1.5}, texts.rulerNote, 8);
    double y = footer + 10;
    for (const CalibrationBar& bar : kCalibrationBars) {
        const double right = left + bar.lengthMm;
        drawLine(canvas, {left, y}, {right, y}, kBlack);
        drawLine(canvas, {left, y - kBarTickMm}, {left, y + kBarTickMm}, kBlack);
        drawLine(canvas, {right, y - kBarTickMm}, {right, y + kBarTickMm}, kBlack);
        printAt(canvas, {right + 3, y - 1.6}, std::string(bar.label), 8);
        y += 8;
    }
}

// Every kept tile as a cell of the grid, with its label, and the outline over them, scaled to
// the footer's free corner.
void drawAssemblyMap(const FullSizeFigure& figure, const TileLayout& layout,
                     const TilePageTexts& texts, SheetCanvas& canvas) {
    const MmRect area{layout.usable.left + kMapIndentMm, layout.window.bottom + 1,
                      layout.usable.right, layout.usable.bottom};
    const MmRect map{area.left, area.top + kMapHeadingMm, area.right, area.bottom};
    if (map.width() < 15 || map.height() < 8)
        return;
    printAt(canvas, {area.left, area.top}, texts.assemblyHeading, 7);
    const double scale =
        std::min(map.width() / layout.grid.width(), map.height() / layout.grid.height());
    const auto onMap = [&](MmPoint figurePoint) {
        return MmPoint{map.left + (figurePoint.x - layout.grid.left) * scale,
                       map.top + (figurePoint.y - layout.grid.top) * scale};
    };
    const double stepX = layout.window.width() - kTileOverlapMm;
    const double stepY = layout.window.height() - kTileOverlapMm;
    for (const Tile& tile : layout.pages) {
        const MmPoint topLeft = onMap({tile.figureRect.left, tile.figureRect.top});
        const MmRect cell{topLeft.x, topLeft.y, topLeft.x + stepX * scale,
                          topLeft.y + stepY * scale};
        drawRect(canvas, cell, kGuideGrey);
        if (cell.width() >= 5 && cell.height() >= 3)
            printAt(canvas, {cell.left + 0.4, cell.top + 0.3}, tile.label, 5);
    }
    for (const MmSegment& segment : outlineSegments(figure))
        drawLine(canvas, onMap(segment.from), onMap(segment.to), kMapGrey);
}

} // namespace

std::string pageOfPagesText(std::string_view pattern, std::size_t page, std::size_t pages) {
    return fillIn(pattern, {std::to_string(page), std::to_string(pages)});
}

void drawTileFigure(const FullSizeFigure& figure, const TileLayout& layout, std::size_t page,
                    SheetCanvas& canvas) {
    const Tile& tile = layout.pages[page];
    const auto drawClipped = [&](const MmSegment& segment, Rgb colour, LineStyle style) {
        if (const auto inside = clipSegment(segment, tile.figureRect))
            drawLine(canvas, layout.onPage(tile, inside->from), layout.onPage(tile, inside->to),
                     colour, style);
    };
    for (const MmSegment& segment : outlineSegments(figure))
        drawClipped(segment, styleOf(FigureLayer::Outline).colour, LineStyle::Solid);
    for (const FigureLine& mark : figure.marks)
        drawClipped(mark.segment, styleOf(mark.layer).colour, LineStyle::DashDotDot);
    for (const FigureText& text : figure.texts)
        drawFigureText(layout, tile, text, canvas);
}

void drawTileFurniture(const FullSizeFigure& figure, const TileLayout& layout, std::size_t page,
                       const TilePageTexts& texts, SheetCanvas& canvas) {
    drawHeader(layout, page, texts, canvas);
    drawAlignmentMarks(layout, layout.pages[page], canvas);
    drawCalibrationBars(layout, texts, canvas);
    if (page == 0)
        drawAssemblyMap(figure, layout, texts, canvas);
}

TwipRect windowTwips(const TileLayout& layout) {
    const MmRect& w = layout.window;
    return {w.left * kTwipsPerMm, w.top * kTwipsPerMm, w.width() * kTwipsPerMm,
            w.height() * kTwipsPerMm};
}
