// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/ButtonPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// Each picture is drawn on a 12 by 12 grid and scaled to the icon's size.
constexpr qreal kGrid = 12;

void drawTick(QPainter& painter) {
    QPainterPath tick;
    tick.moveTo(1.5, 6.5);
    tick.lineTo(4.5, 9.5);
    tick.lineTo(10.5, 2.5);
    painter.setPen(QPen(QColor(0x2e, 0x8b, 0x3a), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
}

// An arrow turning back on itself: the form starts again.
void drawTurnBack(QPainter& painter) {
    const QColor blue(0x2a, 0x5d, 0xb0);
    painter.setPen(QPen(blue, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(2, 2, 8, 8), 90 * 16, 270 * 16);
    QPainterPath head;
    head.moveTo(6, 0.2);
    head.lineTo(6, 3.8);
    head.lineTo(3.2, 2);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue);
    painter.drawPath(head);
}

void drawPrinter(QPainter& painter) {
    const QColor outline(0x40, 0x40, 0x40);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(3.5, 0.5, 5, 4)); // the paper going in
    painter.setBrush(QColor(0xa0, 0xa0, 0xa0));
    painter.drawRect(QRectF(0.5, 4.5, 11, 4)); // the body
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(3.5, 7.5, 5, 4)); // the sheet coming out
}

} // namespace

QIcon buttonPicture(ButtonPicture picture, int pixels, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(pixels, pixels) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels / kGrid, pixels / kGrid);
    switch (picture) {
    case ButtonPicture::Calculate:
        drawTick(painter);
        break;
    case ButtonPicture::Clear:
        drawTurnBack(painter);
        break;
    case ButtonPicture::Print:
        drawPrinter(painter);
        break;
    }
    painter.end();
    return QIcon(pixmap);
}
