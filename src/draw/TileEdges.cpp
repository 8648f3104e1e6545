// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/TileEdges.h"

#include "draw/TileDrawing.h"

#include <string>

namespace {

constexpr double kCrossHalfMm = 2.5;
// Marks in the margin are centred this far out from the frame's side, clear of a printer's
// unprintable edge of the paper.
constexpr double kMarginMarkMm = 3.5;
// The scissors of the top side sit in the header, just above the frame.
constexpr double kAboveFrameMm = 2.5;
constexpr float kScissorsPoints = 10;
constexpr float kNeighbourPoints = 8;
constexpr float kSmallestNeighbourPoints = 5;
constexpr float kArrowPoints = 12;
constexpr double kArrowGapMm = 1;
constexpr double kSideLabelWidthMm = 6.5;
constexpr double kSideLabelGapMm = 2.2;
// Crosses and scissors a quarter of the side in from each end.
constexpr double kAlongSide[] = {0.25, 0.75};

enum class Side { Left, Right, Top, Bottom };

struct SideOf {
    Side side;
    int rowStep;
    int columnStep;
    const char* arrow;
};

constexpr SideOf kSides[] = {
    {Side::Left, 0, -1, "\u2190"},
    {Side::Right, 0, 1, "\u2192"},
    {Side::Top, -1, 0, "\u2191"},
    {Side::Bottom, 1, 0, "\u2193"},
};

bool isVertical(Side side) {
    return side == Side::Left || side == Side::Right;
}

// The point a fraction of the way along the side, moved inwards (or outwards when negative)
// from the frame by inset.
MmPoint onSide(const MmRect& w, Side side, double along, double inset) {
    switch (side) {
    case Side::Left:
        return {w.left + inset, w.top + along * w.height()};
    case Side::Right:
        return {w.right - inset, w.top + along * w.height()};
    case Side::Top:
        return {w.left + along * w.width(), w.top + inset};
    case Side::Bottom:
        break;
    }
    return {w.left + along * w.width(), w.bottom - inset};
}

void drawCross(SheetCanvas& canvas, MmPoint centre) {
    drawPageLine(canvas, {centre.x - kCrossHalfMm, centre.y}, {centre.x + kCrossHalfMm, centre.y},
                 kGuideColour);
    drawPageLine(canvas, {centre.x, centre.y - kCrossHalfMm}, {centre.x, centre.y + kCrossHalfMm},
                 kGuideColour);
}

// The neighbour's cut edge goes on this line, the overlap's far side from this page's edge.
void drawNeighboursLine(const MmRect& w, Side side, SheetCanvas& canvas) {
    drawPageLine(canvas, onSide(w, side, 0, kTileOverlapMm), onSide(w, side, 1, kTileOverlapMm),
                 kGuideColour, LineStyle::DashDotDot);
}

void drawScissors(const MmRect& w, Side side, SheetCanvas& canvas) {
    const double outside = side == Side::Top ? -kAboveFrameMm : -kMarginMarkMm;
    for (const double along : kAlongSide)
        printCentred(canvas, onSide(w, side, along, outside), std::string(kScissors),
                     kScissorsPoints);
}

// In the margin beside the side's middle: the arrow over the label at the sides, where the
// margin is narrow, and before it above and below. Arrows are larger: their glyphs are slight.
void drawNeighbourLabel(const TileLayout& layout, const SideOf& side, const Tile& neighbour,
                        SheetCanvas& canvas) {
    const MmRect& w = layout.window;
    if (isVertical(side.side)) {
        const MmPoint centre = onSide(w, side.side, 0.5, -kMarginMarkMm);
        const float points = fittingPoints(canvas, neighbour.label, kNeighbourPoints,
                                           kSmallestNeighbourPoints, kSideLabelWidthMm);
        printCentred(canvas, {centre.x, centre.y - kSideLabelGapMm}, side.arrow, kArrowPoints);
        printCentred(canvas, {centre.x, centre.y + kSideLabelGapMm}, neighbour.label, points, true);
        return;
    }
    const double y = side.side == Side::Top ? layout.usable.top - kMarginMarkMm
                                            : layout.usable.bottom + kMarginMarkMm;
    const double arrowWidth = pageTextWidth(canvas, side.arrow, kArrowPoints);
    const double labelWidth = pageTextWidth(canvas, neighbour.label, kNeighbourPoints, true);
    const double left = w.left + (w.width() - arrowWidth - kArrowGapMm - labelWidth) / 2;
    printCentred(canvas, {left + arrowWidth / 2, y}, side.arrow, kArrowPoints);
    printCentred(canvas, {left + arrowWidth + kArrowGapMm + labelWidth / 2, y}, neighbour.label,
                 kNeighbourPoints, true);
}

} // namespace

void drawTileEdges(const TileLayout& layout, const Tile& tile, SheetCanvas& canvas) {
    const MmRect& w = layout.window;
    drawPageRect(canvas, w, kGuideColour);
    for (const SideOf& side : kSides) {
        const Tile* neighbour =
            layout.tileAt(tile.row + side.rowStep, tile.column + side.columnStep);
        if (!neighbour)
            continue;
        for (const double along : kAlongSide)
            drawCross(canvas, onSide(w, side.side, along, kTileOverlapMm / 2));
        if (side.side == Side::Right || side.side == Side::Bottom)
            drawNeighboursLine(w, side.side, canvas);
        else
            drawScissors(w, side.side, canvas);
        drawNeighbourLabel(layout, side, *neighbour, canvas);
    }
}
