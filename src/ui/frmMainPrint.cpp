// The print command: refuses without a valid calculation, confirms the printer, asks a title and
// prints the sheet. Where the system has no printer the sheet goes into a PDF file instead.
#include "ui/LanguageText.h"
#include "ui/Prompter.h"
#include "print/SheetPrinter.h"
#include "ui/frmMain.h"

#include <QDir>
#include <QLabel>
#include <QStandardPaths>

namespace {

const QString kPdfPrinter = QStringLiteral("PDF");

// Every box of the command has the program's caption as its title, looked up after the text.
int ShowBox(Prompter& prompter, const QString& text, int style) {
    return prompter.messageBox(text, style, Text("Label", "0"));
}

// The documents folder, made if it is missing; the home folder when it cannot be.
QString PdfFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir().mkpath(documents))
        return documents;
    return QDir::homePath();
}

// The title as a file name: characters that no file name may hold become "_".
QString PdfFileName(const QString& title) {
    QString name = title;
    for (QChar& character : name) {
        if (character.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(character))
            character = u'_';
    }
    return name + QStringLiteral(".pdf");
}

// Where the sheet goes: the printer, or the PDF file the user picks; empty when they cancel.
SheetTarget AskTarget(Prompter& prompter, const QString& printer, const QString& printsOn,
                      const QString& title) {
    if (!printer.isEmpty())
        return SheetTarget::Printer(printer);
    return SheetTarget::Pdf(
        prompter.saveFileName({printsOn, QStringLiteral("PDF (*.pdf)"), PdfFolder(),
                               PdfFileName(title), QStringLiteral("pdf")}));
}

} // namespace

void frmMain::mnufileprint_Click() {
    if (!calcValid_) {
        ShowBox(prompter_, Text("Message", "10"), MessageStyle::Critical);
        return;
    }
    const QString printer = DefaultPrinterName();
    const QString printsOn =
        Text("Message", "11") + u' ' + (printer.isEmpty() ? kPdfPrinter : printer);
    if (ShowBox(prompter_, printsOn + QStringLiteral(" ?"),
                MessageStyle::Question | MessageStyle::OkCancel) == MessageAnswer::Cancel)
        return;
    const QString prompt = QStringLiteral("\r\n\r\n") + Text("Message", "12");
    const QString boxTitle = Text("Message", "13");
    printTitle_ = prompter_.inputBox(prompt, boxTitle, Text("Message", "14"));
    if (printTitle_.isEmpty())
        return;
    const SheetTarget target = AskTarget(prompter_, printer, printsOn, printTitle_);
    if (!target.chosen())
        return;

    SheetInputs inputs =
        CurrentSheetInputs(printTitle_.toStdString(), c_.LbafficheCA->text().toStdString());
    inputs.lengthUnit = lengthUnit.toStdString();
    inputs.areaUnit = areaUnit.toStdString();
    if (!imprime(planform_, results_, inputs, target).printed) {
        ShowBox(prompter_, Text("Message", "16"), MessageStyle::Critical);
        return;
    }
    ShowBox(prompter_, Text("Message", "15"), MessageStyle::OkOnly);
}
