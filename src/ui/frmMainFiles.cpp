// Save as and Open: the wing's field texts to and from a wing file, with the file's name in the
// window's caption.
#include "session/FileErrorMessage.h"
#include "ui/LanguageText.h"
#include "ui/Prompter.h"
#include "files/WingFile.h"
#include "ui/frmMain.h"

#include <QFileInfo>

// Both dialogs show wing files and start in the program folder, then where the user last went.
FileDialogRequest frmMain::wingFileDialog(const QString& title) const {
    const QString folder =
        lastWingFolder_.isEmpty() ? QString::fromStdString(ProgramFolder()) : lastWingFolder_;
    return {title,
            Text("Message", "5") + QStringLiteral(" (*.txt)"),
            folder,
            {},
            QStringLiteral("txt")};
}

void frmMain::mnusave_Click() {
    if (!calcValid_) {
        prompter_.messageBox(Text("Message", "3"), MessageStyle::Exclamation, Text("Message", "4"));
        return;
    }
    const QString path = prompter_.saveFileName(wingFileDialog(Text("Message", "4")));
    if (path.isEmpty())
        return;
    wingFilePath = path;
    if (const auto error = SaveWingFile(path.toStdString(), ReadFields())) {
        ShowFileError(*error);
        return;
    }
    lastWingFolder_ = QFileInfo(path).absolutePath();
    prompter_.messageBox(Text("Message", "6") + path, MessageStyle::OkOnly, QString());
    ShowFileCaption();
}

void frmMain::mnuopen_Click() {
    const QString path = prompter_.openFileName(wingFileDialog(Text("Message", "7")));
    if (path.isEmpty())
        return;
    wingFilePath = path;
    cmdClear_Click();
    WingFields fields = ClearedFields();
    if (const auto error = LoadWingFile(path.toStdString(), fields)) {
        ShowFileError(*error);
        cmdClear_Click();
        return;
    }
    lastWingFolder_ = QFileInfo(path).absolutePath();
    ShowFields(fields);
    cmdCalcul_Click();
    ShowFileCaption();
}

void frmMain::ShowFileError(const FileError& error) {
    prompter_.messageBox(QString::fromStdString(FileErrorMessage(error)), MessageStyle::Information,
                         Text("Label", "0"));
}

void frmMain::ShowFileCaption() {
    wingFilePath = QString::fromStdString(BareFileName(wingFilePath.toStdString()));
    setWindowTitle(Text("Label", "0") + QStringLiteral(" - ") + Text("Message", "5") +
                   QStringLiteral(" : ") + wingFilePath);
}
