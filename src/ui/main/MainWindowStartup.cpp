// SPDX-License-Identifier: GPL-3.0-or-later
// The language part of the start-up: ask until tz.ini names a language whose file is there,
// then translate.
#include "i18n/LanguageState.h"
#include "ui/dialogs/LanguageDialog.h"
#include "ui/dialogs/Prompter.h"
#include "ui/main/MainWindow.h"

bool MainWindow::startLanguage() {
    for (;;) {
        // A remembered language whose file has gone counts as none: its captions would be empty.
        std::string stored = language_.usableStoredLanguage();
        if (stored.empty()) {
            language_.setChoosingAtStartup(true);
            LanguageDialog chooser(this, language_, [this] { translate(); });
            prompter_.runModal(chooser);
            stored = language_.usableStoredLanguage();
        }
        // A pick that tz.ini could not keep still holds for this run.
        if (!stored.empty())
            language_.select(stored);
        if (!language_.name().empty())
            break;
        // No language file can be read yet, so this one message is built in. Cancel is the way
        // out for a user who cannot or will not pick one (an empty program folder, say).
        const MessageAnswer answer =
            prompter_.messageBox(QStringLiteral("Please select a language"),
                                 {MessageIcon::Critical, MessageButtons::RetryCancel}, QString());
        if (answer == MessageAnswer::Cancel) {
            language_.setChoosingAtStartup(false);
            return false;
        }
    }
    translate();
    language_.setChoosingAtStartup(false);
    return true;
}
