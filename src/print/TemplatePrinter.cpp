// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/TemplatePrinter.h"

#include "draw/QPainterCanvas.h"
#include "draw/QtTextMetrics.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace {

PageRun templateRun(const std::vector<CutPart>& parts, const TemplateLayout& layout,
                    const TemplatePageTexts& texts) {
    return {layout.frame.orientation, layout.pages.size(), texts.pages.title,
            [&](QPainter& painter, std::size_t page) {
                const TemplatePage& shown = layout.pages[page];
                if (shown.tile) {
                    paintTilePage(painter, layout.tiled->figure, layout.tiled->tiles, *shown.tile,
                                  {page + 1, layout.pages.size()},
                                  tiledPageTexts(parts, layout, texts));
                    return;
                }
                const PageArea& area = layout.frame.area;
                QPainterCanvas canvas(painter,
                                      QSizeF(area.width * kTwipsPerMm, area.height * kTwipsPerMm));
                drawNestedTemplatePage(parts, layout, page, texts, canvas);
            }};
}

} // namespace

std::optional<TemplateLayout> templateLayoutFor(const std::vector<CutPart>& parts,
                                                const QPageLayout& paper) {
    return layoutTemplatePages(parts, printableAreas(paper), pageTextWidthOf(qtTextMetrics()));
}

TilePrintOutcome templatesPdf(const std::vector<CutPart>& parts, const QPageSize& paper,
                              const TemplatePageTexts& texts) {
    const auto layout =
        templateLayoutFor(parts, QPageLayout(paper, QPageLayout::Portrait, QMarginsF()));
    if (!layout)
        return tooManyPages();
    return pagesPdf(paper, templateRun(parts, *layout, texts));
}

TilePrintOutcome printTemplatesOn(QPrinter& printer, const std::vector<CutPart>& parts,
                                  const TemplatePageTexts& texts) {
    const auto layout = templateLayoutFor(parts, printer.pageLayout());
    if (!layout)
        return tooManyPages();
    return printPagesOn(printer, templateRun(parts, *layout, texts));
}
