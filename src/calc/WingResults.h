// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the calculation derives from a half-wing. Lengths are millimetres, per-panel and
// cumulative areas dm², halfArea mm², wing loading g/dm².
#pragma once

#include "calc/WingPlanform.h"

// Entries above lastPanel keep whatever an earlier calculation left there.
// Entry i of the four mean-chord arrays describes panels 0..i together after the combination pass.
struct WingResults {
    PanelValues tipStation{};
    PanelValues panelArea{};
    PanelValues cumulativeArea{};
    PanelValues taperRatio{};
    PanelValues meanChord{};
    PanelValues meanChordY{};
    PanelValues meanChordX{};
    PanelValues balanceX{};
    double halfSpan = 0;
    double halfArea = 0;
    double aspectRatio = 0;
    double wingLoading = 0;
};
