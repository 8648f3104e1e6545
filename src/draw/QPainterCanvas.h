// The sheet canvas on a QPainter: the screen preview (through a QPicture), printer pages and PDF.
// Twips map to device pixels by the device's DPI; pens are cosmetic, one pixel wide.
#pragma once

#include "SheetCanvas.h"

#include <QFont>
#include <QSizeF>

class QPainter;

class QPainterCanvas : public SheetCanvas {
public:
    // surfaceTwips is the area that clear() paints white, from the painter's origin.
    QPainterCanvas(QPainter& painter, QSizeF surfaceTwips);

    double textWidth(const std::string& utf8) const override;
    double lineHeight() const override;

    bool documentEnded() const { return documentEnded_; }

protected:
    void eraseSurface() override;
    void strokeLine(CanvasPoint from, CanvasPoint to, Rgb colour, LineStyle style) override;
    void drawText(CanvasPoint topLeft, const std::string& utf8, const SheetFont& font,
                  Rgb colour) override;
    // The printer's page and document belong to the caller, who ends or abandons them.
    void finishDocument() override { documentEnded_ = true; }

private:
    QFont qtFont(const SheetFont& font) const;
    double pixelsPerTwipX() const;
    double pixelsPerTwipY() const;

    QPainter& painter_;
    QSizeF surfaceTwips_;
    bool documentEnded_ = false;
};
