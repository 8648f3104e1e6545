// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/TemplatePages.h"

#include "draw/TileDrawing.h"

#include <algorithm>
#include <cmath>

namespace {

// The part placed on the strip, the strip's y turned down as the figure's is.
void addToFigure(const CutPart& part, const PartPlacement& at, FullSizeFigure& figure) {
    const auto onFigure = [&at](Point2D p) {
        const Point2D placed = placedPoint(p, at);
        return MmPoint{placed.x, -placed.y};
    };
    for (const Polygon& outline : part.outlines) {
        std::vector<MmPoint> corners;
        for (const Point2D& p : outline)
            corners.push_back(onFigure(p));
        figure.outlines.push_back(std::move(corners));
    }
    for (const PartMark& mark : part.marks)
        figure.marks.push_back({{onFigure(mark.from), onFigure(mark.to)}, FigureLayer::Ribs});
    for (const PartText& text : part.texts) {
        const Point2D baseline = placedBaseline(text, at);
        figure.texts.push_back({{baseline.x, -baseline.y}, text.utf8, 0});
    }
}

std::optional<TiledParts> tiledParts(const std::vector<CutPart>& parts,
                                     std::vector<std::size_t> tooLarge, const TileLayout& frame,
                                     const std::function<double(const std::string&)>& widthMm) {
    double longest = 0;
    std::vector<Polygons> footprints;
    footprints.reserve(tooLarge.size());
    for (const std::size_t i : tooLarge) {
        const Box2D extent = partExtent(parts[i]);
        longest = std::max(longest, extent.maxX - extent.minX);
        footprints.push_back(footprintOf(parts[i]));
    }
    const double margins = 2 * (kTemplateGapMm + kTilePaddingMm);
    const int columns = windowsAcross(longest + margins, frame.window.width());
    const double strip = coveredBy(columns, frame.window.width()) - 2 * kTilePaddingMm;
    const Nesting nesting = nestParts(footprints, {strip, kLargestFigureMm, kTemplateGapMm});
    TiledParts tiled{std::move(tooLarge), {}, {}, {}};
    for (std::size_t k = 0; k < tiled.parts.size(); ++k) {
        const NestedPart& nested = nesting.parts[k];
        if (nested.sheet != 0)
            return std::nullopt;
        tiled.placements.push_back(nested.placement);
        addToFigure(parts[tiled.parts[k]], tiled.placements.back(), tiled.figure);
    }
    measureTexts(tiled.figure, widthMm);
    std::optional<TileLayout> tiles = layoutTilesIn(tiled.figure, frame.area, frame.orientation);
    if (!tiles)
        return std::nullopt;
    tiled.tiles = std::move(*tiles);
    return tiled;
}

std::optional<TemplateLayout> layoutIn(const std::vector<CutPart>& parts, PageArea area,
                                       PageOrientation orientation,
                                       const std::function<double(const std::string&)>& widthMm) {
    const std::optional<TileLayout> frame = pageFrame(area, orientation);
    if (!frame)
        return std::nullopt;
    TemplateLayout layout{*frame, {}, {}};
    const Nesting nesting = nestParts(
        footprintsOf(parts), {frame->window.width(), frame->window.height(), kTemplateGapMm}, true);
    layout.pages.resize(static_cast<std::size_t>(nesting.sheets));
    std::vector<std::size_t> tooLarge;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const NestedPart& nested = nesting.parts[i];
        if (nested.sheet < 0) {
            tooLarge.push_back(i);
            continue;
        }
        TemplatePage& page = layout.pages[static_cast<std::size_t>(nested.sheet)];
        page.parts.push_back(i);
        page.placements.push_back(nested.placement);
    }
    if (tooLarge.empty())
        return layout;
    layout.tiled = tiledParts(parts, std::move(tooLarge), *frame, widthMm);
    if (!layout.tiled)
        return std::nullopt;
    for (std::size_t tile = 0; tile < layout.tiled->tiles.pages.size(); ++tile)
        layout.pages.push_back({{}, {}, tile});
    return layout;
}

} // namespace

std::optional<TemplateLayout>
layoutTemplatePages(const std::vector<CutPart>& parts, const PaperAreas& paper,
                    const std::function<double(const std::string&)>& widthMm) {
    auto portrait = layoutIn(parts, paper.portrait, PageOrientation::Portrait, widthMm);
    auto landscape = layoutIn(parts, paper.landscape, PageOrientation::Landscape, widthMm);
    if (!portrait || !landscape)
        return portrait ? portrait : landscape;
    // A part kept whole is worth a page more: it needs no taping.
    const auto rank = [](const TemplateLayout& layout) {
        return std::pair{layout.tiled ? layout.tiled->parts.size() : 0, layout.pages.size()};
    };
    return rank(*landscape) < rank(*portrait) ? landscape : portrait;
}

MmPoint onTemplatePage(const TemplateLayout& layout, const PartPlacement& at, Point2D p) {
    const Point2D placed = placedPoint(p, at);
    return {layout.frame.window.left + placed.x, layout.frame.window.bottom - placed.y};
}

void drawNestedTemplatePage(const std::vector<CutPart>& parts, const TemplateLayout& layout,
                            std::size_t page, const TemplatePageTexts& texts, SheetCanvas& canvas) {
    const TileLayout& frame = layout.frame;
    drawPageHeader(frame, {},
                   pageOfPagesText(texts.pages.pageOfPages, page + 1, layout.pages.size()),
                   texts.pages.title, canvas);
    drawCalibrationBars(frame, texts.pages.rulerNote, canvas);
    drawFooterNote(frame, texts.note, frame.usable.width(), canvas);
    const TemplatePage& nested = layout.pages[page];
    for (std::size_t k = 0; k < nested.parts.size(); ++k) {
        const CutPart& part = parts[nested.parts[k]];
        const PartPlacement& at = nested.placements[k];
        for (const Polygon& outline : part.outlines) {
            for (std::size_t i = 0; i < outline.size(); ++i)
                drawPageLine(canvas, onTemplatePage(layout, at, outline[i]),
                             onTemplatePage(layout, at, outline[(i + 1) % outline.size()]), kBlack,
                             LineStyle::Solid, kPageOutlineMm);
        }
        for (const PartMark& mark : part.marks)
            drawPageLine(canvas, onTemplatePage(layout, at, mark.from),
                         onTemplatePage(layout, at, mark.to), kRibGrey, LineStyle::DashDotDot,
                         kPageMarkMm);
        for (const PartText& text : part.texts) {
            const Point2D baseline = placedBaseline(text, at);
            printOnBaseline(canvas, onTemplatePage(layout, {}, baseline), text.utf8, text.height);
        }
    }
}

TilePageTexts tiledPageTexts(const std::vector<CutPart>& parts, const TemplateLayout& layout,
                             const TemplatePageTexts& texts) {
    TilePageTexts words = texts.pages;
    if (layout.tiled && layout.tiled->parts.size() == 1 &&
        !parts[layout.tiled->parts.front()].name.empty())
        words.title = parts[layout.tiled->parts.front()].name + " \u2013 " + words.title;
    return words;
}
