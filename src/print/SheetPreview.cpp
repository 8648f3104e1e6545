// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/SheetPreview.h"

#include "draw/DrawSheet.h"
#include "draw/QPainterCanvas.h"

#include <QPainter>
#include <QPrinter>

namespace {

constexpr int kPreviewDotsPerInch = 300;

} // namespace

void prepareSheetPreview(QPrinter& printer) {
    printer.setResolution(kPreviewDotsPerInch);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
}

bool paintSheetOn(QPrinter& printer, const WingPlanform& planform, const WingResults& results,
                  const SheetInputs& inputs) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QSizeF areaTwips =
        printer.pageLayout().paintRect(QPageLayout::Inch).size() * kTwipsPerInch;
    QPainterCanvas canvas(painter, areaTwips);
    const bool drawn = drawSheet(planform, results, inputs, canvas).printed;
    painter.end();
    return drawn;
}
