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

void printFullSize(const FeatureContext& context, bool bothHalves) {
    const LanguageState& language = context.language;
    if (!askPrintTitle(context))
        return;
    const std::string title = context.choices.printTitle.toStdString();
    const auto figure = fullSizeFigureOf(context.session, {title, todaysShortDate(), bothHalves});
    if (!figure) {
        tell(context, uiText(language, kTooLargeMessage), kExclamationMessage);
        return;
    }
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
