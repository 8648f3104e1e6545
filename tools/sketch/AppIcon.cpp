// SPDX-License-Identifier: GPL-3.0-or-later

#include "AppIcon.h"

#include "SketchWing.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

// The icon is designed on a 256-unit square; smaller sizes scale it down.
constexpr double kDesignSize = 256;
constexpr double kTileInset = 8;
constexpr double kTileRadius = 40;
constexpr double kWingMargin = 26; // between the tile's edge and the drawing

// A tapered three-panel half-wing, tilted so that it runs from the lower left corner towards
// the upper right one and fills the square.
const std::vector<std::array<const char*, 4>> kIconPanels{
    {"380", "350", "300", "15"},
    {"", "270", "330", "65"},
    {"", "150", "230", "175"},
};
constexpr double kLayoutTwipsPerMm = 5;
constexpr double kTiltDegrees = -38;

const QColor kTileColour(214, 232, 250);
const QColor kTileEdge(70, 116, 168);
const QColor kWingColour(250, 212, 112);
const QColor kOutline(40, 40, 40);

// Design-unit widths, each at least one pixel at the size drawn.
struct IconPens {
    double tileEdge;
    double outline;
    double mark;
    bool dashedMarks; // the program's dash-dot-dot shows from 64 pixels up
};

IconPens pensFor(double sizePx) {
    const double pixel = kDesignSize / sizePx;
    return {std::max(4.0, pixel), std::max(6.0, pixel), std::max(5.0, pixel), sizePx >= 64};
}

// The wing's panels and its balance cross (the mean chord through the balance point), in design
// units.
struct IconShapes {
    std::vector<QPolygonF> panels;
    std::array<QLineF, 2> marks;
    std::array<QColor, 2> markColours;
};

QColor toQColor(Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

IconShapes layOutIcon() {
    const SketchWing wing = calculateSketchWing(kIconPanels, "30");
    const PlanformFigure figure = layOutWing(wing, {0, 0}, kLayoutTwipsPerMm);
    QTransform tilt;
    tilt.rotate(kTiltDegrees);
    IconShapes shapes;
    QRectF bounds;
    for (const PanelStrokes& panel : figure.panels) {
        shapes.panels.push_back(tilt.map(panelOutline(panel)));
        bounds |= shapes.panels.back().boundingRect();
    }
    // Marks 0 and 1: the blue balance stroke and the red mean chord through it.
    for (std::size_t i = 0; i < shapes.marks.size(); ++i) {
        const MarkStroke& mark = figure.marks[i];
        shapes.marks[i] = tilt.map(QLineF(mark.from.x, mark.from.y, mark.to.x, mark.to.y));
        shapes.markColours[i] = toQColor(mark.colour);
        bounds |= QRectF(shapes.marks[i].p1(), shapes.marks[i].p2()).normalized();
    }
    // Centred, as large as the margins allow.
    const double room = kDesignSize - 2 * kWingMargin;
    const double scale = room / std::max(bounds.width(), bounds.height());
    QTransform toDesign;
    toDesign.translate(kDesignSize / 2, kDesignSize / 2);
    toDesign.scale(scale, scale);
    toDesign.translate(-bounds.center().x(), -bounds.center().y());
    for (QPolygonF& panel : shapes.panels)
        panel = toDesign.map(panel);
    for (QLineF& mark : shapes.marks)
        mark = toDesign.map(mark);
    return shapes;
}

QPen markPen(const QColor& colour, double width, bool dashed) {
    QPen pen(colour, width, dashed ? Qt::DashDotDotLine : Qt::SolidLine, Qt::FlatCap);
    return pen;
}

std::string hex(const QColor& colour) {
    return colour.name(QColor::HexRgb).toStdString();
}

std::string number(double value) {
    std::ostringstream text;
    text << std::round(value * 100) / 100;
    return text.str();
}

std::string points(const QPolygonF& polygon) {
    std::ostringstream text;
    for (qsizetype i = 0; i < polygon.size(); ++i)
        text << (i > 0 ? " " : "") << number(polygon[i].x()) << ',' << number(polygon[i].y());
    return text.str();
}

} // namespace

QImage drawAppIcon(int sizePx) {
    const IconShapes shapes = layOutIcon();
    const IconPens pens = pensFor(sizePx);
    QImage image(sizePx, sizePx, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(sizePx / kDesignSize, sizePx / kDesignSize);

    const double tileSide = kDesignSize - 2 * kTileInset;
    painter.setPen(QPen(kTileEdge, pens.tileEdge));
    painter.setBrush(kTileColour);
    painter.drawRoundedRect(QRectF(kTileInset, kTileInset, tileSide, tileSide), kTileRadius,
                            kTileRadius);

    painter.setPen(QPen(kOutline, pens.outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kWingColour);
    for (const QPolygonF& panel : shapes.panels)
        painter.drawPolygon(panel);
    for (std::size_t i = 0; i < shapes.marks.size(); ++i) {
        painter.setPen(markPen(shapes.markColours[i], pens.mark, pens.dashedMarks));
        painter.drawLine(shapes.marks[i]);
    }
    painter.end();
    return image;
}

std::string appIconSvg() {
    const IconShapes shapes = layOutIcon();
    const IconPens pens = pensFor(kDesignSize);
    const double tileSide = kDesignSize - 2 * kTileInset;
    const std::string size = number(kDesignSize);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n"
                      "<!-- Drawn by tools/sketch (scripts/make-icons); do not edit. -->\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      size + "\" height=\"" + size + "\" viewBox=\"0 0 " + size + " " + size +
                      "\">\n";
    svg += "<rect x=\"" + number(kTileInset) + "\" y=\"" + number(kTileInset) + "\" width=\"" +
           number(tileSide) + "\" height=\"" + number(tileSide) + "\" rx=\"" + number(kTileRadius) +
           "\" fill=\"" + hex(kTileColour) + "\" stroke=\"" + hex(kTileEdge) +
           "\" stroke-width=\"" + number(pens.tileEdge) + "\"/>\n";
    for (const QPolygonF& panel : shapes.panels)
        svg += "<polygon points=\"" + points(panel) + "\" fill=\"" + hex(kWingColour) +
               "\" stroke=\"" + hex(kOutline) + "\" stroke-width=\"" + number(pens.outline) +
               "\" stroke-linejoin=\"round\"/>\n";
    // Qt's dash-dot-dot, counted in pen widths as Qt counts it.
    const double w = pens.mark;
    const std::string dashes = number(4 * w) + " " + number(2 * w) + " " + number(w) + " " +
                               number(2 * w) + " " + number(w) + " " + number(2 * w);
    for (std::size_t i = 0; i < shapes.marks.size(); ++i) {
        const QLineF& mark = shapes.marks[i];
        svg += "<line x1=\"" + number(mark.x1()) + "\" y1=\"" + number(mark.y1()) + "\" x2=\"" +
               number(mark.x2()) + "\" y2=\"" + number(mark.y2()) + "\" stroke=\"" +
               hex(shapes.markColours[i]) + "\" stroke-width=\"" + number(w) +
               "\" stroke-dasharray=\"" + dashes + "\"/>\n";
    }
    return svg + "</svg>\n";
}
