// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/PrintPages.h"

#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "print/ByteView.h"
#include "ui/common/FeatureContext.h"
#include "ui/common/LanguageText.h"
#include "ui/common/OutputFolder.h"
#include "ui/dialogs/Prompter.h"

#include <QLocale>
#include <QPrinter>

namespace {

// A plan beyond this many pages is a lot of paper to print by mistake.
constexpr std::size_t kPagesWithoutAsking = 20;

constexpr QPageSize::PageSizeId kPapers[] = {QPageSize::A4, QPageSize::Letter};

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

bool confirmPageCount(const FeatureContext& context, const PagesToPrint& pages, std::size_t count) {
    if (count <= kPagesWithoutAsking)
        return true;
    const std::string question =
        fillIn(context.language.text(pages.manyPages), {std::to_string(count)});
    return tell(context, fromUtf8(question), kOkCancelQuestion) == MessageAnswer::Ok;
}

// As Print asks where the system has no printer; empty when the user cancels.
QString askPdfPath(const FeatureContext& context, const PagesToPrint& pages) {
    const QString printsOn = uiText(context.language, pages.printsOn) + QStringLiteral(" PDF");
    if (tell(context, printsOn + QStringLiteral(" ?"), kOkCancelQuestion) == MessageAnswer::Cancel)
        return {};
    return context.prompter.saveFileName(
        pdfFileDialog(context, printsOn, context.choices.printTitle));
}

// The print dialog, or the PDF where there is no printer; then what became of the pages.
void printOrWrite(const FeatureContext& context, QPrinter& printer, const PagesToPrint& pages,
                  const QPageSize& paper) {
    const PrinterChoice choice = context.prompter.choosePrinter(printer);
    if (choice == PrinterChoice::Cancelled)
        return;
    QString pdfPath;
    TilePrintOutcome outcome;
    if (choice == PrinterChoice::NoPrinter) {
        pdfPath = askPdfPath(context, pages);
        if (pdfPath.isEmpty())
            return;
        outcome = pages.pdf(paper);
    } else if (printer.outputFormat() == QPrinter::PdfFormat) {
        // The dialog's "print to file": made in memory and written as every other file is.
        pdfPath = printer.outputFileName();
        outcome = pages.pdf(printer.pageLayout().pageSize());
    } else {
        outcome = pages.printOn(printer);
    }

    const LanguageState& language = context.language;
    if (outcome.tooLarge) {
        tell(context, uiText(language, pages.tooLarge), kExclamationMessage);
    } else if (!outcome.printed) {
        tell(context, uiText(language, kPrintFailedMessage), kCriticalMessage);
    } else if (pdfPath.isEmpty()) {
        tell(context,
             uiText(language, pages.printed)
                 .replace(QStringLiteral("%1"), QString::number(outcome.pages)),
             kPlainMessage);
    } else if (writeOutputOrTell(context, pdfPath, bytesOf(outcome.pdf))) {
        rememberFolderOf(context, pdfPath);
        tell(context, pdfWrittenMessage(language, outcome.pages, pdfPath), kPlainMessage);
    }
}

} // namespace

void printPages(const FeatureContext& context, const PagesToPrint& pages) {
    const std::optional<QPageSize> paper = askPaper(context);
    if (!paper)
        return;
    QPrinter printer(QPrinter::HighResolution);
    setPaper(printer, *paper);
    const std::optional<std::size_t> count = pages.pageCount(printer.pageLayout());
    if (!count) {
        tell(context, uiText(context.language, pages.tooLarge), kExclamationMessage);
        return;
    }
    if (!confirmPageCount(context, pages, *count))
        return;
    const std::string previewTitle =
        fillIn(context.language.text(pages.previewTitle), {std::to_string(*count)});
    if (context.prompter.previewBeforePrinting(
            printer, [&pages](QPrinter& shown) { pages.printOn(shown); }, fromUtf8(previewTitle),
            uiText(context.language, kPrintButton)))
        printOrWrite(context, printer, pages, *paper);
}
