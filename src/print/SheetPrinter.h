// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the sheet of a calculated wing on a printer or into a PDF file, with the busy pointer on
// meanwhile. It only reports the outcome: the window or the command line shows it.
#pragma once

#include "base/TextFile.h"
#include "calc/WingResults.h"
#include "draw/SheetInputs.h"

#include <QString>
class QPageLayout;
class QPainter;
#include <optional>
#include <string>
#include <utility>

// Where the sheet goes: a named printer, or a PDF file when pdfPath is set. The path is the
// file system's bytes (QFile::encodeName of a dialog's answer), never converted text.
struct SheetTarget {
    QString printerName;
    std::string pdfPath;

    static SheetTarget printer(QString name) { return {std::move(name), {}}; }
    static SheetTarget pdf(std::string path) { return {{}, std::move(path)}; }
    bool isPdf() const { return !pdfPath.empty(); }
    bool chosen() const { return isPdf() || !printerName.isEmpty(); }
};

struct SheetPrintOutcome {
    bool printed = false;
    std::string failure; // why nothing was printed; no page was sent and no file left behind
    int denominator = 0;
    double sheetScale = 0;
    std::optional<FileError> fileError; // set when the PDF file could not be written
};

// A PDF sheet rendered in memory, ready to be written wherever it goes.
struct SheetPdf {
    SheetPrintOutcome outcome;
    std::string bytes; // the whole PDF when outcome.printed
};

// The sheet on a painter already begun on a page laid out as layout.
SheetPrintOutcome paintSheet(QPainter& painter, const QPageLayout& layout,
                             const WingPlanform& planform, const WingResults& results,
                             const SheetInputs& inputs);

// The system's default printer, or an empty name when it has none.
QString defaultPrinterName();

// The sheet as one A4 landscape PDF page, in memory; nothing is written anywhere.
SheetPdf renderSheetPdf(const WingPlanform& planform, const WingResults& results,
                        const SheetInputs& inputs);

// One A4 landscape page in twips from the top-left of the printable area; a PDF page has no
// unprintable edge. A sheet that fails is never sent, and an unfinished PDF never written: the
// PDF is rendered in memory first, then written through writeOutputFile.
SheetPrintOutcome printSheetTo(const WingPlanform& planform, const WingResults& results,
                               const SheetInputs& inputs, const SheetTarget& target);
