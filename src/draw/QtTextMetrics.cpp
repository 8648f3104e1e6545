// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/QtTextMetrics.h"

#include "draw/QPainterCanvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <cmath>
#include <memory>

namespace {

constexpr double kMetresPerInch = 0.0254;

// Font metrics depend on nothing of a device but its resolution, so a one-pixel image at the
// printer's resolution measures exactly as the printer page does.
std::shared_ptr<const QImage> deviceAt(int dotsPerInch) {
    auto image = std::make_shared<QImage>(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / kMetresPerInch));
    image->setDotsPerMeterX(dotsPerMetre);
    image->setDotsPerMeterY(dotsPerMetre);
    return image;
}

} // namespace

TextMetrics qtTextMetrics(int dotsPerInch) {
    const auto device = deviceAt(dotsPerInch);
    const double twipsPerPixelX = kTwipsPerInch / device->logicalDpiX();
    const double twipsPerPixelY = kTwipsPerInch / device->logicalDpiY();
    return {
        [device, twipsPerPixelX](const std::string& utf8, const SheetFont& font) {
            const QFontMetricsF metrics(sheetQFont(font), device.get());
            return metrics.horizontalAdvance(QString::fromStdString(utf8)) * twipsPerPixelX;
        },
        [device, twipsPerPixelY](const SheetFont& font) {
            const QFontMetricsF metrics(sheetQFont(font), device.get());
            return metrics.lineSpacing() * twipsPerPixelY;
        },
    };
}
