// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/PlanformCanvas.h"

void PlanformCanvas::clear() {
    eraseSurface();
    pen_ = {};
}

void PlanformCanvas::lineBy(CanvasPoint from, float dx, float dy) {
    const CanvasPoint to{from.x + dx, from.y + dy};
    strokeLine(from, to, foreground_, lineStyle_);
    pen_ = to;
}

void PlanformCanvas::lineByFromPen(float dx, float dy) {
    lineBy(pen_, dx, dy);
}

void PlanformCanvas::lineToFromPen(CanvasPoint to) {
    strokeLine(pen_, to, foreground_, lineStyle_);
    pen_ = to;
}

void PlanformCanvas::lineInColour(CanvasPoint from, CanvasPoint to, Rgb colour) {
    strokeLine(from, to, colour, lineStyle_);
    pen_ = to;
}
