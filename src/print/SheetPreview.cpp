// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/SheetPreview.h"

#include "print/SheetPrinter.h"

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
    const bool drawn = paintSheet(painter, printer.pageLayout(), planform, results, inputs).printed;
    painter.end();
    return drawn;
}
