// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/stability/StabilityActions.h"

#include "i18n/TextKeys.h"
#include "session/StabilityMessages.h"
#include "ui/common/LanguageText.h"
#include "ui/dialogs/Prompter.h"
#include "ui/stability/StabilityDialog.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

StabilityActions::StabilityActions(const FeatureContext& context, QAction* before,
                                   std::function<void()> stabilityChanged)
    : QObject(&context.window)
    , context_(context)
    , stabilityChanged_(std::move(stabilityChanged))
    , menu_(new QMenu(&context.window))
    , tailAction_(menu_->addAction(QString())) {
    context.window.menuBar()->insertMenu(before, menu_);
    connect(tailAction_, &QAction::triggered, this, &StabilityActions::showStability);
}

void StabilityActions::translate() {
    menu_->setTitle(uiText(context_.language, kStabilityMenu));
    tailAction_->setText(uiText(context_.language, kTailAction));
}

void StabilityActions::showStability() {
    StabilityDialog stability(context_, stabilityChanged_);
    context_.prompter.runModal(stability);
}

void StabilityActions::showFileProblem(const StabilityFileProblem& problem, TextKey intro) {
    const TextLookup text = context_.language.lookup();
    tell(context_, fromUtf8(stabilityFileMessage(problem, intro, text)), kExclamationMessage);
}
