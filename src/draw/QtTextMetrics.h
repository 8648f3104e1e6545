// SPDX-License-Identifier: GPL-3.0-or-later
// Real font metrics for the sheet where no page is open, as in the command line's JSON: the
// numbers QPainterCanvas measures on a printer or PDF page of the same resolution.
#pragma once

#include "draw/RecordingCanvas.h"

// The resolution the sheet is printed at, on printers and in PDF files alike.
inline constexpr int kSheetDotsPerInch = 1200;

// Widths and line heights in twips. The fonts need a running QGuiApplication.
TextMetrics qtTextMetrics(int dotsPerInch = kSheetDotsPerInch);
