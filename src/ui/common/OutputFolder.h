// SPDX-License-Identifier: GPL-3.0-or-later
// Where the windows offer to put the files they make (a printed PDF, an exported outline), and
// what they offer to call them.
#pragma once

#include "ui/dialogs/Prompter.h"

#include <QString>
#include <cstddef>

class LanguageState;
struct FeatureContext;

// The documents folder, made if it is missing; the home folder when it cannot be.
QString documentsFolder();

// A title as a file name with the suffix (".pdf"): characters that no file name may hold
// become "_".
QString fileNameFor(const QString& title, const QString& suffix);

// The save dialog for a PDF made where the system has no printer: in the remembered folder (the
// documents folder at first), named after the sheet's title.
FileDialogRequest pdfFileDialog(const FeatureContext& context, const QString& dialogTitle,
                                const QString& sheetTitle);

// What a command says once its PDF is written: how many pages, and where.
QString pdfWrittenMessage(const LanguageState& language, std::size_t pages, const QString& path);
