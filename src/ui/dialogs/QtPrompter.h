// SPDX-License-Identifier: GPL-3.0-or-later
// The real dialogs of the seam, each modal to the main window.
#pragma once

#include "ui/dialogs/Prompter.h"

class QWidget;

class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* owner = nullptr)
        : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    MessageAnswer messageBox(const QString& text, MessageStyle style,
                             const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString saveFileName(const FileDialogRequest& request) override;
    QString openFileName(const FileDialogRequest& request) override;
    TypedFileChoice saveFileNameOfType(const FileDialogRequest& request,
                                       const QStringList& types) override;
    PrinterChoice choosePrinter(QPrinter& printer) override;
    void previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paintPages) override;
    bool previewBeforePrinting(QPrinter& printer, const std::function<void(QPrinter&)>& paintPages,
                               const QString& title, const QString& printText) override;
    int chooseItem(const QString& prompt, const QString& title, const QStringList& items,
                   int current) override;
    void runModal(QDialog& dialog) override;
    void openFile(const QString& path) override;

private:
    QWidget* owner_;
};
