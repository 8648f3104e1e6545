// SPDX-License-Identifier: GPL-3.0-or-later

#include "AboutPicture.h"

#include "SketchWing.h"
#include "draw/QPainterCanvas.h"

#include <QPainter>

namespace {

// The picture box is 1740 by 555 twips: 116 by 37 pixels at 96 DPI.
constexpr int kWidth = 116;
constexpr int kHeight = 37;
constexpr double kTwipsPerMm = 1.56;

const QColor kWindowGrey(224, 224, 224);
const QColor kWingFill(150, 190, 235);

} // namespace

QImage drawAboutPicture() {
    const SketchWing wing = calculateSketchWing({{"250", "150", "1000", "50"}}, "30");
    // Centred: the wing reaches from the root leading edge to the root trailing edge (250 mm).
    const double leadingY = (kHeight * 15.0 - 250 * kTwipsPerMm) / 2;
    const double rootX = (kWidth * 15.0 - 1000 * kTwipsPerMm) / 2;
    const PlanformFigure figure =
        layOutWing(wing, {rootX, leadingY + 250 * kTwipsPerMm}, kTwipsPerMm);

    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(kWindowGrey);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterCanvas canvas(painter, QSizeF(0, 0)); // nothing to erase: the grey stays
    fillPanels(painter, figure, kWingFill);
    drawFigure(figure, canvas);
    return image;
}
