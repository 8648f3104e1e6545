// The one seam between the windows and everything modal: message boxes, input boxes, file
// dialogs and the program's own modal windows. Tests install a scripted prompter instead.
#pragma once

#include <QString>

class QDialog;

// Message box styles as the language files' messages are designed for: icon plus buttons.
namespace MessageStyle {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int RetryCancel = 5;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
} // namespace MessageStyle

// The button a message box was closed with.
namespace MessageAnswer {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Retry = 4;
} // namespace MessageAnswer

struct FileDialogRequest {
    QString title;
    QString filter;        // "Wing file (*.txt)"
    QString folder;        // where the dialog starts
    QString suggestedName; // file name offered in a save dialog, may be empty
    QString defaultSuffix; // appended when the user types a name without one
};

class Prompter {
public:
    virtual ~Prompter() = default;

    // Returns the MessageAnswer of the button pressed. An empty title means the program's name.
    virtual int messageBox(const QString& text, int style, const QString& title) = 0;

    // The text typed, or an empty text when the user cancels.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;

    // The chosen path, or an empty text when the user cancels.
    virtual QString saveFileName(const FileDialogRequest& request) = 0;
    virtual QString openFileName(const FileDialogRequest& request) = 0;

    // Shows one of the program's own modal windows and returns when it is closed.
    virtual void runModal(QDialog& dialog) = 0;

    // Hands an existing file to the desktop's viewer for its type, without waiting for it.
    virtual void openFile(const QString& path) = 0;
};
