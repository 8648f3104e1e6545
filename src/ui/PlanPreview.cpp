#include "ui/PlanPreview.h"

#include "draw/DrawPlanform.h"
#include "draw/QPainterCanvas.h"

#include <QPainter>

PlanPreview::PlanPreview(QWidget* parent)
    : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void PlanPreview::DrawPlanform(const WingPlanform& planform, const WingResults& results) {
    QPicture picture;
    QPainter painter(&picture);
    QPainterCanvas canvas(painter, {kPreviewWidthTwips, kPreviewHeightTwips});
    const PreviewOutcome outcome = ::DrawPlanform(planform, results, canvas);
    painter.end();
    if (!outcome.drawn)
        return erase();
    picture_ = picture;
    blank_ = false;
    update();
}

void PlanPreview::erase() {
    picture_ = QPicture();
    blank_ = true;
    update();
}

void PlanPreview::paintEvent(QPaintEvent*) {
    if (blank_)
        return;
    QPainter painter(this);
    // The picture was recorded at its own resolution; replay it at the screen's.
    painter.scale(double(logicalDpiX()) / picture_.logicalDpiX(),
                  double(logicalDpiY()) / picture_.logicalDpiY());
    painter.drawPicture(0, 0, picture_);
}
