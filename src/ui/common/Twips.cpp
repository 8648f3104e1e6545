// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

double logicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

} // namespace

int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips * logicalDpi() / 1440));
}

QRect twipsRect(double left, double top, double width, double height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}
