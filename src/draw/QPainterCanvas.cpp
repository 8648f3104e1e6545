// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/QPainterCanvas.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kScreenDpi = 96;

QColor toQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

// Leaves the painter as the caller set it up, whatever a drawing step changes.
class SavedPainterState {
public:
    explicit SavedPainterState(QPainter& painter)
        : painter_(painter) {
        painter_.save();
    }
    ~SavedPainterState() { painter_.restore(); }
    SavedPainterState(const SavedPainterState&) = delete;
    SavedPainterState& operator=(const SavedPainterState&) = delete;

private:
    QPainter& painter_;
};

// A cosmetic pen keeps its width in device pixels at any scale: one pixel on screen, about a
// quarter point on a printer or PDF, where a one-dot hairline would be too faint to measure. A
// line with a width of its own has it in twips, the painter's units here.
// Qt counts a dash pattern in pen widths, so the pattern is stretched to keep its screen length.
QPen linePen(Rgb colour, LineStyle style, double deviceDpi, double widthTwips) {
    const double hairline = std::max(1.0, std::round(deviceDpi / 300));
    const double width = widthTwips > 0 ? widthTwips : hairline;
    QPen pen(toQColor(colour), width);
    pen.setCosmetic(widthTwips <= 0);
    if (style == LineStyle::Solid) {
        return pen;
    }
    pen.setStyle(Qt::DashDotDotLine);
    const double widthPixels = widthTwips > 0 ? widthTwips * deviceDpi / kTwipsPerInch : width;
    const double stretch = deviceDpi / kScreenDpi / widthPixels;
    if (stretch > 1) {
        QList<qreal> pattern = pen.dashPattern();
        for (qreal& length : pattern) {
            length *= stretch;
        }
        pen.setDashPattern(pattern);
    }
    return pen;
}

} // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter, QSizeF surfaceTwips)
    : painter_(painter)
    , surfaceTwips_(surfaceTwips) {}

double QPainterCanvas::pixelsPerTwipX() const {
    return painter_.device()->logicalDpiX() / kTwipsPerInch;
}

double QPainterCanvas::pixelsPerTwipY() const {
    return painter_.device()->logicalDpiY() / kTwipsPerInch;
}

QFont sheetQFont(const SheetFont& font) {
    QFont qt(QString::fromStdString(font.name));
    qt.setPointSizeF(font.points);
    qt.setBold(font.bold);
    qt.setUnderline(font.underline);
    return qt;
}

double QPainterCanvas::textWidth(const std::string& utf8) const {
    const QFontMetricsF metrics(sheetQFont(font()), painter_.device());
    return metrics.horizontalAdvance(QString::fromStdString(utf8)) / pixelsPerTwipX();
}

double QPainterCanvas::lineHeight() const {
    const QFontMetricsF metrics(sheetQFont(font()), painter_.device());
    return metrics.lineSpacing() / pixelsPerTwipY();
}

void QPainterCanvas::eraseSurface() {
    const SavedPainterState saved(painter_);
    painter_.scale(pixelsPerTwipX(), pixelsPerTwipY());
    painter_.fillRect(QRectF(QPointF(0, 0), surfaceTwips_), Qt::white);
}

void QPainterCanvas::strokeLine(CanvasPoint from, CanvasPoint to, Rgb colour, LineStyle style) {
    // A line that left float's range cannot be placed on any device.
    if (!std::isfinite(from.x) || !std::isfinite(from.y) || !std::isfinite(to.x) ||
        !std::isfinite(to.y)) {
        return;
    }
    const SavedPainterState saved(painter_);
    painter_.scale(pixelsPerTwipX(), pixelsPerTwipY());
    painter_.setPen(linePen(colour, style, painter_.device()->logicalDpiX(), lineWidth()));
    painter_.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
}

// uiText is drawn untransformed so the point size means the device's points; the twip position is
// mapped by hand and the baseline put one ascent below the cell's top.
void QPainterCanvas::drawText(CanvasPoint topLeft, const std::string& utf8, const SheetFont& font,
                              Rgb colour) {
    const SavedPainterState saved(painter_);
    const QFont qt = sheetQFont(font);
    const QFontMetricsF metrics(qt, painter_.device());
    const QPointF baseline(topLeft.x * pixelsPerTwipX(),
                           topLeft.y * pixelsPerTwipY() + metrics.ascent());
    painter_.setFont(qt);
    painter_.setPen(toQColor(colour));
    painter_.drawText(baseline, QString::fromStdString(utf8));
}
