// Save as and Open: the wing's field texts to and from a wing file, with the file's name in the
// window's caption.
#include "i18n/TextKeys.h"
#include "session/OutcomeMessages.h"
#include "ui/LanguageText.h"
#include "ui/Prompter.h"
#include "ui/frmMain.h"

#include <QFileInfo>

// Both dialogs show wing files and start in the program folder, then where the user last went.
FileDialogRequest frmMain::wingFileDialog(const QString& title) const {
    const QString folder = lastWingFolder_.isEmpty()
                               ? QString::fromStdString(language_.places().languageFolder)
                               : lastWingFolder_;
    return {title,
            Text(language_, kWingFileType) + QStringLiteral(" (*.txt)"),
            folder,
            {},
            QStringLiteral("txt")};
}

void frmMain::mnusave_Click() {
    if (!session_.hasValidResults()) {
        prompter_.messageBox(Text(language_, kSaveNeedsCalculationMessage), kExclamationMessage,
                             Text(language_, kSaveDialogTitle));
        return;
    }
    const QString path = prompter_.saveFileName(wingFileDialog(Text(language_, kSaveDialogTitle)));
    if (path.isEmpty())
        return;
    if (const auto error = session_.saveAs(path.toStdString())) {
        ShowFileError(*error);
        return;
    }
    lastWingFolder_ = QFileInfo(path).absolutePath();
    prompter_.messageBox(Text(language_, kWingSavedMessage) + path, kPlainMessage, QString());
    ShowFileCaption();
}

// The file is read into the session, which clears and calculates; the window shows the outcome.
void frmMain::mnuopen_Click() {
    const QString path = prompter_.openFileName(wingFileDialog(Text(language_, kOpenDialogTitle)));
    if (path.isEmpty())
        return;
    cmdClear_Click();
    const OpenOutcome outcome = session_.open(path.toStdString());
    if (outcome.fileError) {
        ShowFileError(*outcome.fileError);
        cmdClear_Click();
        return;
    }
    lastWingFolder_ = QFileInfo(path).absolutePath();
    ShowFields();
    if (outcome.report.outcome == CalcOutcome::Ok)
        ShowResults();
    else
        ShowCalculationMessage(outcome.report);
    ShowFileCaption();
}

void frmMain::ShowFileError(const FileError& error) {
    prompter_.messageBox(FromUtf8(fileErrorMessage(error, language_.lookup())), kInformationMessage,
                         Text(language_, kProgramCaption));
}

void frmMain::ShowFileCaption() {
    setWindowTitle(Text(language_, kProgramCaption) + QStringLiteral(" - ") +
                   Text(language_, kWingFileType) + QStringLiteral(" : ") +
                   FromUtf8(session_.fileName()));
}
