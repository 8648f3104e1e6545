// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the sheet of a calculated wing on a printer or into a PDF file, with the busy pointer on
// meanwhile. It only reports the outcome: the window or the command line shows it.
#pragma once

#include "calc/WingResults.h"
#include "draw/SheetInputs.h"

#include <QString>
#include <string>
#include <utility>

// Where the sheet goes: a named printer, or a PDF file when pdfPath is set.
struct SheetTarget {
    QString printerName;
    QString pdfPath;

    static SheetTarget printer(QString name) { return {std::move(name), {}}; }
    static SheetTarget pdf(QString path) { return {{}, std::move(path)}; }
    bool isPdf() const { return !pdfPath.isEmpty(); }
    bool chosen() const { return isPdf() || !printerName.isEmpty(); }
};

struct SheetPrintOutcome {
    bool printed = false;
    std::string failure; // why nothing was printed; no page was sent and no file left behind
    int denominator = 0;
    double sheetScale = 0;
};

// The system's default printer, or an empty name when it has none.
QString defaultPrinterName();

// One A4 landscape page in twips from the top-left of the printable area; a PDF page has no
// unprintable edge. A sheet that fails is never sent, and an unfinished PDF never written.
SheetPrintOutcome printSheetTo(const WingPlanform& planform, const WingResults& results,
                               const SheetInputs& inputs, const SheetTarget& target);
