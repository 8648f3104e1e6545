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

namespace {

QAction* insertAction(QMenu& menu, QAction* before) {
    auto* action = new QAction(&menu);
    menu.insertAction(before, action);
    return action;
}

void printTemplates(const FeatureContext& context, const std::vector<CutPart>& parts,
                    const TemplatePageTexts& texts, const std::array<TextKey, 4>& words) {
    printPages(context, {words[0], words[1], words[2], words[3], kTemplatesTooLargeMessage,
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

} // namespace

TemplateActions::TemplateActions(const FeatureContext& context, QMenu& menu, QAction* before,
                                 std::function<bool()> bothHalves)
    : QObject(&context.window)
    , context_(context)
    , bothHalves_(std::move(bothHalves))
    , printRibTemplatesAction_(insertAction(menu, before))
    , printCoreTemplatesAction_(insertAction(menu, before)) {
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
    const auto tell = [&](TextKey message) {
        context_.prompter.messageBox(uiText(language, message), kExclamationMessage,
                                     uiText(language, kProgramCaption));
        return std::string();
    };
    if (!context_.session.hasValidResults())
        return tell(kPrintNeedsCalculationMessage);
    if (!context_.session.ribs().exists())
        return tell(kTemplatesNeedRibsMessage);
    context_.choices.printTitle = askSheetTitle(context_);
    return context_.choices.printTitle.toStdString();
}

void TemplateActions::printRibTemplates() {
    const std::string title = titleForTemplates();
    if (title.empty())
        return;
    const TemplateParts made = ribTemplateParts(context_.session, RibPartUse::Paper, bothHalves_());
    if (!made.problem.empty()) {
        context_.prompter.messageBox(fromUtf8(made.problem), kExclamationMessage,
                                     uiText(context_.language, kProgramCaption));
        return;
    }
    printTemplates(context_, made.parts, ribTemplatePageTexts(context_.language.lookup(), title),
                   {kRibTemplatesPrintsOn, kRibTemplatesManyPages, kRibTemplatesPreviewTitle,
                    kRibTemplatesPrinted});
}

void TemplateActions::printCoreTemplates() {
    const std::string title = titleForTemplates();
    if (title.empty())
        return;
    const TemplateParts made = coreTemplateParts(context_.session);
    if (!made.problem.empty()) {
        context_.prompter.messageBox(fromUtf8(made.problem), kExclamationMessage,
                                     uiText(context_.language, kProgramCaption));
        return;
    }
    printTemplates(context_, made.parts, coreTemplatePageTexts(context_.language.lookup(), title),
                   {kCoreTemplatesPrintsOn, kCoreTemplatesManyPages, kCoreTemplatesPreviewTitle,
                    kCoreTemplatesPrinted});
}
