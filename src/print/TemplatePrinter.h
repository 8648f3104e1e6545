// SPDX-License-Identifier: GPL-3.0-or-later
// Templates at 1:1 (ribs to glue on balsa, foam-core templates) into a PDF made in memory or
// onto a printer: the pages TemplatePages lays out, nested parts and the tiles of any part too
// large for a page, numbered as one run.
#pragma once

#include "draw/TemplatePages.h"
#include "print/TilePrinter.h"

#include <optional>

// The layout as it will be printed on paper of that layout (its printable area), the texts
// measured in the pages' font.
std::optional<TemplateLayout> templateLayoutFor(const std::vector<CutPart>& parts,
                                                const QPageLayout& paper);

// Edge to edge on the paper.
TilePrintOutcome templatesPdf(const std::vector<CutPart>& parts, const QPageSize& paper,
                              const TemplatePageTexts& texts);

// On the printer's paper and within its printable area; sets the printer's orientation.
TilePrintOutcome printTemplatesOn(QPrinter& printer, const std::vector<CutPart>& parts,
                                  const TemplatePageTexts& texts);
