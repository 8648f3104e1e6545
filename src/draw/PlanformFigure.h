// SPDX-License-Identifier: GPL-3.0-or-later
// The strokes of one planform drawing, shared by the screen preview and the printed sheet: four
// lines per panel, then the five dash-dot-dot marks. Computed in double, narrowed only at the end.
#pragma once

#include "calc/WingResults.h"
#include "draw/PlanformCanvas.h"
#include "ribs/CalculateRibs.h"

#include <array>
#include <optional>
#include <vector>

// The trailing-edge end of a panel's root chord, in canvas twips, before narrowing.
struct RootTrailingPoint {
    double x = 0;
    double y = 0;
};

// One trapezoid as the canvas draws it: up the root chord, along the leading edge, down the tip
// chord, then straight back to the start along the trailing edge.
struct PanelStrokes {
    CanvasPoint rootTrailing;
    float rootChordRise = 0;
    float leadingDx = 0;
    float leadingDy = 0;
    float tipChordDrop = 0;
};

struct MarkStroke {
    CanvasPoint from;
    CanvasPoint to;
    Rgb colour;
};

// A mark from (fromX, fromY) to (toX, toY) in canvas twips, narrowed to the canvas's numbers;
// nothing when a coordinate does not fit.
std::optional<MarkStroke> narrowMark(double fromX, double fromY, double toX, double toY,
                                     Rgb colour);

inline constexpr int kMarkCount = 5;

struct PlanformFigure {
    std::vector<PanelStrokes> panels;
    std::array<MarkStroke, kMarkCount> marks{};
};

// Where the root of panel i lies, given the root of panel i - 1; the screen and the paper
// evaluate the same chaining with a different order of operations.
using NextRootPoint = RootTrailingPoint (*)(const WingPlanform& planform, int panel,
                                            RootTrailingPoint previous, double scale);

bool lastPanelInRange(const WingPlanform& planform);

// Chordwise position of the tip leading edge of panel i; "panel -1" is the root leading edge.
double leadingEdgeAtTip(const WingPlanform& planform, int panel);

// The whole figure at the given scale from the root of panel 0; nothing when any coordinate is
// NaN or leaves single precision (lastPanel must be in range).
std::optional<PlanformFigure> buildFigure(const WingPlanform& planform, const WingResults& results,
                                          RootTrailingPoint wingRoot, double scale,
                                          NextRootPoint nextRoot);

// Outlines in the foreground colour and solid style, the marks dash-dot-dot, then solid again.
void drawFigure(const PlanformFigure& figure, PlanformCanvas& canvas);

// A line across each rib's panel from its leading to its trailing edge at the rib's fraction of
// the panel, in the colour given, as the figure draws the panel; a rib whose panel the figure
// lacks is left out.
std::vector<MarkStroke> ribStrokes(const PlanformFigure& figure,
                                   const std::vector<RibStation>& ribs, Rgb colour);
