// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/OutlineSvg.h"

#include "draw/QPainterCanvas.h"

#include <QBuffer>
#include <QPainter>
#include <QPolygonF>
#include <QSvgGenerator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cmath>
#include <vector>

namespace {

// One pixel of the generator is 0.1 mm, so the document's size in whole pixels is exact in mm.
constexpr int kDotsPerInch = 254;
constexpr int kPixelsPerMm = 10;
constexpr double kMarginMm = 5;
const QString kSvgNamespace = QStringLiteral("http://www.w3.org/2000/svg");
const QString kInkscapeNamespace = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");

// The figure with a margin, in whole millimetres.
QRectF viewBoxOf(const FullSizeFigure& figure) {
    const MmRect bounds = figureBounds(figure);
    const double left = std::floor(bounds.left - kMarginMm);
    const double top = std::floor(bounds.top - kMarginMm);
    return {left, top, std::ceil(bounds.right + kMarginMm) - left,
            std::ceil(bounds.bottom + kMarginMm) - top};
}

QPointF toQt(MmPoint point) {
    return {point.x, point.y};
}

void drawLayer(QPainter& painter, const FullSizeFigure& figure, FigureLayer layer) {
    switch (layer) {
    case FigureLayer::Outline:
        for (const std::vector<MmPoint>& corners : figure.outlines) {
            QPolygonF polygon;
            for (const MmPoint& corner : corners)
                polygon << toQt(corner);
            painter.drawPolygon(polygon);
        }
        return;
    case FigureLayer::Text: {
        // The generator writes a font's size as points times its resolution over 72, in user
        // units: this point size makes that the em in millimetres.
        QFont font = sheetQFont({});
        font.setPointSizeF(kFigureTextHeightMm / kCapHeightPerEm * 72 / kDotsPerInch);
        painter.setFont(font);
        for (const FigureText& text : figure.texts)
            painter.drawText(toQt(text.baselineLeft), QString::fromStdString(text.utf8));
        return;
    }
    case FigureLayer::MeanChord:
    case FigureLayer::Balance:
    case FigureLayer::Axis:
    case FigureLayer::NeutralPoint:
    case FigureLayer::MarginBalance:
    case FigureLayer::Ribs:
        break;
    }
    for (const FigureLine& mark : figure.marks) {
        if (mark.layer == layer)
            painter.drawLine(QLineF(toQt(mark.segment.from), toQt(mark.segment.to)));
    }
}

// One layer as a document of its own, drawn in the figure's millimetres.
QByteArray layerDocument(const FullSizeFigure& figure, FigureLayer layer, const QRectF& viewBox) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(kDotsPerInch);
    generator.setSize(QSize(static_cast<int>(viewBox.width()) * kPixelsPerMm,
                            static_cast<int>(viewBox.height()) * kPixelsPerMm));
    generator.setViewBox(viewBox);
    generator.setTitle({});
    generator.setDescription({});
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    const Rgb colour = styleOf(layer).colour;
    QPen pen(QColor(colour.red, colour.green, colour.blue), kSvgHairlineMm);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    drawLayer(painter, figure, layer);
    painter.end();
    return bytes;
}

// Copies what lies inside the generator's root element, but its title, description and
// definitions, into a group named after the layer.
bool copyLayer(QXmlStreamReader& reader, QXmlStreamWriter& writer, std::string_view name) {
    const QString layerName = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    writer.writeStartElement(kSvgNamespace, QStringLiteral("g"));
    writer.writeAttribute(QStringLiteral("id"), layerName);
    writer.writeAttribute(kInkscapeNamespace, QStringLiteral("label"), layerName);
    writer.writeAttribute(kInkscapeNamespace, QStringLiteral("groupmode"), QStringLiteral("layer"));
    int depth = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && depth == 0 &&
            (reader.name() == u"title" || reader.name() == u"desc" || reader.name() == u"defs")) {
            reader.skipCurrentElement();
            continue;
        }
        if (reader.isEndElement() && depth == 0)
            break; // the root's end
        if (reader.isStartElement())
            ++depth;
        if (reader.isEndElement())
            --depth;
        writer.writeCurrentToken(reader);
    }
    writer.writeEndElement();
    return !reader.hasError();
}

bool readToRoot(QXmlStreamReader& reader) {
    return reader.readNextStartElement() && reader.name() == u"svg";
}

} // namespace

std::optional<QByteArray> outlineSvgDocument(const FullSizeFigure& figure, const QString& title) {
    const QRectF viewBox = viewBoxOf(figure);
    QByteArray document;
    QXmlStreamWriter writer(&document);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    bool rootWritten = false;
    for (const LayerStyle& style : layersOf(figure)) {
        const QByteArray layer = layerDocument(figure, style.layer, viewBox);
        QXmlStreamReader reader(layer);
        if (!readToRoot(reader))
            return std::nullopt;
        if (!rootWritten) {
            // The generator's own root: its width and height in mm and its viewBox.
            writer.writeDefaultNamespace(kSvgNamespace);
            writer.writeNamespace(kInkscapeNamespace, QStringLiteral("inkscape"));
            writer.writeStartElement(kSvgNamespace, QStringLiteral("svg"));
            writer.writeAttributes(reader.attributes());
            writer.writeTextElement(kSvgNamespace, QStringLiteral("title"), title);
            rootWritten = true;
        }
        if (!copyLayer(reader, writer, style.name))
            return std::nullopt;
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return document;
}
