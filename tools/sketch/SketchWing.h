// SPDX-License-Identifier: GPL-3.0-or-later
// A wing calculated and laid out for a picture: the same calculation and the same strokes as the
// program's preview, at a scale and position the picture chooses. Lengths mm, canvas twips.
#pragma once

#include "calc/WingResults.h"
#include "draw/PlanformFigure.h"

#include <QColor>
#include <QPointF>
#include <QPolygonF>
#include <array>
#include <vector>

class QPainter;

struct SketchWing {
    WingPlanform planform;
    WingResults results;
};

// Panels as typed: root chord (panel 1 only), tip chord, length, sweep offset.
SketchWing calculateSketchWing(const std::vector<std::array<const char*, 4>>& panels,
                               const char* balancePercent);

// The strokes with the wing root's trailing edge at rootTrailing; the figure must be drawable.
PlanformFigure layOutWing(const SketchWing& wing, RootTrailingPoint rootTrailing,
                          double twipsPerMm);

// Pixels of a 96 DPI image for a position in twips.
QPointF toPixels(double xTwips, double yTwips);

// The four corners of a panel in canvas twips: root trailing, root leading, tip leading, tip
// trailing, the order the canvas draws its outline in.
QPolygonF panelOutline(const PanelStrokes& panel);

// Paints the inside of every panel, under the outlines that the canvas draws afterwards.
void fillPanels(QPainter& painter, const PlanformFigure& figure, const QColor& colour);
