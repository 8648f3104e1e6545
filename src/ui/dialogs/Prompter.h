// SPDX-License-Identifier: GPL-3.0-or-later
// The one seam between the windows and everything modal: message boxes, input boxes, file
// dialogs and the program's own modal windows. Tests install a scripted prompter instead.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QPrinter;

// A message box's icon and buttons, as the language files' messages are designed for.
enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, RetryCancel, SaveDiscardCancel };

struct MessageStyle {
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    bool operator==(const MessageStyle&) const = default;
};

inline constexpr MessageStyle kPlainMessage{};
inline constexpr MessageStyle kCriticalMessage{MessageIcon::Critical};
inline constexpr MessageStyle kExclamationMessage{MessageIcon::Exclamation};
inline constexpr MessageStyle kInformationMessage{MessageIcon::Information};
inline constexpr MessageStyle kOkCancelQuestion{MessageIcon::Question, MessageButtons::OkCancel};
inline constexpr MessageStyle kSaveDiscardQuestion{MessageIcon::Question,
                                                   MessageButtons::SaveDiscardCancel};

// The button a message box was closed with.
enum class MessageAnswer { Ok, Cancel, Retry, Save, Discard };

struct FileDialogRequest {
    QString title;
    QString filter;        // "Wing file (*.txt)"
    QString folder;        // where the dialog starts
    QString suggestedName; // file name offered in a save dialog, may be empty
    QString defaultSuffix; // appended when the user types a name without one
};

// A save dialog's answer when it offers several file types.
struct TypedFileChoice {
    QString path;      // empty when the user cancels
    int typeIndex = 0; // which of the offered types was chosen
};

// What Qt's print dialog came back with.
enum class PrinterChoice { Chosen, Cancelled, NoPrinter };

class Prompter {
public:
    virtual ~Prompter() = default;

    // Returns the button pressed. An empty title means the program's name.
    virtual MessageAnswer messageBox(const QString& text, MessageStyle style,
                                     const QString& title) = 0;

    // The text typed, or an empty text when the user cancels.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;

    // The chosen path, or an empty text when the user cancels.
    virtual QString saveFileName(const FileDialogRequest& request) = 0;
    virtual QString openFileName(const FileDialogRequest& request) = 0;

    // Offers the types ("DXF drawing (*.dxf)"), each adding its own extension to a bare name;
    // a name ending in one of their extensions is of that type. The request's filter and
    // default suffix are not used.
    virtual TypedFileChoice saveFileNameOfType(const FileDialogRequest& request,
                                               const QStringList& types) = 0;

    // Qt's print dialog (printer, paper, copies) on the printer; NoPrinter, without a dialog,
    // when the system has no printer installed.
    virtual PrinterChoice choosePrinter(QPrinter& printer) = 0;

    // Qt's print preview of what paintPages draws on the printer; returns when it is closed.
    virtual void previewPrint(QPrinter& printer,
                              const std::function<void(QPrinter&)>& paintPages) = 0;

    // Every page paintPages draws on the printer at once, with a button printText and Cancel:
    // true when the user chose to print. Nothing is printed from the preview itself.
    virtual bool previewBeforePrinting(QPrinter& printer,
                                       const std::function<void(QPrinter&)>& paintPages,
                                       const QString& title, const QString& printText) = 0;

    // One of the items in a list, offered with current chosen: its index, or -1 when the user
    // cancels.
    virtual int chooseItem(const QString& prompt, const QString& title, const QStringList& items,
                           int current) = 0;

    // Shows one of the program's own modal windows and returns when it is closed.
    virtual void runModal(QDialog& dialog) = 0;

    // Hands an existing file to the desktop's viewer for its type, without waiting for it.
    virtual void openFile(const QString& path) = 0;
};
