// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ribs/RibView.h"

#include "draw/DrawRib.h"
#include "draw/QPainterCanvas.h"

#include <QPainter>

RibView::RibView(QWidget* parent)
    : DrawingArea(parent) {}

void RibView::showRib(const Rib& rib, const Box2D& frame) {
    rib_ = rib;
    frame_ = frame;
    update();
}

void RibView::erase() {
    rib_.reset();
    update();
}

void RibView::paintEvent(QPaintEvent*) {
    if (!rib_)
        return;
    QPainter painter(this);
    const QSizeF twips(width() * kTwipsPerInch / logicalDpiX(),
                       height() * kTwipsPerInch / logicalDpiY());
    QPainterCanvas canvas(painter, twips);
    drawRib(*rib_, frame_, canvas, static_cast<float>(twips.width()),
            static_cast<float>(twips.height()));
}
