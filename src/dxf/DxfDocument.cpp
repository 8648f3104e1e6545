// SPDX-License-Identifier: GPL-3.0-or-later

#include "dxf/DxfDocument.h"

#include "dxf/DxfByteWriter.h"
#include "dxf/OutlineDxf.h"

#include <dl_dxf.h>

namespace {

constexpr int kByLayer = 256;
constexpr int kMillimetres = 4; // $INSUNITS
constexpr int kMetric = 1;      // $MEASUREMENT
constexpr int kClosed = 1;      // polyline flag
constexpr char kTextStyle[] = "Standard";
constexpr double kStyleTextHeight = 3;

DL_Attributes onLayer(const DxfDrawing& drawing, int layer) {
    return DL_Attributes(drawing.layers[static_cast<std::size_t>(layer)].name, kByLayer, -1, -1,
                         "BYLAYER");
}

void writeHeader(DL_Dxf& dxf, DxfByteWriter& writer, const Box2D& extent) {
    dxf.writeHeader(writer);
    writer.dxfString(9, "$INSUNITS");
    writer.dxfInt(70, kMillimetres);
    writer.dxfString(9, "$MEASUREMENT");
    writer.dxfInt(70, kMetric);
    writer.dxfString(9, "$DWGCODEPAGE");
    writer.dxfString(3, "ANSI_1252");
    writer.dxfString(9, "$EXTMIN");
    writer.coord(10, extent.minX, extent.minY, 0);
    writer.dxfString(9, "$EXTMAX");
    writer.coord(10, extent.maxX, extent.maxY, 0);
    writer.sectionEnd();
}

// The tables every AutoCAD 2000 drawing carries, in the order dxflib's own files have them;
// layer 0 must exist in every drawing, even when nothing is on it.
void writeTables(DL_Dxf& dxf, DxfByteWriter& writer, const std::vector<DxfLayer>& layers) {
    writer.sectionTables();
    dxf.writeVPort(writer);
    writer.tableLinetypes(3);
    dxf.writeLinetype(writer, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(writer, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(writer, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    writer.tableEnd();
    writer.tableLayers(static_cast<int>(layers.size()) + 1);
    dxf.writeLayer(writer, DL_LayerData("0", 0), DL_Attributes("", 7, -1, -1, "CONTINUOUS"));
    for (const DxfLayer& layer : layers)
        dxf.writeLayer(writer, DL_LayerData(layer.name, 0),
                       DL_Attributes("", layer.aciColour, -1, -1, "CONTINUOUS"));
    writer.tableEnd();
    writer.tableStyle(1);
    dxf.writeStyle(writer,
                   DL_StyleData(kTextStyle, 0, 0.0, 1.0, 0.0, 0, kStyleTextHeight, "txt", ""));
    writer.tableEnd();
    dxf.writeView(writer);
    dxf.writeUcs(writer);
    writer.tableAppid(1);
    dxf.writeAppid(writer, "ACAD");
    writer.tableEnd();
    dxf.writeDimStyle(writer, 2.5, 1.25, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(writer);
    writer.tableEnd();
    writer.sectionEnd();
}

void writeBlocks(DL_Dxf& dxf, DxfByteWriter& writer) {
    writer.sectionBlocks();
    for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(writer, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(writer, name);
    }
    writer.sectionEnd();
}

void writeEntities(DL_Dxf& dxf, DxfByteWriter& writer, const DxfDrawing& drawing) {
    writer.sectionEntities();
    for (const DxfPolygon& polygon : drawing.polygons) {
        dxf.writePolyline(writer,
                          DL_PolylineData(static_cast<int>(polygon.corners.size()), 0, 0, kClosed),
                          onLayer(drawing, polygon.layer));
        for (const Point2D& corner : polygon.corners)
            dxf.writeVertex(writer, DL_VertexData(corner.x + 0.0, corner.y + 0.0));
        dxf.writePolylineEnd(writer);
    }
    for (const DxfText& text : drawing.texts) {
        const double x = text.baselineLeft.x;
        const double y = text.baselineLeft.y;
        dxf.writeText(writer,
                      DL_TextData(x, y, 0, x, y, 0, text.height, 1.0, 0, 0, 0, dxfText(text.utf8),
                                  kTextStyle, 0.0),
                      onLayer(drawing, text.layer));
    }
    writer.sectionEnd();
}

} // namespace

std::string dxfDocument(const DxfDrawing& drawing) {
    DL_Dxf dxf;
    DxfByteWriter writer(DL_VERSION_2000);
    writeHeader(dxf, writer, drawing.extent);
    writeTables(dxf, writer, drawing.layers);
    writeBlocks(dxf, writer);
    writeEntities(dxf, writer, drawing);
    dxf.writeObjects(writer);
    dxf.writeObjectsEnd(writer);
    writer.dxfEOF();
    return writer.bytes();
}
