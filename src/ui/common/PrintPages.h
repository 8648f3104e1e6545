// SPDX-License-Identifier: GPL-3.0-or-later
// Printing pages at 1:1 as a user expects it of the full-size plan and the templates: the paper
// (A4 or Letter, remembered), a question beyond 20 pages, a preview of every page, then the print
// dialog where the system has a printer, else a PDF the user places after the question Print
// asks. The pages go through the program's own output routine like every other file.
#pragma once

#include "i18n/TextKey.h"
#include "print/TilePrinter.h"

#include <QPageSize>
#include <functional>
#include <optional>

class QPageLayout;
class QPrinter;
struct FeatureContext;

// What a run of pages is and how its words read; each function works on the same document.
struct PagesToPrint {
    TextKey printsOn;     // "Print the full-size plan on", followed by " PDF ?"
    TextKey manyPages;    // "... takes %1 pages. Print them all?"
    TextKey previewTitle; // "...: %1 pages"
    TextKey printed;      // "... printed (pages: %1)."
    TextKey tooLarge;
    // The pages on paper of that layout; nothing when there are too many to print.
    std::function<std::optional<std::size_t>(const QPageLayout& paper)> pageCount;
    std::function<TilePrintOutcome(QPrinter& printer)> printOn;
    std::function<TilePrintOutcome(const QPageSize& paper)> pdf;
};

void printPages(const FeatureContext& context, const PagesToPrint& pages);
