// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpSketch.h"

#include "SketchWing.h"
#include "draw/QPainterCanvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// Two panels, the second swept further back and tapered, so that each sweep offset is seen to
// start from the root leading edge and not from the panel's own root.
const std::vector<std::array<const char*, 4>> kSketchPanels{
    {"260", "210", "520", "40"},
    {"", "120", "400", "150"},
};
constexpr const char* kSketchBalance = "30";

constexpr double kTwipsPerMm = 9;
constexpr double kLeadingY = 1950; // twips from the top: room for the mean chord's station
constexpr int kHeight = 375;
// Pixels kept free beyond the outermost names, and between a name and the wing's end.
constexpr double kMargin = 16;
constexpr double kDimensionRoom = 32;

const QColor kOutlineFill(255, 244, 200);
const QColor kDimension(70, 70, 70);
const QColor kExtension(150, 150, 150);
const QColor kRed(210, 0, 0);
const QColor kBlue(0, 0, 220);

// Corners of the sketch in pixels, read back from the figure the canvas draws.
struct SketchPoints {
    double rootX, leadingY, rootTrailingY;
    double jointX, jointLeadingY, jointTrailingY;
    double tipX, tipLeadingY, tipTrailingY;
    double meanChordX, meanChordBottomY, balanceY;
};

SketchPoints pointsOf(const PlanformFigure& figure) {
    const PanelStrokes& inner = figure.panels.at(0);
    const PanelStrokes& outer = figure.panels.at(1);
    const auto corner = [](const PanelStrokes& p, double dy) {
        const double leadingY = p.rootTrailing.y + p.rootChordRise;
        return toPixels(p.rootTrailing.x + p.leadingDx, leadingY + p.leadingDy + dy);
    };
    const QPointF root = toPixels(inner.rootTrailing.x, inner.rootTrailing.y);
    const QPointF rootLeading = toPixels(0, inner.rootTrailing.y + inner.rootChordRise);
    const QPointF jointLeading = corner(inner, 0);
    const QPointF jointTrailing = corner(inner, inner.tipChordDrop);
    const QPointF tipLeading = corner(outer, 0);
    const QPointF tipTrailing = corner(outer, outer.tipChordDrop);
    // marks 0 and 1: the blue balance stroke and the red mean chord through it.
    const QPointF balance = toPixels(figure.marks[1].from.x, figure.marks[0].from.y);
    const QPointF meanChordEnd = toPixels(figure.marks[1].to.x, figure.marks[1].to.y);
    return {root.x(),         rootLeading.y(),   root.y(),         jointLeading.x(),
            jointLeading.y(), jointTrailing.y(), tipLeading.x(),   tipLeading.y(),
            tipTrailing.y(),  balance.x(),       meanChordEnd.y(), balance.y()};
}

QFont sketchFont(bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(bold);
    return font;
}

double textWidth(const QString& text) {
    return QFontMetricsF(sketchFont()).horizontalAdvance(text);
}

// The root goes as far right as the root chord's name needs, the right edge as far as the tip's.
double rootXFor(const SketchWords& words) {
    return std::max(200.0, kMargin + textWidth(words.rootChord) + kDimensionRoom);
}

int imageWidth(const SketchWords& words, double tipX) {
    const double names = std::max(textWidth(words.sweep), textWidth(words.tipChord));
    return static_cast<int>(std::ceil(std::max(920.0, tipX + kDimensionRoom + names + kMargin)));
}

void arrowhead(QPainter& painter, QPointF tip, QPointF from) {
    const QPointF along = tip - from;
    const double length = std::hypot(along.x(), along.y());
    const QPointF unit = along / length;
    const QPointF across(-unit.y(), unit.x());
    const QPointF base = tip - unit * 8;
    painter.drawPolygon(QPolygonF{tip, base + across * 3, base - across * 3});
}

// A dimension line with an arrowhead at both ends.
void dimension(QPainter& painter, QPointF a, QPointF b, const QColor& colour) {
    painter.save();
    painter.setPen(QPen(colour, 1));
    painter.setBrush(colour);
    painter.drawLine(a, b);
    arrowhead(painter, a, b);
    arrowhead(painter, b, a);
    painter.restore();
}

void extension(QPainter& painter, QPointF a, QPointF b) {
    painter.save();
    painter.setPen(QPen(kExtension, 1));
    painter.drawLine(a, b);
    painter.restore();
}

enum class Anchor { Left, Centre, Right };

// uiText centred vertically on y, its left end, middle or right end at x. A halo keeps a text that
// crosses a line readable.
void label(QPainter& painter, const QString& text, double x, double y, Anchor anchor,
           const QColor& colour, bool bold = false, const QColor& halo = Qt::transparent) {
    const QFont font = sketchFont(bold);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    const double left = anchor == Anchor::Left     ? x
                        : anchor == Anchor::Centre ? x - width / 2
                                                   : x - width;
    painter.save();
    painter.fillRect(QRectF(left - 2, y - metrics.height() / 2, width + 4, metrics.height()), halo);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(left, y + (metrics.ascent() - metrics.descent()) / 2), text);
    painter.restore();
}

// The classic balance symbol: a circle with two opposite quarters filled.
void balanceSymbol(QPainter& painter, QPointF centre) {
    constexpr double kRadius = 6;
    const QRectF box(centre.x() - kRadius, centre.y() - kRadius, 2 * kRadius, 2 * kRadius);
    painter.save();
    painter.setPen(QPen(kBlue, 1.2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(box);
    painter.setBrush(kBlue);
    painter.drawPie(box, 0, 90 * 16);
    painter.drawPie(box, 180 * 16, 90 * 16);
    painter.restore();
}

void rootReference(QPainter& painter, const SketchPoints& p) {
    painter.save();
    painter.setPen(QPen(kExtension, 1, Qt::DashLine));
    painter.drawLine(QPointF(p.rootX, p.leadingY), QPointF(p.tipX + 40, p.leadingY));
    painter.restore();
}

void rootChord(QPainter& painter, const SketchPoints& p, const SketchWords& words) {
    const double x = p.rootX - 24;
    extension(painter, {p.rootX - 4, p.leadingY}, {x - 6, p.leadingY});
    extension(painter, {p.rootX - 4, p.rootTrailingY}, {x - 6, p.rootTrailingY});
    dimension(painter, {x, p.leadingY}, {x, p.rootTrailingY}, kDimension);
    label(painter, words.rootChord, x - 8, (p.leadingY + p.rootTrailingY) / 2, Anchor::Right,
          Qt::black);
}

void panelLengths(QPainter& painter, const SketchPoints& p, const SketchWords& words) {
    const double y = std::max({p.rootTrailingY, p.jointTrailingY, p.tipTrailingY}) + 42;
    extension(painter, {p.rootX, p.rootTrailingY + 4}, {p.rootX, y + 6});
    extension(painter, {p.jointX, p.jointTrailingY + 4}, {p.jointX, y + 6});
    extension(painter, {p.tipX, p.tipTrailingY + 4}, {p.tipX, y + 6});
    dimension(painter, {p.rootX, y}, {p.jointX, y}, kDimension);
    dimension(painter, {p.jointX, y}, {p.tipX, y}, kDimension);
    label(painter, words.panelLength, (p.rootX + p.jointX) / 2, y + 14, Anchor::Centre, Qt::black);
    label(painter, words.panelLength, (p.jointX + p.tipX) / 2, y + 14, Anchor::Centre, Qt::black);
}

// Both sweep offsets start at the root's leading edge; the tip chord continues the last one.
void sweepsAndTipChord(QPainter& painter, const SketchPoints& p, const SketchWords& words) {
    dimension(painter, {p.jointX, p.leadingY}, {p.jointX, p.jointLeadingY}, kDimension);
    label(painter, words.sweep, p.jointX + 6, p.leadingY + 10, Anchor::Left, Qt::black);

    const double x = p.tipX + 24;
    extension(painter, {p.tipX + 4, p.tipLeadingY}, {x + 6, p.tipLeadingY});
    extension(painter, {p.tipX + 4, p.tipTrailingY}, {x + 6, p.tipTrailingY});
    dimension(painter, {x, p.leadingY}, {x, p.tipLeadingY}, kDimension);
    dimension(painter, {x, p.tipLeadingY}, {x, p.tipTrailingY}, kDimension);
    label(painter, words.sweep, x + 8, (p.leadingY + p.tipLeadingY) / 2, Anchor::Left, Qt::black);
    label(painter, words.tipChord, x + 8, (p.tipLeadingY + p.tipTrailingY) / 2, Anchor::Left,
          Qt::black);
}

void meanChord(QPainter& painter, const SketchPoints& p, const SketchWords& words) {
    const double y = p.leadingY - 44;
    extension(painter, {p.rootX, p.leadingY - 24}, {p.rootX, y - 6});
    extension(painter, {p.meanChordX, p.leadingY - 4}, {p.meanChordX, y - 6});
    dimension(painter, {p.rootX, y}, {p.meanChordX, y}, kRed);
    label(painter, words.meanChordStation, (p.rootX + p.meanChordX) / 2, y - 12, Anchor::Centre,
          kRed);
    label(painter, words.meanChord, p.meanChordX + 6, p.meanChordBottomY - 8, Anchor::Left, kRed);
}

void balancePoint(QPainter& painter, const SketchPoints& p, const SketchWords& words) {
    const double x = p.meanChordX - 34;
    dimension(painter, {x, p.leadingY}, {x, p.balanceY}, kBlue);
    label(painter, words.balanceDistance, x - 6, (p.leadingY + p.balanceY) / 2, Anchor::Right,
          kBlue);
    balanceSymbol(painter, {p.meanChordX, p.balanceY});
    label(painter, words.balance, p.meanChordX, p.balanceY + 20, Anchor::Centre, kBlue, false,
          kOutlineFill);
}

void panelNames(QPainter& painter, const SketchPoints& p, const SketchWords& words) {
    const double y1 = p.leadingY + (p.jointTrailingY - p.leadingY) * 0.78;
    const double y2 = (p.jointLeadingY + p.jointTrailingY) / 2 + 16;
    label(painter, words.panel + QStringLiteral(" 1"), (p.rootX + p.meanChordX) / 2, y1,
          Anchor::Centre, kDimension, true);
    label(painter, words.panel + QStringLiteral(" 2"), (p.jointX + p.tipX) / 2, y2, Anchor::Centre,
          kDimension, true);
}

} // namespace

QImage drawHelpSketch(const SketchWords& words) {
    const SketchWing wing = calculateSketchWing(kSketchPanels, kSketchBalance);
    const double rootTrailingY = kLeadingY + wing.planform.rootChord[0] * kTwipsPerMm;
    const double rootX = rootXFor(words);
    const PlanformFigure figure = layOutWing(wing, {rootX * 15, rootTrailingY}, kTwipsPerMm);

    const int width = imageWidth(words, rootX + wing.results.halfSpan * kTwipsPerMm / 15);
    QImage image(width, kHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780); // 96 DPI: 15 twips per pixel
    image.setDotsPerMeterY(3780);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterCanvas canvas(painter, QSizeF(width * 15.0, kHeight * 15.0));
    canvas.clear();
    fillPanels(painter, figure, kOutlineFill);
    const SketchPoints points = pointsOf(figure);
    rootReference(painter, points);
    drawFigure(figure, canvas);

    label(painter, words.inputs, 16, 20, Anchor::Left, Qt::black, true);
    rootChord(painter, points, words);
    panelLengths(painter, points, words);
    sweepsAndTipChord(painter, points, words);
    meanChord(painter, points, words);
    balancePoint(painter, points, words);
    panelNames(painter, points, words);
    return image;
}
