// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/SheetCanvas.h"

#include <utility>

void SheetCanvas::setFont(std::string name, float points) {
    font_.name = std::move(name);
    font_.points = points;
}

void SheetCanvas::printText(const std::string& utf8, TextEnd end) {
    const CanvasPoint topLeft = pen();
    drawText(topLeft, utf8, font_, textColour());
    if (end == TextEnd::KeepLine) {
        movePen({topLeft.x + static_cast<float>(textWidth(utf8)), topLeft.y});
    } else {
        movePen({0, topLeft.y + static_cast<float>(lineHeight())});
    }
}
