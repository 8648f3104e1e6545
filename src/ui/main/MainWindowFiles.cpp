// SPDX-License-Identifier: GPL-3.0-or-later
// save as and open: the wing's field texts to and from a wing file, with the file's name in the
// window's caption. Paths reach the session as the file system's bytes.
#include "i18n/TextKeys.h"
#include "session/OutcomeMessages.h"
#include "ui/common/LanguageText.h"
#include "ui/common/PathText.h"
#include "ui/common/PlainText.h"
#include "ui/dialogs/Prompter.h"
#include "ui/main/MainWindow.h"
#include "ui/ribs/RibsActions.h"
#include "ui/stability/StabilityActions.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// An installed program's folder is no place for wings: the user's Documents, or home without one.
QString firstWingFolder(const LanguagePlaces& places) {
    if (!places.installed)
        return pathText(places.languageFolder);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

// Both dialogs show wing files and start in the program folder (Documents when installed) until
// a file was opened or written somewhere.
FileDialogRequest MainWindow::wingFileDialog(const QString& title) const {
    const QString folder =
        dialogFolder(context_, [this] { return firstWingFolder(language_.places()); });
    return {title,
            uiText(language_, kWingFileType) + QStringLiteral(" (*.txt)"),
            folder,
            {},
            QStringLiteral("txt")};
}

bool MainWindow::saveWingFileAs() {
    if (!session_.hasValidResults()) {
        prompter_.messageBox(uiText(language_, kSaveNeedsCalculationMessage), kExclamationMessage,
                             uiText(language_, kSaveDialogTitle));
        return false;
    }
    const QString path =
        prompter_.saveFileName(wingFileDialog(uiText(language_, kSaveDialogTitle)));
    if (path.isEmpty())
        return false;
    const SaveOutcome outcome = session_.saveAs(pathBytes(path));
    if (outcome.fileError) {
        showFileError(context_, *outcome.fileError);
        return false;
    }
    rememberFolderOf(context_, path);
    if (outcome.stabilityProblem)
        stability_->showFileProblem(*outcome.stabilityProblem, kStabilityWriteMessage);
    if (outcome.ribsProblem)
        ribs_->showFileProblem(*outcome.ribsProblem, kRibsWriteMessage);
    if (!outcome.stabilityProblem && !outcome.ribsProblem)
        prompter_.messageBox(uiText(language_, kWingSavedMessage) + path, kPlainMessage, QString());
    titleNamesFile_ = true;
    showTitle();
    return true;
}

void MainWindow::openWingFile() {
    const QString path =
        prompter_.openFileName(wingFileDialog(uiText(language_, kOpenDialogTitle)));
    if (path.isEmpty())
        return;
    openWingFileAt(pathBytes(path));
}

// The session reads the file aside; only a file read whole clears the form and shows it. On a
// file error the form, the results, the preview and the caption stay as they were.
void MainWindow::openWingFileAt(const std::string& path) {
    const OpenOutcome outcome = session_.open(path);
    if (outcome.fileError)
        return showFileError(context_, *outcome.fileError);
    rememberFolderOf(context_, pathText(path));
    showClearedForm();
    if (outcome.report.outcome == CalcOutcome::Ok)
        showResults();
    else
        showCalculationMessage(outcome.report);
    if (outcome.stabilityProblem)
        stability_->showFileProblem(*outcome.stabilityProblem, kStabilityReadMessage);
    if (outcome.ribsProblem)
        ribs_->showFileProblem(*outcome.ribsProblem, kRibsReadMessage);
    titleNamesFile_ = true;
    showTitle();
}
