// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/PlanformFigure.h"

#include "draw/CanvasNumbers.h"

#include <cmath>

namespace {

bool isFinite(CanvasPoint point) {
    return std::isfinite(point.x) && std::isfinite(point.y);
}

// The canvas adds the offsets in single precision; the corners must stay finite there too.
bool cornersStayFinite(const PanelStrokes& strokes) {
    const CanvasPoint rootLeading{strokes.rootTrailing.x,
                                  strokes.rootTrailing.y + strokes.rootChordRise};
    const CanvasPoint tipLeading{rootLeading.x + strokes.leadingDx,
                                 rootLeading.y + strokes.leadingDy};
    const CanvasPoint tipTrailing{tipLeading.x, tipLeading.y + strokes.tipChordDrop};
    return isFinite(rootLeading) && isFinite(tipLeading) && isFinite(tipTrailing);
}

std::optional<PanelStrokes> makePanelStrokes(const WingPlanform& planform, int panel,
                                             RootTrailingPoint root, double scale) {
    const double sweepAlongPanel =
        planform.sweepOffset[panel] - leadingEdgeAtTip(planform, panel - 1);
    const auto x = toCanvasCoordinate(root.x);
    const auto y = toCanvasCoordinate(root.y);
    const auto rise = toCanvasCoordinate(-planform.rootChord[panel] * scale);
    const auto dx = toCanvasCoordinate(planform.panelLength[panel] * scale);
    const auto dy = toCanvasCoordinate(sweepAlongPanel * scale);
    const auto drop = toCanvasCoordinate(planform.tipChord[panel] * scale);
    if (!(x && y && rise && dx && dy && drop)) {
        return std::nullopt;
    }
    const PanelStrokes strokes{{*x, *y}, *rise, *dx, *dy, *drop};
    if (!cornersStayFinite(strokes)) {
        return std::nullopt;
    }
    return strokes;
}

// The mean chord is drawn through the balance point, half a chord ahead and a full chord behind;
// the fixed offsets are twips and do not scale.
std::optional<std::array<MarkStroke, kMarkCount>> makeMarkStrokes(const WingPlanform& planform,
                                                                  const WingResults& results,
                                                                  RootTrailingPoint wingRoot,
                                                                  double scale) {
    const int n = planform.lastPanel;
    const double rootLeadingY = wingRoot.y - planform.rootChord[0] * scale;
    const double meanChordCanvasX = wingRoot.x + results.meanChordY[n] * scale;
    const double balanceCanvasY = rootLeadingY + results.balanceX[n] * scale;
    const double meanChordLength = results.meanChord[n] * scale;
    const std::array<std::optional<MarkStroke>, kMarkCount> marks{
        narrowMark(meanChordCanvasX - 200, balanceCanvasY, meanChordCanvasX + 200, balanceCanvasY,
                   kBlue),
        narrowMark(meanChordCanvasX, balanceCanvasY - meanChordLength / 2, meanChordCanvasX,
                   balanceCanvasY + meanChordLength, kRed),
        narrowMark(wingRoot.x, rootLeadingY - 300, wingRoot.x, rootLeadingY - 20, kRed),
        narrowMark(wingRoot.x, wingRoot.y + 20, wingRoot.x, wingRoot.y + 400, kRed),
        narrowMark(wingRoot.x + 50, rootLeadingY, meanChordCanvasX + 100, rootLeadingY, kBlue),
    };
    std::array<MarkStroke, kMarkCount> strokes{};
    for (int mark = 0; mark < kMarkCount; ++mark) {
        if (!marks[mark]) {
            return std::nullopt;
        }
        strokes[mark] = *marks[mark];
    }
    return strokes;
}

void drawPanel(const PanelStrokes& panel, PlanformCanvas& canvas) {
    canvas.lineBy(panel.rootTrailing, 0, panel.rootChordRise);
    canvas.lineByFromPen(panel.leadingDx, panel.leadingDy);
    canvas.lineByFromPen(0, panel.tipChordDrop);
    canvas.lineToFromPen(panel.rootTrailing);
}

} // namespace

std::optional<MarkStroke> narrowMark(double fromX, double fromY, double toX, double toY,
                                     Rgb colour) {
    const auto x1 = toCanvasCoordinate(fromX);
    const auto y1 = toCanvasCoordinate(fromY);
    const auto x2 = toCanvasCoordinate(toX);
    const auto y2 = toCanvasCoordinate(toY);
    if (!(x1 && y1 && x2 && y2)) {
        return std::nullopt;
    }
    return MarkStroke{{*x1, *y1}, {*x2, *y2}, colour};
}

bool lastPanelInRange(const WingPlanform& planform) {
    return planform.lastPanel >= 0 && planform.lastPanel < kPanelCount;
}

double leadingEdgeAtTip(const WingPlanform& planform, int panel) {
    return panel < 0 ? 0.0 : planform.sweepOffset[panel];
}

std::optional<PlanformFigure> buildFigure(const WingPlanform& planform, const WingResults& results,
                                          RootTrailingPoint wingRoot, double scale,
                                          NextRootPoint nextRoot) {
    PlanformFigure figure;
    RootTrailingPoint root = wingRoot;
    for (int panel = 0; panel <= planform.lastPanel; ++panel) {
        if (panel > 0) {
            root = nextRoot(planform, panel, root, scale);
        }
        const auto strokes = makePanelStrokes(planform, panel, root, scale);
        if (!strokes) {
            return std::nullopt;
        }
        figure.panels.push_back(*strokes);
    }
    const auto marks = makeMarkStrokes(planform, results, wingRoot, scale);
    if (!marks) {
        return std::nullopt;
    }
    figure.marks = *marks;
    return figure;
}

void drawFigure(const PlanformFigure& figure, PlanformCanvas& canvas) {
    for (const PanelStrokes& panel : figure.panels) {
        drawPanel(panel, canvas);
    }
    canvas.setLineStyle(LineStyle::DashDotDot);
    for (const MarkStroke& mark : figure.marks) {
        canvas.lineInColour(mark.from, mark.to, mark.colour);
    }
    canvas.setLineStyle(LineStyle::Solid);
}

std::vector<MarkStroke> ribStrokes(const PlanformFigure& figure,
                                   const std::vector<RibStation>& ribs, Rgb colour) {
    std::vector<MarkStroke> strokes;
    for (const RibStation& rib : ribs) {
        if (rib.panel < 0 || rib.panel >= static_cast<int>(figure.panels.size()))
            continue;
        const PanelStrokes& p = figure.panels[static_cast<std::size_t>(rib.panel)];
        const auto f = static_cast<float>(rib.fraction);
        const CanvasPoint leading{p.rootTrailing.x + p.leadingDx * f,
                                  p.rootTrailing.y + p.rootChordRise + p.leadingDy * f};
        const CanvasPoint trailing{
            leading.x, p.rootTrailing.y + (p.rootChordRise + p.leadingDy + p.tipChordDrop) * f};
        strokes.push_back({leading, trailing, colour});
    }
    return strokes;
}
