// The language part of the start-up: ask until tz.ini names a language, then translate.
#include "i18n/Language.h"
#include "ui/Prompter.h"
#include "ui/frmMain.h"
#include "ui/lang.h"

bool frmMain::StartLanguage() {
    for (;;) {
        if (GetINI("Langue", "1", kSettingsFile).empty()) {
            ChoosingAtStartup = true;
            lang chooser(this, [this] { TranslateMainWindow(); });
            prompter_.runModal(chooser);
        }
        // A pick that tz.ini could not keep still holds for this run.
        if (const std::string stored = GetINI("Langue", "1", kSettingsFile); !stored.empty())
            CurrentLanguageName = stored;
        if (!CurrentLanguageName.empty())
            break;
        // No language file can be read yet, so this one message is built in. Cancel is the way
        // out for a user who cannot or will not pick one (an empty program folder, say).
        const int answer =
            prompter_.messageBox(QStringLiteral("Please select a language"),
                                 MessageStyle::Critical | MessageStyle::RetryCancel, QString());
        if (answer == MessageAnswer::Cancel) {
            ChoosingAtStartup = false;
            return false;
        }
    }
    SelectLanguage(CurrentLanguageName);
    TranslateMainWindow();
    ChoosingAtStartup = false;
    return true;
}
