// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/QtPrompter.h"

#include "ui/common/PlainText.h"
#include "ui/dialogs/PagesPreviewDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>

namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::SaveDiscardCancel:
        return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageAnswer answerOf(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    case QMessageBox::Save:
        return MessageAnswer::Save;
    case QMessageBox::Discard:
        return MessageAnswer::Discard;
    default:
        return MessageAnswer::Ok;
    }
}

QString fileFromDialog(QWidget* owner, const FileDialogRequest& request,
                       QFileDialog::AcceptMode mode) {
    QFileDialog dialog(owner, plainWindowTitle(request.title), request.folder, request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.suggestedName.isEmpty())
        dialog.selectFile(request.suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// "dxf" of "DXF drawing (*.dxf)".
QString suffixOfType(const QString& type) {
    static const QRegularExpression pattern(QStringLiteral(R"(\(\*\.(\w+)\))"));
    return pattern.match(type).captured(1);
}

} // namespace

MessageAnswer QtPrompter::messageBox(const QString& text, MessageStyle style,
                                     const QString& title) {
    QMessageBox box(
        iconOf(style.icon),
        plainWindowTitle(title.isEmpty() ? QApplication::applicationDisplayName() : title), text,
        buttonsOf(style.buttons), owner_);
    // A "\r" alone breaks the line too, as in the file error messages.
    box.setTextFormat(Qt::PlainText); // a path or a translation is never markup
    box.setText(QString(text).replace("\r\n", "\n").replace('\r', '\n'));
    return answerOf(box.exec());
}

QString QtPrompter::inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) {
    QInputDialog dialog(owner_);
    dialog.setWindowTitle(plainWindowTitle(title));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(QString(prompt).remove('\r'));
    dialog.setTextValue(defaultText);
    // The prompt is a translator's text, shown as written: the dialog's label would take markup.
    for (QLabel* label : dialog.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtPrompter::saveFileName(const FileDialogRequest& request) {
    return fileFromDialog(owner_, request, QFileDialog::AcceptSave);
}

QString QtPrompter::openFileName(const FileDialogRequest& request) {
    return fileFromDialog(owner_, request, QFileDialog::AcceptOpen);
}

// A name that ends in one of the types' suffixes says which type it is; otherwise the type
// chosen in the list does. Choosing another type renames a name ending in a known suffix.
TypedFileChoice QtPrompter::saveFileNameOfType(const FileDialogRequest& request,
                                               const QStringList& types) {
    QStringList suffixes;
    for (const QString& type : types)
        suffixes << suffixOfType(type);
    QFileDialog dialog(owner_, plainWindowTitle(request.title), request.folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(types);
    dialog.setDefaultSuffix(suffixes.value(0));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &suffixes](const QString& type) {
            const QString suffix = suffixOfType(type);
            dialog.setDefaultSuffix(suffix);
            const QStringList typed = dialog.selectedFiles();
            if (typed.size() == 1 && suffixes.contains(QFileInfo(typed[0]).suffix()))
                dialog.selectFile(QFileInfo(typed[0]).completeBaseName() + u'.' + suffix);
        });
    if (!request.suggestedName.isEmpty())
        dialog.selectFile(request.suggestedName);
    // Configuring the dialog sets its title again, with "[*]" taken as the modified mark; the
    // plain title goes on last.
    dialog.setWindowTitle(plainWindowTitle(request.title));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    const qsizetype named = suffixes.indexOf(QFileInfo(path).suffix());
    const qsizetype chosen = types.indexOf(dialog.selectedNameFilter());
    return {path, static_cast<int>(named >= 0 ? named : std::max<qsizetype>(0, chosen))};
}

PrinterChoice QtPrompter::choosePrinter(QPrinter& printer) {
    if (QPrinterInfo::availablePrinters().isEmpty())
        return PrinterChoice::NoPrinter;
    QPrintDialog dialog(&printer, owner_);
    return dialog.exec() == QDialog::Accepted ? PrinterChoice::Chosen : PrinterChoice::Cancelled;
}

void QtPrompter::previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paintPages) {
    QPrintPreviewDialog dialog(&printer, owner_);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paintPages](QPrinter* pages) { paintPages(*pages); });
    dialog.exec();
}

bool QtPrompter::previewBeforePrinting(QPrinter& printer,
                                       const std::function<void(QPrinter&)>& paintPages,
                                       const QString& title, const QString& printText) {
    PagesPreviewDialog dialog(owner_, printer, paintPages, title, printText);
    return dialog.exec() == QDialog::Accepted;
}

int QtPrompter::chooseItem(const QString& prompt, const QString& title, const QStringList& items,
                           int current) {
    QInputDialog dialog(owner_);
    dialog.setWindowTitle(plainWindowTitle(title));
    dialog.setLabelText(prompt);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    dialog.setTextValue(items.value(current));
    for (QLabel* label : dialog.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    return dialog.exec() == QDialog::Accepted ? static_cast<int>(items.indexOf(dialog.textValue()))
                                              : -1;
}

void QtPrompter::runModal(QDialog& dialog) {
    dialog.exec();
}

// A file URL rather than a command line, so blanks, quotes or ";" in the path are only a name.
void QtPrompter::openFile(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
