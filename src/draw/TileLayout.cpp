// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/TileLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// Centres a grid of count windows on an extent.
double gridStart(double low, double extent, int count, double window) {
    return low - (coveredBy(count, window) - extent) / 2;
}

// Everything of the figure a tile may show: its lines, and the boxes its texts are expected in.
struct FigureExtent {
    std::vector<MmSegment> lines;
    std::vector<MmRect> textBoxes;
};

FigureExtent extentOf(const FullSizeFigure& figure) {
    FigureExtent extent{outlineSegments(figure), {}};
    for (const FigureLine& mark : figure.marks)
        extent.lines.push_back(mark.segment);
    for (const FigureText& text : figure.texts)
        extent.textBoxes.push_back(textBox(text));
    return extent;
}

bool showsSomething(const FigureExtent& extent, const MmRect& rect) {
    return std::ranges::any_of(
               extent.lines,
               [&rect](const MmSegment& line) { return clipSegment(line, rect).has_value(); }) ||
           std::ranges::any_of(extent.textBoxes,
                               [&rect](const MmRect& box) { return box.intersects(rect); });
}

bool fewerPages(const TileLayout& a, const TileLayout& b) {
    if (a.pages.size() != b.pages.size())
        return a.pages.size() < b.pages.size();
    return a.rows * a.columns < b.rows * b.columns;
}

} // namespace

int windowsAcross(double extent, double window) {
    const double step = window - kTileOverlapMm;
    return std::max(1, static_cast<int>(std::ceil((extent - kTileOverlapMm) / step)));
}

double coveredBy(int count, double window) {
    return count * (window - kTileOverlapMm) + kTileOverlapMm;
}

std::optional<TileLayout> pageFrame(PageArea area, PageOrientation orientation) {
    TileLayout layout;
    layout.orientation = orientation;
    layout.area = area;
    layout.usable = {kTileMarginMm, kTileMarginMm, area.width - kTileMarginMm,
                     area.height - kTileMarginMm};
    layout.window = {layout.usable.left, layout.usable.top + kTileHeaderMm, layout.usable.right,
                     layout.usable.bottom - kTileFooterMm};
    if (layout.window.width() <= kTileOverlapMm || layout.window.height() <= kTileOverlapMm)
        return std::nullopt;
    return layout;
}

std::optional<TileLayout> layoutTilesIn(const FullSizeFigure& figure, PageArea area,
                                        PageOrientation orientation) {
    std::optional<TileLayout> frame = pageFrame(area, orientation);
    if (!frame)
        return std::nullopt;
    TileLayout& layout = *frame;
    const double windowWidth = layout.window.width();
    const double windowHeight = layout.window.height();

    MmRect bounds = figureBounds(figure);
    bounds = {bounds.left - kTilePaddingMm, bounds.top - kTilePaddingMm,
              bounds.right + kTilePaddingMm, bounds.bottom + kTilePaddingMm};
    const double across =
        std::ceil((bounds.width() - kTileOverlapMm) / (windowWidth - kTileOverlapMm));
    const double down =
        std::ceil((bounds.height() - kTileOverlapMm) / (windowHeight - kTileOverlapMm));
    if (!(across * down <= kMostTiles)) // also refuses a NaN
        return std::nullopt;
    layout.columns = windowsAcross(bounds.width(), windowWidth);
    layout.rows = windowsAcross(bounds.height(), windowHeight);
    const double left = gridStart(bounds.left, bounds.width(), layout.columns, windowWidth);
    const double top = gridStart(bounds.top, bounds.height(), layout.rows, windowHeight);
    const double stepX = windowWidth - kTileOverlapMm;
    const double stepY = windowHeight - kTileOverlapMm;
    layout.grid = {left, top, left + layout.columns * stepX + kTileOverlapMm,
                   top + layout.rows * stepY + kTileOverlapMm};

    const FigureExtent extent = extentOf(figure);
    for (int row = 0; row < layout.rows; ++row) {
        for (int column = 0; column < layout.columns; ++column) {
            const double x = left + column * stepX;
            const double y = top + row * stepY;
            const MmRect rect{x, y, x + windowWidth, y + windowHeight};
            if (showsSomething(extent, rect))
                layout.pages.push_back({row, column, rect, tileLabel(row, column)});
        }
    }
    return layout;
}

PaperAreas wholePaper(PageArea portraitPaper) {
    return {portraitPaper, {portraitPaper.height, portraitPaper.width}};
}

MmPoint TileLayout::onPage(const Tile& tile, MmPoint figurePoint) const {
    return {window.left + figurePoint.x - tile.figureRect.left,
            window.top + figurePoint.y - tile.figureRect.top};
}

const Tile* TileLayout::tileAt(int row, int column) const {
    const auto found = std::ranges::find_if(
        pages, [&](const Tile& tile) { return tile.row == row && tile.column == column; });
    return found == pages.end() ? nullptr : &*found;
}

std::string tileLabel(int row, int column) {
    return rowLetters(row) + std::to_string(column + 1);
}

std::string rowLetters(int row) {
    std::string letters;
    for (int rest = row + 1; rest > 0; rest = (rest - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (rest - 1) % 26));
    return letters;
}

std::optional<TileLayout> layoutTiles(const FullSizeFigure& figure, const PaperAreas& paper) {
    const auto portrait = layoutTilesIn(figure, paper.portrait, PageOrientation::Portrait);
    const auto landscape = layoutTilesIn(figure, paper.landscape, PageOrientation::Landscape);
    if (portrait && landscape)
        return fewerPages(*landscape, *portrait) ? landscape : portrait;
    return portrait ? portrait : landscape;
}
