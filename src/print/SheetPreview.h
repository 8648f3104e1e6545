// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet on the pages of a print preview: the same A4 landscape page that Print sends, so the
// user sees it before paper is spent.
#pragma once

#include "calc/WingResults.h"
#include "draw/SheetInputs.h"

class QPrinter;

// A4 landscape. The preview shows the sheet's one-pixel pens at screen pixels whatever the
// printer's resolution, so it gets one where they are as thin as on paper: 300 dpi.
void prepareSheetPreview(QPrinter& printer);

// False when the sheet stopped half-way (see drawSheet); what was drawn stays on the page.
bool paintSheetOn(QPrinter& printer, const WingPlanform& planform, const WingResults& results,
                  const SheetInputs& inputs);
