// SPDX-License-Identifier: GPL-3.0-or-later
// What each feature of the main window works with: the window it belongs to, the wing being
// edited, the seam to every dialog, the language, and the choices the user made in this run.
#pragma once

#include "session/RememberedChoices.h"
#include "ui/dialogs/Prompter.h"

#include <QString>
#include <functional>
#include <string_view>

class LanguageState;
class Prompter;
class QAction;
class QMainWindow;
class QMenu;
class WingSession;
struct FileError;

// Shared by the features that ask for them: the last title for this run, the rest for good.
struct RunChoices {
    QString printTitle; // the last title typed for a sheet or a plan
    RememberedChoices remembered;
};

struct FeatureContext {
    QMainWindow& window;
    Prompter& prompter;
    LanguageState& language;
    WingSession& session;
    RunChoices& choices;
};

// The message every file command shows when a file cannot be read or written.
void showFileError(const FeatureContext& context, const FileError& error);

// Writes through the program's output routine; false, after the file error message, when it
// could not.
bool writeOutputOrTell(const FeatureContext& context, const QString& path, std::string_view bytes);

// A feature's entry in a menu of the main window, put before the entry `before`; its text is
// builtInText until the feature translates it.
QAction* insertMenuAction(QMenu& menu, QAction* before, const QString& builtInText = {});

// A message box titled with the program's caption.
MessageAnswer tell(const FeatureContext& context, const QString& text, MessageStyle style);

// The title of a sheet or plan, offered with the default title each time; empty when cancelled.
QString askSheetTitle(const FeatureContext& context);

// As a print begins: without a valid calculation message 10, then the title, kept in the
// choices; false when there is nothing to print.
bool askPrintTitle(const FeatureContext& context);

// Where every file dialog starts: the folder of the last file opened or written, in this run or
// an earlier one, while it is there; before, the folder firstFolder gives (and may make).
QString dialogFolder(const FeatureContext& context, const std::function<QString()>& firstFolder);
// Remembers the folder of a file the user opened or had written.
void rememberFolderOf(const FeatureContext& context, const QString& path);
