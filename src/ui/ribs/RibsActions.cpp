// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ribs/RibsActions.h"

#include "i18n/TextKeys.h"
#include "session/RibsMessages.h"
#include "ui/common/LanguageText.h"
#include "ui/dialogs/Prompter.h"
#include "ui/ribs/RibsDialog.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

RibsActions::RibsActions(const FeatureContext& context, QAction* before,
                         std::function<void()> ribsChanged)
    : QObject(&context.window)
    , context_(context)
    , ribsChanged_(std::move(ribsChanged))
    , menu_(new QMenu(&context.window))
    , ribsAction_(menu_->addAction(QString())) {
    context.window.menuBar()->insertMenu(before, menu_);
    connect(ribsAction_, &QAction::triggered, this, &RibsActions::showRibs);
}

void RibsActions::translate() {
    menu_->setTitle(uiText(context_.language, kRibsMenu));
    ribsAction_->setText(uiText(context_.language, kRibsAction));
}

void RibsActions::showRibs() {
    RibsDialog ribs(context_, ribsChanged_);
    context_.prompter.runModal(ribs);
}

void RibsActions::showFileProblem(const RibsFileProblem& problem, TextKey intro) {
    const TextLookup text = context_.language.lookup();
    tell(context_, fromUtf8(ribsFileMessage(problem, intro, text)), kExclamationMessage);
}
