// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu: the help window and the About window, created afresh at each opening so they
// always show the current language.
#include "ui/AboutDialog.h"
#include "ui/HelpDialog.h"
#include "ui/MainWindow.h"
#include "ui/Prompter.h"

void MainWindow::showHelp() {
    HelpDialog help(this, prompter_, language_);
    prompter_.runModal(help);
}

void MainWindow::showAbout() {
    AboutDialog about(this, language_);
    prompter_.runModal(about);
}
