// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu: the help window and the About window, created afresh at each opening so they
// always show the current language.
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/HelpDialog.h"
#include "ui/dialogs/Prompter.h"
#include "ui/main/MainWindow.h"

void MainWindow::showHelp() {
    HelpDialog help(this, prompter_, language_, session_.units());
    prompter_.runModal(help);
}

void MainWindow::showAbout() {
    AboutDialog about(this, language_);
    prompter_.runModal(about);
}
