// SPDX-License-Identifier: GPL-3.0-or-later
// The print command: refuses without a valid calculation, confirms the printer, asks a title and
// prints the sheet. Where the system has no printer the sheet goes into a PDF file instead. The
// print preview shows the same sheet first.
#include "draw/DrawSheet.h"
#include "draw/RecordingCanvas.h"
#include "i18n/TextKeys.h"
#include "print/SheetPreview.h"
#include "print/SheetPrinter.h"
#include "print/SystemLocale.h"
#include "ui/common/LanguageText.h"
#include "ui/common/OutputFolder.h"
#include "ui/common/PathText.h"
#include "ui/dialogs/Prompter.h"
#include "ui/main/MainWindow.h"

#include <QPrinter>

namespace {

const QString kPdfPrinter = QStringLiteral("PDF");

// Where the sheet goes: the printer, or the PDF file the user picks; empty when they cancel.
SheetTarget askTarget(const FeatureContext& context, const QString& printer,
                      const QString& printsOn, const QString& title) {
    if (!printer.isEmpty())
        return SheetTarget::printer(printer);
    return SheetTarget::pdf(
        pathBytes(context.prompter.saveFileName(pdfFileDialog(context, printsOn, title))));
}

} // namespace

void MainWindow::printSheet() {
    if (!session_.hasValidResults()) {
        tell(context_, uiText(language_, kPrintNeedsCalculationMessage), kCriticalMessage);
        return;
    }
    const QString printer = defaultPrinterName();
    const QString printsOn =
        uiText(language_, kPrintsOnMessage) + u' ' + (printer.isEmpty() ? kPdfPrinter : printer);
    if (tell(context_, printsOn + QStringLiteral(" ?"), kOkCancelQuestion) == MessageAnswer::Cancel)
        return;
    choices_.printTitle = askSheetTitle(context_);
    if (choices_.printTitle.isEmpty())
        return;
    const SheetTarget target = askTarget(context_, printer, printsOn, choices_.printTitle);
    if (!target.chosen())
        return;

    const SheetInputs inputs =
        session_.sheetInputs(choices_.printTitle.toStdString(), todaysShortDate());
    const SheetPrintOutcome outcome =
        printSheetTo(session_.planform(), session_.results(), inputs, target);
    // A PDF that cannot be written is a file error like any other: its number tells why.
    if (outcome.fileError)
        return showFileError(context_, *outcome.fileError);
    if (!outcome.printed) {
        tell(context_, uiText(language_, kPrintFailedMessage), kCriticalMessage);
        return;
    }
    if (!target.isPdf()) {
        tell(context_, uiText(language_, kSheetPrintedMessage), kPlainMessage);
        return;
    }
    const QString pdf = pathText(target.pdfPath);
    rememberFolderOf(context_, pdf);
    tell(context_, pdfWrittenMessage(language_, 1, pdf), kPlainMessage);
}

void MainWindow::printPreview() {
    if (!askPrintTitle(context_))
        return;
    const SheetInputs inputs =
        session_.sheetInputs(choices_.printTitle.toStdString(), todaysShortDate());
    // A sheet that would stop half-way is not shown as if it were whole.
    RecordingCanvas rehearsal;
    if (!drawSheet(session_.planform(), session_.results(), inputs, rehearsal).printed) {
        tell(context_, uiText(language_, kPrintFailedMessage), kCriticalMessage);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    prepareSheetPreview(printer);
    prompter_.previewPrint(printer, [this, &inputs](QPrinter& pages) {
        paintSheetOn(pages, session_.planform(), session_.results(), inputs);
    });
}
