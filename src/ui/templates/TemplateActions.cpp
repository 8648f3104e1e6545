// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/templates/TemplateActions.h"

#include "i18n/TextKeys.h"
#include "print/TemplatePrinter.h"
#include "session/TemplateTexts.h"
#include "ui/common/LanguageText.h"
#include "ui/common/PrintPages.h"
#include "ui/dialogs/Prompter.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QPageLayout>

// Which templates, and the words that name them.
struct TemplatesToPrint {
    std::function<TemplateParts(const WingSession&)> parts;
    TemplatePageTexts (*pageTexts)(const TextLookup&, std::string title);
    std::array<TextKey, 4> words; // prints on, many pages, preview title, printed
};

TemplateActions::TemplateActions(const FeatureContext& context, QMenu& menu, QAction* before,
                                 std::function<bool()> bothHalves)
    : QObject(&context.window)
    , context_(context)
    , bothHalves_(std::move(bothHalves))
    , printRibTemplatesAction_(insertMenuAction(menu, before))
    , printCoreTemplatesAction_(insertMenuAction(menu, before)) {
    connect(printRibTemplatesAction_, &QAction::triggered, this,
            &TemplateActions::printRibTemplates);
    connect(printCoreTemplatesAction_, &QAction::triggered, this,
            &TemplateActions::printCoreTemplates);
}

void TemplateActions::translate() {
    printRibTemplatesAction_->setText(uiText(context_.language, kPrintRibTemplatesAction));
    printCoreTemplatesAction_->setText(uiText(context_.language, kPrintCoreTemplatesAction));
}

std::string TemplateActions::titleForTemplates() {
    const LanguageState& language = context_.language;
    const auto refuse = [&](TextKey message) {
        tell(context_, uiText(language, message), kExclamationMessage);
        return std::string();
    };
    if (!context_.session.hasValidResults())
        return refuse(kPrintNeedsCalculationMessage);
    if (!context_.session.ribs().exists())
        return refuse(kTemplatesNeedRibsMessage);
    context_.choices.printTitle = askSheetTitle(context_);
    return context_.choices.printTitle.toStdString();
}

void TemplateActions::printRibTemplates() {
    printTemplates({[this](const WingSession& session) {
                        return ribTemplateParts(session, RibPartUse::Paper, bothHalves_());
                    },
                    ribTemplatePageTexts,
                    {kRibTemplatesPrintsOn, kRibTemplatesManyPages, kRibTemplatesPreviewTitle,
                     kRibTemplatesPrinted}});
}

void TemplateActions::printCoreTemplates() {
    printTemplates({[](const WingSession& session) { return coreTemplateParts(session); },
                    coreTemplatePageTexts,
                    {kCoreTemplatesPrintsOn, kCoreTemplatesManyPages, kCoreTemplatesPreviewTitle,
                     kCoreTemplatesPrinted}});
}

void TemplateActions::printTemplates(const TemplatesToPrint& templates) {
    const std::string title = titleForTemplates();
    if (title.empty())
        return;
    const TemplateParts made = templates.parts(context_.session);
    if (!made.problem.empty()) {
        tell(context_, fromUtf8(made.problem), kExclamationMessage);
        return;
    }
    const std::vector<CutPart>& parts = made.parts;
    const TemplatePageTexts texts = templates.pageTexts(context_.language.lookup(), title);
    const auto& [printsOn, manyPages, previewTitle, printed] = templates.words;
    printPages(context_,
               {printsOn, manyPages, previewTitle, printed, kTemplatesTooLargeMessage,
                [&parts](const QPageLayout& paper) -> std::optional<std::size_t> {
                    const auto layout = templateLayoutFor(parts, paper);
                    if (!layout)
                        return std::nullopt;
                    return layout->pages.size();
                },
                [&](QPrinter& printer) { return printTemplatesOn(printer, parts, texts); },
                [&](const QPageSize& paper) {
                    return templatesPdf(parts, paper, texts);
                }});
}
