// SPDX-License-Identifier: GPL-3.0-or-later

#include "dxf/OutlineDxf.h"

#include "dxf/DxfDocument.h"

namespace {

// The one closed path around the whole outline, for a laser; cyan sets it apart from OUTLINE.
constexpr char kOuterLayer[] = "OUTER";
constexpr int kOuterColour = 4;

double dxfY(double figureY) {
    return 0.0 - figureY; // 0 - 0 is +0: no "-0.0" in the file
}

Point2D dxfPoint(MmPoint point) {
    return {point.x, dxfY(point.y)};
}

std::string layerName(FigureLayer layer) {
    return std::string(styleOf(layer).name);
}

std::vector<DxfLayer> layers(const FullSizeFigure& figure) {
    std::vector<DxfLayer> layers;
    for (const LayerStyle& style : layersOf(figure)) {
        layers.push_back({std::string(style.name), style.aciColour});
        if (style.layer == FigureLayer::Outline)
            layers.push_back({kOuterLayer, kOuterColour});
    }
    return layers;
}

void writeOutline(DL_Dxf& dxf, DxfByteWriter& writer, const std::vector<MmPoint>& corners,
                  const std::string& layer) {
    std::vector<Point2D> points;
    points.reserve(corners.size());
    for (const MmPoint& corner : corners)
        points.push_back(dxfPoint(corner));
    writeClosedPolyline(dxf, writer, points, layer);
}

void writeEntities(DL_Dxf& dxf, DxfByteWriter& writer, const FullSizeFigure& figure) {
    for (const std::vector<MmPoint>& corners : figure.outlines)
        writeOutline(dxf, writer, corners, layerName(FigureLayer::Outline));
    writeOutline(dxf, writer, outerOutline(figure), kOuterLayer);
    for (const FigureLine& mark : figure.marks)
        writeDxfLine(dxf, writer, dxfPoint(mark.segment.from), dxfPoint(mark.segment.to),
                     layerName(mark.layer));
    for (const FigureText& text : figure.texts)
        writeDxfText(dxf, writer, dxfPoint(text.baselineLeft), kFigureTextHeightMm, text.utf8,
                     layerName(FigureLayer::Text));
}

} // namespace

std::string outlineDxfDocument(const FullSizeFigure& figure) {
    const MmRect bounds = figureBounds(figure);
    return dxfDocument(
        layers(figure), {bounds.left, dxfY(bounds.bottom), bounds.right, dxfY(bounds.top)},
        kFigureTextHeightMm,
        [&figure](DL_Dxf& dxf, DxfByteWriter& writer) { writeEntities(dxf, writer, figure); });
}
