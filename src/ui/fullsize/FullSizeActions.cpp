// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fullsize/FullSizeActions.h"

#include "dxf/OutlineDxf.h"
#include "i18n/TextKeys.h"
#include "print/ByteView.h"
#include "print/OutlineSvg.h"
#include "print/SystemLocale.h"
#include "print/TilePrinter.h"
#include "session/FullSizeText.h"
#include "ui/common/LanguageText.h"
#include "ui/common/OutputFolder.h"
#include "ui/common/PathText.h"
#include "ui/dialogs/Prompter.h"

#include <QAction>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QPrinter>

namespace {

enum class OutlineType { Dxf, Svg }; // in the order the export dialog offers them

// Where no printer says otherwise, the paper of the user's country.
QPageSize localPaper() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

QAction* insertAction(QMenu& menu, QAction* before, const QString& builtInText) {
    auto* action = new QAction(builtInText, &menu);
    menu.insertAction(before, action);
    return action;
}

} // namespace

FullSizeActions::FullSizeActions(const FeatureContext& context, QMenu& menu, QAction* before)
    : QObject(&context.window)
    , context_(context)
    , printFullSizeAction_(
          insertAction(menu, before, QStringLiteral("Imprimer en &grandeur réelle…")))
    , exportOutlineAction_(insertAction(menu, before, QStringLiteral("E&xporter le contour…")))
    , bothHalvesAction_(
          insertAction(menu, before, QStringLiteral("Grandeur réelle : les &deux demi-ailes"))) {
    bothHalvesAction_->setCheckable(true);
    connect(printFullSizeAction_, &QAction::triggered, this, &FullSizeActions::printFullSize);
    connect(exportOutlineAction_, &QAction::triggered, this, &FullSizeActions::exportOutline);
}

void FullSizeActions::translate() {
    printFullSizeAction_->setText(uiText(context_.language, kPrintFullSizeAction));
    exportOutlineAction_->setText(uiText(context_.language, kExportOutlineAction));
    bothHalvesAction_->setText(uiText(context_.language, kBothHalvesAction));
}

bool FullSizeActions::bothHalves() const {
    return bothHalvesAction_->isChecked();
}

// The title the outline's text block carries: the last sheet's, else the wing file's name.
QString FullSizeActions::outlineTitle() const {
    if (!context_.choices.printTitle.isEmpty())
        return context_.choices.printTitle;
    if (!context_.session.fileName().empty())
        return pathText(context_.session.fileName());
    return uiText(context_.language, kDefaultSheetTitle);
}

void FullSizeActions::printFullSize() {
    const LanguageState& language = context_.language;
    Prompter& prompter = context_.prompter;
    const QString caption = uiText(language, kProgramCaption);
    if (!context_.session.hasValidResults()) {
        prompter.messageBox(uiText(language, kPrintNeedsCalculationMessage), kCriticalMessage,
                            caption);
        return;
    }
    context_.choices.printTitle = askSheetTitle(context_);
    const QString& printTitle = context_.choices.printTitle;
    if (printTitle.isEmpty())
        return;
    const std::string title = printTitle.toStdString();
    const auto figure =
        fullSizeFigureOf(context_.session, {title, todaysShortDate(), bothHalves()});
    if (!figure) {
        prompter.messageBox(uiText(language, kTooLargeMessage), kExclamationMessage, caption);
        return;
    }
    const TilePageTexts texts = tilePageTexts(language.lookup(), title);

    QPrinter printer(QPrinter::HighResolution);
    const PrinterChoice choice = prompter.choosePrinter(printer);
    if (choice == PrinterChoice::Cancelled)
        return;
    QString pdfPath;
    TilePrintOutcome outcome;
    if (choice == PrinterChoice::NoPrinter) {
        const QString printsOn = uiText(language, kPrintsOnMessage) + QStringLiteral(" PDF");
        pdfPath = prompter.saveFileName(pdfFileDialog(printsOn, printTitle));
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
        prompter.messageBox(uiText(language, kTooLargeMessage), kExclamationMessage, caption);
        return;
    }
    if (!outcome.printed) {
        prompter.messageBox(uiText(language, kPrintFailedMessage), kCriticalMessage, caption);
        return;
    }
    if (!pdfPath.isEmpty() && !writeOutputOrTell(context_, pdfPath, bytesOf(outcome.pdf)))
        return;
    prompter.messageBox(uiText(language, kFullSizePrintedMessage)
                            .replace(QStringLiteral("%1"), QString::number(outcome.pages)),
                        kPlainMessage, caption);
}

void FullSizeActions::exportOutline() {
    const LanguageState& language = context_.language;
    Prompter& prompter = context_.prompter;
    const WingSession& session = context_.session;
    const QString dialogTitle = uiText(language, kExportDialogTitle);
    if (!session.hasValidResults()) {
        prompter.messageBox(uiText(language, kSaveNeedsCalculationMessage), kExclamationMessage,
                            dialogTitle);
        return;
    }
    const QStringList types{uiText(language, kDxfFileType) + QStringLiteral(" (*.dxf)"),
                            uiText(language, kSvgFileType) + QStringLiteral(" (*.svg)")};
    const QString& lastFolder = context_.choices.lastFolder;
    const QString folder = lastFolder.isEmpty() ? documentsFolder() : lastFolder;
    const QString name = session.fileName().empty()
                             ? outlineTitle()
                             : QFileInfo(pathText(session.fileName())).completeBaseName();
    const TypedFileChoice choice = prompter.saveFileNameOfType(
        {dialogTitle, {}, folder, fileNameFor(name, QStringLiteral(".dxf")), {}}, types);
    if (choice.path.isEmpty())
        return;
    const auto figure =
        fullSizeFigureOf(session, {outlineTitle().toStdString(), todaysShortDate(), bothHalves()});
    if (!figure) {
        prompter.messageBox(uiText(language, kTooLargeMessage), kExclamationMessage,
                            uiText(language, kProgramCaption));
        return;
    }
    std::string document;
    if (static_cast<OutlineType>(choice.typeIndex) == OutlineType::Svg) {
        const auto svg = outlineSvgDocument(*figure, outlineTitle());
        if (!svg) {
            prompter.messageBox(uiText(language, kPrintFailedMessage), kCriticalMessage,
                                uiText(language, kProgramCaption));
            return;
        }
        document = bytesOf(*svg);
    } else {
        document = outlineDxfDocument(*figure);
    }
    if (!writeOutputOrTell(context_, choice.path, document))
        return;
    prompter.messageBox(uiText(language, kOutlineExportedMessage) + u' ' + choice.path,
                        kPlainMessage, QString());
}
