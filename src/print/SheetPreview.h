// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet on the pages of a print preview: the same A4 landscape page that Print sends, so the
// user sees it before paper is spent.
#pragma once

#include "calc/WingResults.h"
#include "draw/SheetInputs.h"

class QPrinter;

// A4 landscape at the sheet's resolution.
void prepareSheetPrinter(QPrinter& printer);

// False when the sheet stopped half-way (see drawSheet); what was drawn stays on the page.
bool paintSheetOn(QPrinter& printer, const WingPlanform& planform, const WingResults& results,
                  const SheetInputs& inputs);
