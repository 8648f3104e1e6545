// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/PlanformPreview.h"

#include "draw/DrawPreview.h"
#include "draw/QPainterCanvas.h"

#include <QPainter>

PlanformPreview::PlanformPreview(QWidget* parent)
    : DrawingArea(parent) {}

void PlanformPreview::drawPreview(const WingPlanform& planform, const WingResults& results,
                                  std::optional<double> neutralPointX,
                                  const std::vector<RibStation>& ribs) {
    QPicture picture;
    QPainter painter(&picture);
    QPainterCanvas canvas(painter, {kPreviewWidthTwips, kPreviewHeightTwips});
    const PreviewOutcome outcome = ::drawPreview(planform, results, canvas, neutralPointX, ribs);
    painter.end();
    if (!outcome.drawn)
        return erase();
    picture_ = picture;
    blank_ = false;
    neutralPointX_ = neutralPointX;
    update();
}

void PlanformPreview::erase() {
    picture_ = QPicture();
    blank_ = true;
    neutralPointX_.reset();
    update();
}

void PlanformPreview::paintEvent(QPaintEvent*) {
    if (blank_)
        return;
    QPainter painter(this);
    // The picture was recorded at its own resolution; replay it at the screen's.
    painter.scale(double(logicalDpiX()) / picture_.logicalDpiX(),
                  double(logicalDpiY()) / picture_.logicalDpiY());
    painter.drawPicture(0, 0, picture_);
}
