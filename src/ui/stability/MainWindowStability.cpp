// SPDX-License-Identifier: GPL-3.0-or-later
// Stability > Tail and neutral point: the window on the session's stability data, the preview's
// green tick, and the messages about the .stab file beside the wing.
#include "i18n/TextKeys.h"
#include "session/StabilityMessages.h"
#include "ui/common/LanguageText.h"
#include "ui/dialogs/Prompter.h"
#include "ui/main/MainWindow.h"
#include "ui/main/PlanformPreview.h"
#include "ui/stability/StabilityDialog.h"

void MainWindow::showStability() {
    StabilityDialog stability(this, prompter_, language_, session_, [this] { redrawPreview(); });
    prompter_.runModal(stability);
}

// The preview shows the last valid wing; the tick, and what a screen reader hears of it, follow
// the stability data as they are now.
void MainWindow::redrawPreview() {
    if (session_.hasValidResults())
        c_.preview->drawPreview(session_.planform(), session_.results(), session_.neutralPoint());
    nameControls();
}

void MainWindow::showStabilityFileProblem(const StabilityFileProblem& problem, TextKey intro) {
    prompter_.messageBox(fromUtf8(stabilityFileMessage(problem, intro, language_.lookup())),
                         kExclamationMessage, uiText(language_, kProgramCaption));
}
