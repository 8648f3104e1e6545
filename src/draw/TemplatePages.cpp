// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/TemplatePages.h"

#include "draw/TileDrawing.h"

namespace {

FullSizeFigure partFigure(const CutPart& part) {
    FullSizeFigure figure;
    const auto onFigure = [](Point2D p) {
        return MmPoint{p.x, -p.y};
    };
    for (const Polygon& outline : part.outlines) {
        std::vector<MmPoint> corners;
        for (const Point2D& p : outline)
            corners.push_back(onFigure(p));
        figure.outlines.push_back(std::move(corners));
    }
    for (const PartMark& mark : part.marks)
        figure.marks.push_back({{onFigure(mark.from), onFigure(mark.to)}, FigureLayer::Ribs});
    for (const PartText& text : part.texts)
        figure.texts.push_back({onFigure(text.baselineLeft), text.utf8, 0});
    return figure;
}

std::optional<TemplateLayout> layoutIn(const std::vector<CutPart>& parts, PageArea area,
                                       PageOrientation orientation,
                                       const std::function<double(const std::string&)>& widthMm) {
    const std::optional<TileLayout> frame = pageFrame(area, orientation);
    if (!frame)
        return std::nullopt;
    TemplateLayout layout{*frame, {}, {}};
    std::vector<Polygons> footprints;
    for (const CutPart& part : parts)
        footprints.push_back(footprintOf(part));
    const Nesting nesting = nestParts(
        footprints, {frame->window.width(), frame->window.height(), kTemplateGapMm}, true);
    layout.pages.resize(static_cast<std::size_t>(nesting.sheets));
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const NestedPart& nested = nesting.parts[i];
        if (nested.sheet >= 0) {
            TemplatePage& page = layout.pages[static_cast<std::size_t>(nested.sheet)];
            page.parts.push_back(i);
            page.placements.push_back({nested.turned, nested.offset});
            continue;
        }
        FullSizeFigure figure = partFigure(parts[i]);
        measureTexts(figure, widthMm);
        std::optional<TileLayout> tiles = layoutTilesIn(figure, area, orientation);
        if (!tiles)
            return std::nullopt;
        for (std::size_t tile = 0; tile < tiles->pages.size(); ++tile)
            layout.pages.push_back({{}, {}, layout.tiled.size(), tile});
        layout.tiled.push_back({i, std::move(figure), std::move(*tiles)});
    }
    return layout;
}

} // namespace

std::optional<TemplateLayout>
layoutTemplatePages(const std::vector<CutPart>& parts, const PaperAreas& paper,
                    const std::function<double(const std::string&)>& widthMm) {
    auto portrait = layoutIn(parts, paper.portrait, PageOrientation::Portrait, widthMm);
    auto landscape = layoutIn(parts, paper.landscape, PageOrientation::Landscape, widthMm);
    if (portrait && landscape)
        return landscape->pages.size() < portrait->pages.size() ? landscape : portrait;
    return portrait ? portrait : landscape;
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
            printOnBaseline(canvas,
                            {frame.window.left + baseline.x, frame.window.bottom - baseline.y},
                            text.utf8, text.height);
        }
    }
}

TilePageTexts tiledPageTexts(const std::vector<CutPart>& parts, const TemplateLayout& layout,
                             std::size_t page, const TemplatePageTexts& texts) {
    const TemplatePage& tile = layout.pages[page];
    TilePageTexts words = texts.pages;
    words.pageOfPages = pageOfPagesText(texts.pages.pageOfPages, page + 1, layout.pages.size());
    const std::string& name = parts[layout.tiled[tile.tiled.value_or(0)].part].name;
    if (!name.empty())
        words.title = name + " \u2013 " + words.title;
    return words;
}
