// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/FeatureContext.h"

#include "base/OutputFile.h"
#include "i18n/TextKeys.h"
#include "session/OutcomeMessages.h"
#include "session/WingSession.h"
#include "ui/common/LanguageText.h"
#include "ui/common/PathText.h"
#include "ui/dialogs/Prompter.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

void showFileError(const FeatureContext& context, const FileError& error) {
    tell(context, fromUtf8(fileErrorMessage(error, context.language.lookup())),
         kInformationMessage);
}

bool writeOutputOrTell(const FeatureContext& context, const QString& path, std::string_view bytes) {
    if (const auto error = writeOutputFile(pathBytes(path), bytes)) {
        showFileError(context, *error);
        return false;
    }
    return true;
}

QAction* insertMenuAction(QMenu& menu, QAction* before, const QString& builtInText) {
    auto* action = new QAction(builtInText, &menu);
    menu.insertAction(before, action);
    return action;
}

MessageAnswer tell(const FeatureContext& context, const QString& text, MessageStyle style) {
    return context.prompter.messageBox(text, style, uiText(context.language, kProgramCaption));
}

QString askSheetTitle(const FeatureContext& context) {
    const QString prompt = QStringLiteral("\r\n\r\n") + uiText(context.language, kTitlePrompt);
    const QString boxTitle = uiText(context.language, kTitleBoxTitle);
    return context.prompter.inputBox(prompt, boxTitle,
                                     uiText(context.language, kDefaultSheetTitle));
}

QString dialogFolder(const FeatureContext& context, const std::function<QString()>& firstFolder) {
    const QString remembered = fromUtf8(context.choices.remembered.folder());
    return !remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered : firstFolder();
}

void rememberFolderOf(const FeatureContext& context, const QString& path) {
    context.choices.remembered.setFolder(QFileInfo(path).absolutePath().toStdString());
}

bool askPrintTitle(const FeatureContext& context) {
    if (!context.session.hasValidResults()) {
        tell(context, uiText(context.language, kPrintNeedsCalculationMessage), kCriticalMessage);
        return false;
    }
    context.choices.printTitle = askSheetTitle(context);
    return !context.choices.printTitle.isEmpty();
}
