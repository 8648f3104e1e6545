// SPDX-License-Identifier: GPL-3.0-or-later
// The print command: refuses without a valid calculation, confirms the printer, asks a title and
// prints the sheet. Where the system has no printer the sheet goes into a PDF file instead.
#include "i18n/TextKeys.h"
#include "print/SheetPrinter.h"
#include "print/SystemLocale.h"
#include "ui/common/LanguageText.h"
#include "ui/common/OutputFolder.h"
#include "ui/common/PathText.h"
#include "ui/dialogs/Prompter.h"
#include "ui/main/MainWindow.h"

namespace {

const QString kPdfPrinter = QStringLiteral("PDF");

// Every box of the command has the program's caption as its title, looked up after the text.
MessageAnswer showBox(Prompter& prompter, const LanguageState& language, const QString& text,
                      MessageStyle style) {
    return prompter.messageBox(text, style, uiText(language, kProgramCaption));
}

// Where the sheet goes: the printer, or the PDF file the user picks; empty when they cancel.
SheetTarget askTarget(Prompter& prompter, const QString& printer, const QString& printsOn,
                      const QString& title) {
    if (!printer.isEmpty())
        return SheetTarget::printer(printer);
    return SheetTarget::pdf(pathBytes(prompter.saveFileName(pdfFileDialog(printsOn, title))));
}

} // namespace

// The default title is offered each time, never the last one.
QString MainWindow::askSheetTitle() {
    const QString prompt = QStringLiteral("\r\n\r\n") + uiText(language_, kTitlePrompt);
    const QString boxTitle = uiText(language_, kTitleBoxTitle);
    return prompter_.inputBox(prompt, boxTitle, uiText(language_, kDefaultSheetTitle));
}

void MainWindow::printSheet() {
    if (!session_.hasValidResults()) {
        showBox(prompter_, language_, uiText(language_, kPrintNeedsCalculationMessage),
                kCriticalMessage);
        return;
    }
    const QString printer = defaultPrinterName();
    const QString printsOn =
        uiText(language_, kPrintsOnMessage) + u' ' + (printer.isEmpty() ? kPdfPrinter : printer);
    if (showBox(prompter_, language_, printsOn + QStringLiteral(" ?"), kOkCancelQuestion) ==
        MessageAnswer::Cancel)
        return;
    printTitle_ = askSheetTitle();
    if (printTitle_.isEmpty())
        return;
    const SheetTarget target = askTarget(prompter_, printer, printsOn, printTitle_);
    if (!target.chosen())
        return;

    const SheetInputs inputs = session_.sheetInputs(printTitle_.toStdString(), todaysShortDate());
    const SheetPrintOutcome outcome =
        printSheetTo(session_.planform(), session_.results(), inputs, target);
    // A PDF that cannot be written is a file error like any other: its number tells why.
    if (outcome.fileError)
        return showFileError(*outcome.fileError);
    if (!outcome.printed) {
        showBox(prompter_, language_, uiText(language_, kPrintFailedMessage), kCriticalMessage);
        return;
    }
    showBox(prompter_, language_, uiText(language_, kSheetPrintedMessage), kPlainMessage);
}
