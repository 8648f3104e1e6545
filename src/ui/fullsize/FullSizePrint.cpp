// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fullsize/FullSizePrint.h"

#include "i18n/TextKeys.h"
#include "print/SystemLocale.h"
#include "print/TilePrinter.h"
#include "session/FullSizeText.h"
#include "ui/common/FeatureContext.h"
#include "ui/common/LanguageText.h"
#include "ui/common/PrintPages.h"
#include "ui/dialogs/Prompter.h"

#include <QPrinter>

namespace {

void tellTooLarge(const FeatureContext& context) {
    context.prompter.messageBox(uiText(context.language, kTooLargeMessage), kExclamationMessage,
                                uiText(context.language, kProgramCaption));
}

} // namespace

void printFullSize(const FeatureContext& context, bool bothHalves) {
    const LanguageState& language = context.language;
    if (!context.session.hasValidResults()) {
        context.prompter.messageBox(uiText(language, kPrintNeedsCalculationMessage),
                                    kCriticalMessage, uiText(language, kProgramCaption));
        return;
    }
    context.choices.printTitle = askSheetTitle(context);
    const std::string title = context.choices.printTitle.toStdString();
    if (title.empty())
        return;
    const auto figure = fullSizeFigureOf(context.session, {title, todaysShortDate(), bothHalves});
    if (!figure)
        return tellTooLarge(context);
    const FullSizeFigure measured = measuredForPages(*figure);
    const TilePageTexts texts = tilePageTexts(language.lookup(), title);
    printPages(context, {kFullSizePrintsOnMessage, kManyPagesMessage, kPagesPreviewTitle,
                         kFullSizePrintedMessage, kTooLargeMessage,
                         [&measured](const QPageLayout& paper) -> std::optional<std::size_t> {
                             const auto layout = layoutTiles(measured, printableAreas(paper));
                             if (!layout)
                                 return std::nullopt;
                             return layout->pages.size();
                         },
                         [&](QPrinter& printer) { return printTilesOn(printer, *figure, texts); },
                         [&](const QPageSize& paper) {
                             return tilesPdf(*figure, paper, texts);
                         }});
}
