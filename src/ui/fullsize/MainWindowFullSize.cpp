// SPDX-License-Identifier: GPL-3.0-or-later
// The full-size commands of the File menu: the print preview of the sheet, the wing at 1:1 tiled
// over the printer's pages (into a PDF file where the system has no printer, as Print does),
// and the outline exported as DXF or SVG. Every file goes through the program's write routine.
#include "base/OutputFile.h"
#include "draw/DrawSheet.h"
#include "draw/RecordingCanvas.h"
#include "dxf/OutlineDxf.h"
#include "i18n/TextKeys.h"
#include "print/ByteView.h"
#include "print/OutlineSvg.h"
#include "print/SheetPreview.h"
#include "print/SystemLocale.h"
#include "print/TilePrinter.h"
#include "session/FullSizeText.h"
#include "ui/common/LanguageText.h"
#include "ui/common/OutputFolder.h"
#include "ui/common/PathText.h"
#include "ui/dialogs/Prompter.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MainWindowControls.h"

#include <QAction>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>

namespace {

enum class OutlineType { Dxf, Svg }; // in the order the export dialog offers them

// Where no printer says otherwise, the paper of the user's country.
QPageSize localPaper() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

} // namespace

bool MainWindow::bothHalves() const {
    return c_.bothHalvesAction->isChecked();
}

// The title the outline's text block carries: the last sheet's, else the wing file's name.
QString MainWindow::outlineTitle() const {
    if (!printTitle_.isEmpty())
        return printTitle_;
    if (!session_.fileName().empty())
        return pathText(session_.fileName());
    return uiText(language_, kDefaultSheetTitle);
}

// False, after the file error message, when the file could not be written.
bool MainWindow::writeOutput(const QString& path, std::string_view bytes) {
    if (const auto error = writeOutputFile(pathBytes(path), bytes)) {
        showFileError(*error);
        return false;
    }
    return true;
}

// As Print begins: without a valid calculation message 10, then the title; false when there is
// nothing to print.
bool MainWindow::askPrintTitle() {
    if (!session_.hasValidResults()) {
        prompter_.messageBox(uiText(language_, kPrintNeedsCalculationMessage), kCriticalMessage,
                             uiText(language_, kProgramCaption));
        return false;
    }
    printTitle_ = askSheetTitle();
    return !printTitle_.isEmpty();
}

void MainWindow::printPreview() {
    if (!askPrintTitle())
        return;
    const QString caption = uiText(language_, kProgramCaption);
    const SheetInputs inputs = session_.sheetInputs(printTitle_.toStdString(), todaysShortDate());
    // A sheet that would stop half-way is not shown as if it were whole.
    RecordingCanvas rehearsal;
    if (!drawSheet(session_.planform(), session_.results(), inputs, rehearsal).printed) {
        prompter_.messageBox(uiText(language_, kPrintFailedMessage), kCriticalMessage, caption);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    prepareSheetPreview(printer);
    prompter_.previewPrint(printer, [this, &inputs](QPrinter& pages) {
        paintSheetOn(pages, session_.planform(), session_.results(), inputs);
    });
}

void MainWindow::printFullSize() {
    if (!askPrintTitle())
        return;
    const QString caption = uiText(language_, kProgramCaption);
    const std::string title = printTitle_.toStdString();
    const auto figure = fullSizeFigureOf(session_, {title, todaysShortDate(), bothHalves()});
    if (!figure) {
        prompter_.messageBox(uiText(language_, kTooLargeMessage), kExclamationMessage, caption);
        return;
    }
    const TilePageTexts texts = tilePageTexts(language_.lookup(), title);

    QPrinter printer(QPrinter::HighResolution);
    const PrinterChoice choice = prompter_.choosePrinter(printer);
    if (choice == PrinterChoice::Cancelled)
        return;
    QString pdfPath;
    TilePrintOutcome outcome;
    if (choice == PrinterChoice::NoPrinter) {
        const QString printsOn = uiText(language_, kPrintsOnMessage) + QStringLiteral(" PDF");
        pdfPath = prompter_.saveFileName(pdfFileDialog(printsOn, printTitle_));
        if (pdfPath.isEmpty())
            return;
        outcome = tilesPdf(*figure, localPaper(), texts);
    } else if (printer.outputFormat() == QPrinter::PdfFormat) {
        // The dialog's "print to file": made in memory and written as every other file is.
        pdfPath = printer.outputFileName();
        outcome = tilesPdf(*figure, printer.pageLayout().pageSize(), texts);
    } else {
        outcome = printTilesOn(printer, *figure, texts);
    }

    if (outcome.tooLarge) {
        prompter_.messageBox(uiText(language_, kTooLargeMessage), kExclamationMessage, caption);
        return;
    }
    if (!outcome.printed) {
        prompter_.messageBox(uiText(language_, kPrintFailedMessage), kCriticalMessage, caption);
        return;
    }
    if (!pdfPath.isEmpty() && !writeOutput(pdfPath, bytesOf(outcome.pdf)))
        return;
    prompter_.messageBox(uiText(language_, kFullSizePrintedMessage)
                             .replace(QStringLiteral("%1"), QString::number(outcome.pages)),
                         kPlainMessage, caption);
}

void MainWindow::exportOutline() {
    const QString dialogTitle = uiText(language_, kExportDialogTitle);
    if (!session_.hasValidResults()) {
        prompter_.messageBox(uiText(language_, kSaveNeedsCalculationMessage), kExclamationMessage,
                             dialogTitle);
        return;
    }
    const QStringList types{uiText(language_, kDxfFileType) + QStringLiteral(" (*.dxf)"),
                            uiText(language_, kSvgFileType) + QStringLiteral(" (*.svg)")};
    const QString folder = lastWingFolder_.isEmpty() ? documentsFolder() : lastWingFolder_;
    const QString name = session_.fileName().empty()
                             ? outlineTitle()
                             : QFileInfo(pathText(session_.fileName())).completeBaseName();
    const TypedFileChoice choice = prompter_.saveFileNameOfType(
        {dialogTitle, {}, folder, fileNameFor(name, QStringLiteral(".dxf")), {}}, types);
    if (choice.path.isEmpty())
        return;
    const auto figure =
        fullSizeFigureOf(session_, {outlineTitle().toStdString(), todaysShortDate(), bothHalves()});
    if (!figure) {
        prompter_.messageBox(uiText(language_, kTooLargeMessage), kExclamationMessage,
                             uiText(language_, kProgramCaption));
        return;
    }
    std::string document;
    if (static_cast<OutlineType>(choice.typeIndex) == OutlineType::Svg) {
        const auto svg = outlineSvgDocument(*figure, outlineTitle());
        if (!svg) {
            prompter_.messageBox(uiText(language_, kPrintFailedMessage), kCriticalMessage,
                                 uiText(language_, kProgramCaption));
            return;
        }
        document = bytesOf(*svg);
    } else {
        document = outlineDxfDocument(*figure);
    }
    if (!writeOutput(choice.path, document))
        return;
    prompter_.messageBox(uiText(language_, kOutlineExportedMessage) + u' ' + choice.path,
                         kPlainMessage, QString());
}
