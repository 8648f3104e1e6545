// SPDX-License-Identifier: GPL-3.0-or-later

#include "SketchWing.h"

#include "calc/CalculateWing.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <stdexcept>

namespace {

constexpr double kTwipsPerPixel = 15; // 96 DPI

// Each panel's root trailing edge sits on the previous panel's tip trailing edge.
RootTrailingPoint nextRoot(const WingPlanform& planform, int panel, RootTrailingPoint previous,
                           double scale) {
    const int p = panel - 1;
    const double rootLeading = previous.y - planform.rootChord[p] * scale;
    const double previousLeading = leadingEdgeAtTip(planform, p - 1) * scale;
    return {previous.x + planform.panelLength[p] * scale,
            rootLeading - previousLeading +
                (planform.sweepOffset[p] + planform.tipChord[p]) * scale};
}

} // namespace

SketchWing calculateSketchWing(const std::vector<std::array<const char*, 4>>& panels,
                               const char* balancePercent) {
    WingFields fields = clearedFields();
    for (std::size_t i = 0; i < panels.size(); ++i) {
        if (i == 0)
            fields.rootChord[0] = panels[0][0];
        setTipChord(fields, static_cast<int>(i), panels[i][1]);
        fields.panelLength[i] = panels[i][2];
        fields.sweepOffset[i] = panels[i][3];
    }
    fields.balancePercent = balancePercent;
    fields.mass = "1000";
    SketchWing wing;
    if (calculateWing(fields, ".", wing.planform, wing.results).outcome != CalcOutcome::Ok)
        throw std::runtime_error("the sketch wing does not calculate");
    return wing;
}

PlanformFigure layOutWing(const SketchWing& wing, RootTrailingPoint rootTrailing,
                          double twipsPerMm) {
    const auto figure =
        buildFigure(wing.planform, wing.results, rootTrailing, twipsPerMm, nextRoot);
    if (!figure)
        throw std::runtime_error("the sketch wing cannot be drawn");
    return *figure;
}

QPointF toPixels(double xTwips, double yTwips) {
    return {xTwips / kTwipsPerPixel, yTwips / kTwipsPerPixel};
}

QPolygonF panelOutline(const PanelStrokes& panel) {
    const CanvasPoint root = panel.rootTrailing;
    const double leadingY = root.y + panel.rootChordRise;
    return QPolygonF{
        QPointF(root.x, root.y),
        QPointF(root.x, leadingY),
        QPointF(root.x + panel.leadingDx, leadingY + panel.leadingDy),
        QPointF(root.x + panel.leadingDx, leadingY + panel.leadingDy + panel.tipChordDrop),
    };
}

void fillPanels(QPainter& painter, const PlanformFigure& figure, const QColor& colour) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QTransform twipsToPixels = QTransform::fromScale(1 / kTwipsPerPixel, 1 / kTwipsPerPixel);
    for (const PanelStrokes& panel : figure.panels)
        painter.drawPolygon(twipsToPixels.map(panelOutline(panel)));
    painter.restore();
}
