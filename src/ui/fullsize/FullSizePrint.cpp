// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fullsize/FullSizePrint.h"

#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "print/ByteView.h"
#include "print/SystemLocale.h"
#include "print/TilePrinter.h"
#include "session/FullSizeText.h"
#include "ui/common/FeatureContext.h"
#include "ui/common/LanguageText.h"
#include "ui/common/OutputFolder.h"
#include "ui/dialogs/Prompter.h"

#include <QLocale>
#include <QPrinter>
#include <optional>

namespace {

// A plan beyond this many pages is a lot of paper to print by mistake.
constexpr std::size_t kPagesWithoutAsking = 20;

constexpr QPageSize::PageSizeId kPapers[] = {QPageSize::A4, QPageSize::Letter};

MessageAnswer tell(const FeatureContext& context, const QString& text, MessageStyle style) {
    return context.prompter.messageBox(text, style, uiText(context.language, kProgramCaption));
}

void tellTooLarge(const FeatureContext& context) {
    tell(context, uiText(context.language, kTooLargeMessage), kExclamationMessage);
}

// The paper chosen last time, or where there is none the paper of the user's country.
int firstPaper(const RememberedChoices& remembered) {
    for (int i = 0; i < static_cast<int>(std::size(kPapers)); ++i) {
        if (QPageSize::key(kPapers[i]).toStdString() == remembered.paper())
            return i;
    }
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? 1 : 0;
}

std::optional<QPageSize> askPaper(const FeatureContext& context) {
    QStringList names;
    for (const QPageSize::PageSizeId paper : kPapers)
        names << QPageSize::name(paper);
    RememberedChoices& remembered = context.choices.remembered;
    const int chosen = context.prompter.chooseItem(uiText(context.language, kPaperPrompt),
                                                   uiText(context.language, kProgramCaption), names,
                                                   firstPaper(remembered));
    if (chosen < 0)
        return std::nullopt;
    const QPageSize::PageSizeId paper = kPapers[chosen];
    remembered.setPaper(QPageSize::key(paper).toStdString());
    return QPageSize(paper);
}

// The preview shows the pages as they will come out: within the printer's printable area, or
// edge to edge as in a PDF where the system has no printer.
void setPaper(QPrinter& printer, const QPageSize& paper) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        printer.setFullPage(true);
        printer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF()));
    } else {
        printer.setPageSize(paper);
    }
}

bool confirmPageCount(const FeatureContext& context, std::size_t pages) {
    if (pages <= kPagesWithoutAsking)
        return true;
    const std::string question =
        fillIn(context.language.text(kManyPagesMessage), {std::to_string(pages)});
    return tell(context, fromUtf8(question), kOkCancelQuestion) == MessageAnswer::Ok;
}

// As Print asks where the system has no printer; empty when the user cancels.
QString askPdfPath(const FeatureContext& context) {
    const QString printsOn =
        uiText(context.language, kFullSizePrintsOnMessage) + QStringLiteral(" PDF");
    if (tell(context, printsOn + QStringLiteral(" ?"), kOkCancelQuestion) == MessageAnswer::Cancel)
        return {};
    return context.prompter.saveFileName(
        pdfFileDialog(context, printsOn, context.choices.printTitle));
}

// The print dialog, or the PDF where there is no printer; then what became of the pages.
void printPlan(const FeatureContext& context, QPrinter& printer, const FullSizeFigure& figure,
               const TilePageTexts& texts, const QPageSize& paper) {
    const PrinterChoice choice = context.prompter.choosePrinter(printer);
    if (choice == PrinterChoice::Cancelled)
        return;
    QString pdfPath;
    TilePrintOutcome outcome;
    if (choice == PrinterChoice::NoPrinter) {
        pdfPath = askPdfPath(context);
        if (pdfPath.isEmpty())
            return;
        outcome = tilesPdf(figure, paper, texts);
    } else if (printer.outputFormat() == QPrinter::PdfFormat) {
        // The dialog's "print to file": made in memory and written as every other file is.
        pdfPath = printer.outputFileName();
        outcome = tilesPdf(figure, printer.pageLayout().pageSize(), texts);
    } else {
        outcome = printTilesOn(printer, figure, texts);
    }

    const LanguageState& language = context.language;
    if (outcome.tooLarge) {
        tellTooLarge(context);
    } else if (!outcome.printed) {
        tell(context, uiText(language, kPrintFailedMessage), kCriticalMessage);
    } else if (pdfPath.isEmpty()) {
        tell(context,
             uiText(language, kFullSizePrintedMessage)
                 .replace(QStringLiteral("%1"), QString::number(outcome.pages)),
             kPlainMessage);
    } else if (writeOutputOrTell(context, pdfPath, bytesOf(outcome.pdf))) {
        rememberFolderOf(context, pdfPath);
        tell(context, pdfWrittenMessage(language, outcome.pages, pdfPath), kPlainMessage);
    }
}

} // namespace

void printFullSize(const FeatureContext& context, bool bothHalves) {
    const LanguageState& language = context.language;
    if (!context.session.hasValidResults()) {
        tell(context, uiText(language, kPrintNeedsCalculationMessage), kCriticalMessage);
        return;
    }
    context.choices.printTitle = askSheetTitle(context);
    const std::string title = context.choices.printTitle.toStdString();
    if (title.empty())
        return;
    const auto figure = fullSizeFigureOf(context.session, {title, todaysShortDate(), bothHalves});
    if (!figure)
        return tellTooLarge(context);
    const std::optional<QPageSize> paper = askPaper(context);
    if (!paper)
        return;
    QPrinter printer(QPrinter::HighResolution);
    setPaper(printer, *paper);
    const auto layout = layoutTiles(*figure, printableAreas(printer.pageLayout()));
    if (!layout)
        return tellTooLarge(context);
    if (!confirmPageCount(context, layout->pages.size()))
        return;

    const TilePageTexts texts = tilePageTexts(language.lookup(), title);
    const auto paintPages = [&](QPrinter& pages) {
        printTilesOn(pages, *figure, texts);
    };
    const std::string previewTitle =
        fillIn(language.text(kPagesPreviewTitle), {std::to_string(layout->pages.size())});
    if (context.prompter.previewBeforePrinting(printer, paintPages, fromUtf8(previewTitle),
                                               uiText(language, kPrintButton)))
        printPlan(context, printer, *figure, texts, *paper);
}
