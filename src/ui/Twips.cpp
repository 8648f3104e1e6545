#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

double LogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

} // namespace

int TwipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips * LogicalDpi() / 1440));
}

QRect TwipsRect(double left, double top, double width, double height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}
