// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet canvas on a QPainter: the screen preview (through a QPicture), printer pages and PDF.
// Twips map to device pixels by the device's DPI; lines are one pixel on screen, a quarter
// point on paper.
#pragma once

#include "draw/SheetCanvas.h"

#include <QFont>
#include <QSizeF>

class QPainter;

// The Qt font of a sheet font, for drawing and for measuring alike.
QFont sheetQFont(const SheetFont& font);

class QPainterCanvas : public SheetCanvas {
public:
    // surfaceTwips is the area that clear() paints white, from the painter's origin.
    QPainterCanvas(QPainter& painter, QSizeF surfaceTwips);

    double textWidth(const std::string& utf8) const override;
    double lineHeight() const override;

protected:
    void eraseSurface() override;
    void strokeLine(CanvasPoint from, CanvasPoint to, Rgb colour, LineStyle style) override;
    void drawText(CanvasPoint topLeft, const std::string& utf8, const SheetFont& font,
                  Rgb colour) override;

private:
    double pixelsPerTwipX() const;
    double pixelsPerTwipY() const;

    QPainter& painter_;
    QSizeF surfaceTwips_;
};
