// SPDX-License-Identifier: GPL-3.0-or-later
// Answers the windows' message boxes, input boxes, file dialogs and modal windows from a script,
// and records what was shown, so the windows are tested without a screen.
#pragma once

#include "ui/dialogs/Prompter.h"

#include <QDialog>
#include <QPrinter>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

struct ShownMessage {
    QString text;
    MessageStyle style;
    QString title;
};

class ScriptedPrompter : public Prompter {
public:
    std::vector<ShownMessage> messages;
    std::vector<QString> prompts;
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<QString> openedFiles; // paths handed to the desktop's viewer

    std::deque<MessageAnswer> messageAnswers;               // default: OK, Cancel to a Retry
    std::deque<QString> inputAnswers;                       // default: the default text
    std::deque<QString> fileAnswers;                        // default: cancelled
    std::deque<std::function<void(QDialog&)>> modalScripts; // default: closed untouched
    std::deque<TypedFileChoice> typedFileAnswers;           // default: cancelled
    std::vector<QStringList> offeredFileTypes;
    // The print dialog: each script sets the printer up as a user would and answers; without
    // one the system has no printer.
    std::deque<std::function<PrinterChoice(QPrinter&)>> printerScripts;
    int printerDialogs = 0;
    // The print preview: each script may have the pages painted; default: closed unseen.
    std::deque<std::function<void(QPrinter&, const std::function<void(QPrinter&)>&)>>
        previewScripts;
    int previews = 0;
    // The preview before printing: each script may have the pages painted and answers whether
    // to print; default: Print pressed, pages unseen.
    std::deque<std::function<bool(QPrinter&, const std::function<void(QPrinter&)>&)>>
        printPreviewScripts;
    std::vector<QString> printPreviewTitles;
    std::deque<int> itemAnswers; // default: the item offered
    std::vector<QStringList> offeredItems;

    MessageAnswer messageBox(const QString& text, MessageStyle style,
                             const QString& title) override {
        messages.push_back({text, style, title});
        // A retry nobody scripted would ask again for ever: a test whose set-up failed (a
        // language its chooser script could not find) then hangs instead of failing.
        const bool retryOffered = style.buttons == MessageButtons::RetryCancel;
        return next(messageAnswers, retryOffered ? MessageAnswer::Cancel : MessageAnswer::Ok);
    }
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override {
        prompts.push_back(prompt + "|" + title + "|" + defaultText);
        return next(inputAnswers, defaultText);
    }
    QString saveFileName(const FileDialogRequest& request) override { return file(request); }
    QString openFileName(const FileDialogRequest& request) override { return file(request); }
    TypedFileChoice saveFileNameOfType(const FileDialogRequest& request,
                                       const QStringList& types) override {
        fileDialogs.push_back(request);
        offeredFileTypes.push_back(types);
        return next(typedFileAnswers, TypedFileChoice{});
    }
    PrinterChoice choosePrinter(QPrinter& printer) override {
        ++printerDialogs;
        if (printerScripts.empty())
            return PrinterChoice::NoPrinter;
        auto script = std::move(printerScripts.front());
        printerScripts.pop_front();
        return script(printer);
    }
    void previewPrint(QPrinter& printer,
                      const std::function<void(QPrinter&)>& paintPages) override {
        ++previews;
        if (previewScripts.empty())
            return;
        auto script = std::move(previewScripts.front());
        previewScripts.pop_front();
        script(printer, paintPages);
    }
    bool previewBeforePrinting(QPrinter& printer, const std::function<void(QPrinter&)>& paintPages,
                               const QString& title, const QString&) override {
        printPreviewTitles.push_back(title);
        if (printPreviewScripts.empty())
            return true;
        auto script = std::move(printPreviewScripts.front());
        printPreviewScripts.pop_front();
        return script(printer, paintPages);
    }
    int chooseItem(const QString&, const QString&, const QStringList& items, int current) override {
        offeredItems.push_back(items);
        return next(itemAnswers, current);
    }
    void runModal(QDialog& dialog) override {
        ++modalRuns;
        if (!modalScripts.empty()) {
            auto script = std::move(modalScripts.front());
            modalScripts.pop_front();
            script(dialog);
        }
    }

    void openFile(const QString& path) override { openedFiles.push_back(path); }

    int modalRuns = 0;

private:
    template <typename T> static T next(std::deque<T>& answers, T fallback) {
        if (answers.empty())
            return fallback;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString file(const FileDialogRequest& request) {
        fileDialogs.push_back(request);
        return next(fileAnswers, QString());
    }
};
