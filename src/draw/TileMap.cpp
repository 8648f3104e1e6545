// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/TileMap.h"

#include "draw/TileDrawing.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Rgb kMapOutline{130, 130, 130}; // light enough to read the labels through
constexpr float kHeadingPoints = 7;
constexpr float kKeyPoints = 6;
constexpr double kKeyMm = 3;
constexpr double kMapTopMm = 6.5; // below the heading and the key
constexpr float kCellPoints = 5;
// Capitals of about 1.2 mm: smaller is not read on a page held at arm's length.
constexpr float kSmallestPoints = 3.5f;
constexpr float kEdgePoints = 4;
constexpr double kPaddingMm = 0.4;

// The whole grid of windows scaled into a rectangle of the page, from its top-left.
struct MapGrid {
    MmRect rect;
    MmRect grid; // the figure's millimetres the layout's grid covers
    double scale = 0;
    double pitchX = 0; // one step of the grid on the map
    double pitchY = 0;

    MmPoint onMap(MmPoint figurePoint) const {
        return {rect.left + (figurePoint.x - grid.left) * scale,
                rect.top + (figurePoint.y - grid.top) * scale};
    }
};

MapGrid fitGrid(const TileLayout& layout, const MmRect& room) {
    const double scale =
        std::min(room.width() / layout.grid.width(), room.height() / layout.grid.height());
    return {room, layout.grid, scale, (layout.window.width() - kTileOverlapMm) * scale,
            (layout.window.height() - kTileOverlapMm) * scale};
}

// The size at which every kept page's label fits inside its cell, at most kCellPoints.
float cellLabelPoints(const TileLayout& layout, const MapGrid& map, SheetCanvas& canvas) {
    float points = kCellPoints;
    for (const Tile& tile : layout.pages)
        points = std::min(
            points, fittingPoints(canvas, tile.label, kCellPoints, 0, map.pitchX - 2 * kPaddingMm));
    const double height = pageLineHeight(canvas, points);
    if (height > map.pitchY - 2 * kPaddingMm)
        points *= static_cast<float>(std::max(0.0, map.pitchY - 2 * kPaddingMm) / height);
    return points;
}

// Every how many rows or columns a label has room, never 0.
int labelEvery(double labelSize, double pitch) {
    return std::max(1, static_cast<int>(std::ceil(labelSize / pitch)));
}

double widestText(SheetCanvas& canvas, int count, std::string (*text)(int), float points) {
    double widest = 0;
    for (int i = 0; i < count; ++i)
        widest = std::max(widest, pageTextWidth(canvas, text(i), points));
    return widest;
}

std::string columnNumber(int column) {
    return std::to_string(column + 1);
}

// Row letters in a gutter at the left, column numbers in one on top, each centred on its row or
// column; the map itself moves over to make room.
MapGrid drawEdgeLabels(const TileLayout& layout, const MmRect& room, SheetCanvas& canvas) {
    const double rowWidth = widestText(canvas, layout.rows, rowLetters, kEdgePoints);
    const double columnWidth = widestText(canvas, layout.columns, columnNumber, kEdgePoints);
    const double lineHeight = pageLineHeight(canvas, kEdgePoints);
    const MmRect inner{room.left + rowWidth + kPaddingMm, room.top + lineHeight, room.right,
                       room.bottom};
    const MapGrid map = fitGrid(layout, inner);
    const int everyRow = labelEvery(lineHeight, map.pitchY);
    for (int row = 0; row < layout.rows; row += everyRow)
        printCentred(canvas, {room.left + rowWidth / 2, inner.top + (row + 0.5) * map.pitchY},
                     rowLetters(row), kEdgePoints);
    const int everyColumn = labelEvery(columnWidth + kPaddingMm, map.pitchX);
    for (int column = 0; column < layout.columns; column += everyColumn)
        printCentred(canvas, {inner.left + (column + 0.5) * map.pitchX, room.top + lineHeight / 2},
                     columnNumber(column), kEdgePoints);
    return map;
}

} // namespace

void drawAssemblyMap(const FullSizeFigure& figure, const TileLayout& layout,
                     const std::string& heading, const std::string& key, SheetCanvas& canvas) {
    const MmRect area{layout.usable.left + kMapIndentMm, layout.window.bottom + 1,
                      layout.usable.right, layout.usable.bottom};
    const MmRect room{area.left, area.top + kMapTopMm, area.right, area.bottom};
    if (room.width() < 15 || room.height() < 8)
        return;
    printPageText(canvas, {area.left, area.top}, heading, kHeadingPoints);
    printPageText(canvas, {area.left, area.top + kKeyMm},
                  shortenedToFit(canvas, key, kKeyPoints, area.width()), kKeyPoints);

    MapGrid map = fitGrid(layout, room);
    const float cellPoints = cellLabelPoints(layout, map, canvas);
    const bool labelsInCells = cellPoints >= kSmallestPoints;
    if (!labelsInCells)
        map = drawEdgeLabels(layout, room, canvas);
    for (const Tile& tile : layout.pages) {
        const MmPoint topLeft = map.onMap({tile.figureRect.left, tile.figureRect.top});
        drawPageRect(canvas, {topLeft.x, topLeft.y, topLeft.x + map.pitchX, topLeft.y + map.pitchY},
                     kGuideColour);
        if (labelsInCells)
            printPageText(canvas, {topLeft.x + kPaddingMm, topLeft.y + kPaddingMm}, tile.label,
                          cellPoints);
    }
    for (const MmSegment& segment : outlineSegments(figure))
        drawPageLine(canvas, map.onMap(segment.from), map.onMap(segment.to), kMapOutline);
}
