// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/QPainterCanvas.h"

#include "TestWings.h"
#include "draw/DrawPreview.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// 3780 dots per metre is 96 DPI: 15 twips per pixel, as on the preview.
QImage blankImage(int width, int height, int dotsPerMetre = 3780, QColor fill = Qt::white) {
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(fill);
    return image;
}

template <typename Test> bool anyPixel(const QImage& image, QRect area, Test test) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(image.pixelColor(x, y))) {
                return true;
            }
        }
    }
    return false;
}

// Pixel rounding of twips is the painter's, so look one pixel around the expected place.
bool anyPixelIs(const QImage& image, QRect area, QColor colour) {
    return anyPixel(image, area, [&](QColor pixel) { return pixel == colour; });
}

TEST(QPainterCanvas, WorkedPreviewLandsOnTheExpectedPixels) {
    QImage image = blankImage(537, 153, 3780, Qt::gray);
    {
        QPainter painter(&image);
        QPainterCanvas canvas(painter, QSizeF(kPreviewWidthTwips, kPreviewHeightTwips));
        const TestWing wing = workedWing();
        ASSERT_TRUE(drawPreview(wing.planform, wing.results, canvas).drawn);
    }
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(534, 150), QColor(Qt::white));
    // Root chord at x = 525 twips = 35 px, from y = 16.3 px down to 133 px.
    EXPECT_TRUE(anyPixelIs(image, QRect(34, 80, 3, 1), Qt::black));
    // Tip chord at x = 7525 twips = 501.7 px, from y = 39.7 px to 109.7 px.
    EXPECT_TRUE(anyPixelIs(image, QRect(500, 70, 3, 1), Qt::black));
    // Mean chord, dash-dot-dot, at x = 3745 twips = 249.7 px, from 9.3 px to 149.3 px.
    EXPECT_TRUE(anyPixelIs(image, QRect(248, 60, 4, 20), Qt::red));
    // Leading-edge reference at y = 245 twips = 16.3 px, from 38.3 px to 256.3 px.
    EXPECT_TRUE(anyPixelIs(image, QRect(100, 15, 100, 3), Qt::blue));
    // Nothing between the root axis and the tip chord at mid-span outside the wing.
    EXPECT_FALSE(anyPixelIs(image, QRect(150, 140, 50, 10), Qt::black));
}

TEST(QPainterCanvas, TextCellHangsBelowTheCurrentPoint) {
    QImage image = blankImage(400, 100);
    double width = 0;
    double height = 0;
    {
        QPainter painter(&image);
        QPainterCanvas canvas(painter, QSizeF(6000, 1500));
        canvas.setFont("Arial", 10);
        canvas.setCurrentX(300);
        canvas.setCurrentY(300);
        width = canvas.textWidth("Wingsheet");
        height = canvas.lineHeight();
        canvas.printText("Wingsheet", TextEnd::EndLine);
        EXPECT_EQ(canvas.pen(), (CanvasPoint{0, static_cast<float>(300 + height)}));
    }
    // 10 points is 200 twips; Arial's lines are about 1.15 em apart.
    EXPECT_GT(height, 200);
    EXPECT_LT(height, 280);
    EXPECT_GT(width, 400);
    EXPECT_LT(width, 1400);
    // The cell starts at (20 px, 20 px): glyphs below and right of it, nothing above.
    const int right = 20 + static_cast<int>(width / 15);
    const auto dark = [](QColor pixel) {
        return pixel.lightness() < 100;
    };
    EXPECT_TRUE(anyPixel(image, QRect(20, 20, right - 20, 16), dark));
    EXPECT_FALSE(anyPixel(image, QRect(0, 0, image.width(), 19),
                          [](QColor pixel) { return pixel != QColor(Qt::white); }));
}

// At 1200 DPI a one-pixel dash would print as a solid line; the first dash stays about 1 mm.
TEST(QPainterCanvas, DashesKeepTheirScreenLengthOnPrinters) {
    QImage image = blankImage(200, 20, 47244); // 1200 DPI: 1.2 twips per pixel
    {
        QPainter painter(&image);
        QPainterCanvas canvas(painter, QSizeF(240, 24));
        canvas.setLineStyle(LineStyle::DashDotDot);
        canvas.lineInColour({0, 12}, {240, 12}, kRed);
    }
    int redInFirstDash = 0;
    for (int x = 0; x < 45; ++x) {
        redInFirstDash += image.pixelColor(x, 10) == QColor(Qt::red) ? 1 : 0;
    }
    EXPECT_EQ(redInFirstDash, 45);
    EXPECT_FALSE(anyPixelIs(image, QRect(52, 10, 20, 1), Qt::red));
}

} // namespace
