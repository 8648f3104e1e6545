// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/SheetPrinter.h"

#include "base/OutputFile.h"
#include "draw/DrawSheet.h"
#include "draw/QPainterCanvas.h"
#include "draw/QtTextMetrics.h"
#include "draw/RecordingCanvas.h"

#include <QBuffer>
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Set for as long as the sheet is being printed, whichever way it ends.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

SheetPrintOutcome failed(std::string why) {
    return {false, std::move(why), 0, 0, std::nullopt};
}

SheetPrintOutcome outcomeOf(const SheetOutcome& sheet) {
    return {sheet.printed, sheet.failure, sheet.denominator, sheet.sheetScale, std::nullopt};
}

SheetPdf renderPdf(const WingPlanform& planform, const WingResults& results,
                   const SheetInputs& inputs) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kSheetDotsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, {}));
    writer.setTitle(QString::fromStdString(inputs.title));
    writer.setCreator(QStringLiteral("Wingsheet"));
    QPainter painter;
    if (!painter.begin(&writer))
        return {failed("cannot start a PDF page"), {}};
    SheetPrintOutcome outcome = paintSheet(painter, writer.pageLayout(), planform, results, inputs);
    if (!painter.end() && outcome.printed)
        outcome = failed("cannot finish the PDF page");
    if (!outcome.printed)
        return {outcome, {}};
    return {outcome, buffer.data().toStdString()};
}

// The whole page is made before the file is touched, so a failure leaves no partial PDF and an
// older file of the same name untouched.
SheetPrintOutcome printToPdf(const std::string& path, const WingPlanform& planform,
                             const WingResults& results, const SheetInputs& inputs) {
    SheetPdf pdf = renderPdf(planform, results, inputs);
    if (!pdf.outcome.printed)
        return pdf.outcome;
    if (std::optional<FileError> error = writeOutputFile(path, pdf.bytes)) {
        SheetPrintOutcome outcome = failed("cannot write the PDF file: " + error->description);
        outcome.fileError = std::move(error);
        return outcome;
    }
    return pdf.outcome;
}

SheetPrintOutcome printOnPrinter(const QString& name, const WingPlanform& planform,
                                 const WingResults& results, const SheetInputs& inputs) {
    if (QPrinterInfo::printerInfo(name).isNull())
        return failed("no printer named " + name.toStdString());
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(name);
    printer.setResolution(kSheetDotsPerInch);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QString::fromStdString(inputs.title));
    QPainter painter;
    if (!painter.begin(&printer))
        return failed("the printer cannot start a page");
    SheetPrintOutcome outcome =
        paintSheet(painter, printer.pageLayout(), planform, results, inputs);
    // Only a sheet that passed its rehearsal gets here; should it fail all the same, engines that
    // can abandon a job do so (the CUPS one cannot).
    if (!outcome.printed)
        printer.abort();
    const bool ended = painter.end();
    if (outcome.printed && (!ended || printer.printerState() == QPrinter::Error))
        return failed("the printer reported an error");
    return outcome;
}

} // namespace

// The painter's origin is the top-left of the printable area; the canvas covers that area.
SheetPrintOutcome paintSheet(QPainter& painter, const QPageLayout& layout,
                             const WingPlanform& planform, const WingResults& results,
                             const SheetInputs& inputs) {
    const QSizeF areaTwips = layout.paintRect(QPageLayout::Inch).size() * kTwipsPerInch;
    QPainterCanvas canvas(painter, areaTwips);
    return outcomeOf(drawSheet(planform, results, inputs, canvas));
}

QString defaultPrinterName() {
    return QPrinterInfo::defaultPrinter().printerName();
}

SheetPrintOutcome printSheetTo(const WingPlanform& planform, const WingResults& results,
                               const SheetInputs& inputs, const SheetTarget& target) {
    const BusyPointer busy;
    // A printer engine cannot take back a page it has begun (CUPS sends it at the end whatever
    // happens), so the layout is rehearsed first: a sheet that would fail never reaches a device.
    RecordingCanvas rehearsal;
    const SheetOutcome trial = drawSheet(planform, results, inputs, rehearsal);
    if (!trial.printed)
        return outcomeOf(trial);
    if (target.isPdf())
        return printToPdf(target.pdfPath, planform, results, inputs);
    return printOnPrinter(target.printerName, planform, results, inputs);
}

SheetPdf renderSheetPdf(const WingPlanform& planform, const WingResults& results,
                        const SheetInputs& inputs) {
    const BusyPointer busy;
    return renderPdf(planform, results, inputs);
}
