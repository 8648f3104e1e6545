// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/TilePrinter.h"

#include "draw/QPainterCanvas.h"
#include "draw/QtTextMetrics.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {

PageArea areaOf(QPageLayout layout, QPageLayout::Orientation orientation) {
    layout.setOrientation(orientation);
    const QSizeF size = layout.paintRect(QPageLayout::Millimeter).size();
    return {size.width(), size.height()};
}

QPageLayout::Orientation qtOrientation(PageOrientation orientation) {
    return orientation == PageOrientation::Portrait ? QPageLayout::Portrait
                                                    : QPageLayout::Landscape;
}

TilePrintOutcome paintPages(QPagedPaintDevice& device, const PageRun& run) {
    QPainter painter;
    if (!painter.begin(&device))
        return {false, "cannot start a page", false, 0, {}};
    for (std::size_t page = 0; page < run.pages; ++page) {
        if (page > 0 && !device.newPage())
            return {false, "cannot start a new page", false, page, {}};
        run.paintPage(painter, page);
    }
    if (!painter.end())
        return {false, "the pages could not be finished", false, run.pages, {}};
    return {true, {}, false, run.pages, {}};
}

PageRun tileRun(const FullSizeFigure& figure, const TileLayout& layout,
                const TilePageTexts& texts) {
    return {
        layout.orientation, layout.pages.size(), texts.title,
        [&figure, &layout, &texts](QPainter& painter, std::size_t page) {
            paintTilePage(painter, figure, layout, page, {page + 1, layout.pages.size()}, texts);
        }};
}

} // namespace

PaperAreas printableAreas(const QPageLayout& layout) {
    return {areaOf(layout, QPageLayout::Portrait), areaOf(layout, QPageLayout::Landscape)};
}

FullSizeFigure measuredForPages(FullSizeFigure figure) {
    measureTexts(figure, pageTextWidthOf(qtTextMetrics()));
    return figure;
}

TilePrintOutcome tooManyPages() {
    return {
        false, "the figure needs more than " + std::to_string(kMostTiles) + " pages", true, 0, {}};
}

// The figure's texts are cut at the window's edges by the device; its lines come cut already.
void paintTilePage(QPainter& painter, const FullSizeFigure& figure, const TileLayout& layout,
                   std::size_t page, PageNumber numbered, const TilePageTexts& texts) {
    const QSizeF areaTwips(layout.area.width * kTwipsPerMm, layout.area.height * kTwipsPerMm);
    QPainterCanvas canvas(painter, areaTwips);
    const double pixelsPerTwip = painter.device()->logicalDpiX() / kTwipsPerInch;
    const TwipRect window = windowTwips(layout);
    painter.save();
    painter.setClipRect(QRectF(window.left * pixelsPerTwip, window.top * pixelsPerTwip,
                               window.width * pixelsPerTwip, window.height * pixelsPerTwip));
    drawTileFigure(figure, layout, page, canvas);
    painter.restore();
    drawTileFurniture(figure, layout, page, numbered, texts, canvas);
}

TilePrintOutcome pagesPdf(const QPageSize& paper, const PageRun& run) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TilePrintOutcome outcome;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kSheetDotsPerInch);
        writer.setPageLayout(QPageLayout(paper, qtOrientation(run.orientation), QMarginsF()));
        writer.setTitle(QString::fromStdString(run.title));
        writer.setCreator(QStringLiteral("Wingsheet"));
        outcome = paintPages(writer, run);
    } // the writer finishes the document when it goes
    if (outcome.printed)
        outcome.pdf = bytes;
    return outcome;
}

TilePrintOutcome printPagesOn(QPrinter& printer, const PageRun& run) {
    printer.setPageOrientation(qtOrientation(run.orientation));
    printer.setDocName(QString::fromStdString(run.title));
    TilePrintOutcome outcome = paintPages(printer, run);
    if (outcome.printed && printer.printerState() == QPrinter::Error)
        return {false, "the printer reported an error", false, outcome.pages, {}};
    return outcome;
}

TilePrintOutcome tilesPdf(const FullSizeFigure& unmeasured, const QPageSize& paper,
                          const TilePageTexts& texts) {
    const FullSizeFigure figure = measuredForPages(unmeasured);
    const QPageLayout edgeToEdge(paper, QPageLayout::Portrait, QMarginsF());
    const auto layout = layoutTiles(figure, printableAreas(edgeToEdge));
    if (!layout)
        return tooManyPages();
    return pagesPdf(paper, tileRun(figure, *layout, texts));
}

TilePrintOutcome printTilesOn(QPrinter& printer, const FullSizeFigure& unmeasured,
                              const TilePageTexts& texts) {
    const FullSizeFigure figure = measuredForPages(unmeasured);
    const auto layout = layoutTiles(figure, printableAreas(printer.pageLayout()));
    if (!layout)
        return tooManyPages();
    return printPagesOn(printer, tileRun(figure, *layout, texts));
}
