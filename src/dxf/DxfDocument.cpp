// SPDX-License-Identifier: GPL-3.0-or-later

#include "dxf/DxfDocument.h"

#include "dxf/DxfByteWriter.h"

#include <cstdio>
#include <dl_dxf.h>

namespace {

constexpr int kByLayer = 256;
constexpr int kMillimetres = 4; // $INSUNITS
constexpr int kMetric = 1;      // $MEASUREMENT
constexpr int kClosed = 1;      // polyline flag
constexpr char kTextStyle[] = "Standard";

// The block records dxflib gives model space and the two paper spaces, each with its block.
struct LayoutBlock {
    const char* name;
    const char* record;
};
constexpr LayoutBlock kLayoutBlocks[] = {
    {"*Model_Space", "1F"}, {"*Paper_Space", "1B"}, {"*Paper_Space0", "23"}};

DL_Attributes onLayer(const std::string& name) {
    return DL_Attributes(name, kByLayer, -1, -1, "BYLAYER");
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

void writeLayer(DL_Dxf& dxf, DxfByteWriter& writer, const std::string& name, int colour) {
    dxf.writeLayer(writer, DL_LayerData(name, 0), DL_Attributes("", colour, -1, -1, "CONTINUOUS"));
}

// The tables every AutoCAD 2000 drawing carries, in the order dxflib's own files have them;
// layer 0 must exist in every drawing, even when nothing is on it.
void writeTables(DL_Dxf& dxf, DxfByteWriter& writer, const std::vector<DxfLayer>& layers,
                 double textHeight) {
    writer.sectionTables();
    dxf.writeVPort(writer);
    writer.tableLinetypes(3);
    dxf.writeLinetype(writer, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(writer, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(writer, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    writer.tableEnd();
    writer.tableLayers(static_cast<int>(layers.size()) + 1);
    writeLayer(dxf, writer, "0", 7);
    for (const DxfLayer& layer : layers)
        writeLayer(dxf, writer, layer.name, layer.aciColour);
    writer.tableEnd();
    writer.tableStyle(1);
    dxf.writeStyle(writer, DL_StyleData(kTextStyle, 0, 0.0, 1.0, 0.0, 0, textHeight, "txt", ""));
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
    for (const LayoutBlock& block : kLayoutBlocks) {
        writer.setOwner(block.record);
        dxf.writeBlock(writer, DL_BlockData(block.name, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(writer, block.name);
    }
    writer.sectionEnd();
}

// The code point starting at text[i], moving i past it; U+FFFD for a byte that starts none.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = static_cast<unsigned char>(text[i++]);
    const int length = byte < 0x80    ? 0
                       : byte >= 0xF0 ? 3
                       : byte >= 0xE0 ? 2
                       : byte >= 0xC0 ? 1
                                      : -1;
    if (length < 0)
        return 0xFFFD;
    char32_t point = length == 0 ? byte : byte & (0x3F >> length);
    for (int k = 0; k < length; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        point = (point << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return point;
}

} // namespace

std::string dxfDocument(const std::vector<DxfLayer>& layers, const Box2D& extent, double textHeight,
                        const DxfEntities& entities) {
    DL_Dxf dxf;
    DxfByteWriter writer(DL_VERSION_2000);
    writeHeader(dxf, writer, extent);
    writeTables(dxf, writer, layers, textHeight);
    writeBlocks(dxf, writer);
    writer.sectionEntities();
    writer.setOwner(kLayoutBlocks[0].record);
    entities(dxf, writer);
    writer.sectionEnd();
    dxf.writeObjects(writer);
    dxf.writeObjectsEnd(writer);
    writer.dxfEOF();
    return writer.bytes();
}

void writeClosedPolyline(DL_Dxf& dxf, DxfByteWriter& writer, const std::vector<Point2D>& corners,
                         const std::string& layer) {
    dxf.writePolyline(writer, DL_PolylineData(static_cast<int>(corners.size()), 0, 0, kClosed),
                      onLayer(layer));
    for (const Point2D& corner : corners)
        dxf.writeVertex(writer, DL_VertexData(corner.x, corner.y));
    dxf.writePolylineEnd(writer);
}

void writeDxfLine(DL_Dxf& dxf, DxfByteWriter& writer, Point2D from, Point2D to,
                  const std::string& layer) {
    dxf.writeLine(writer, DL_LineData(from.x, from.y, 0, to.x, to.y, 0), onLayer(layer));
}

void writeDxfText(DL_Dxf& dxf, DxfByteWriter& writer, Point2D baselineLeft, double height,
                  std::string_view utf8, const std::string& layer) {
    const double x = baselineLeft.x;
    const double y = baselineLeft.y;
    dxf.writeText(
        writer, DL_TextData(x, y, 0, x, y, 0, height, 1.0, 0, 0, 0, dxfText(utf8), kTextStyle, 0.0),
        onLayer(layer));
}

std::string dxfText(std::string_view utf8) {
    std::string text;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t point = nextCodePoint(utf8, i);
        if (point < 0x80) {
            text += static_cast<char>(point);
            continue;
        }
        // The escape has four hex digits: characters beyond them cannot be written.
        char escape[12];
        std::snprintf(escape, sizeof escape, "\\U+%04X",
                      static_cast<unsigned>(point <= 0xFFFF ? point : 0xFFFD));
        text += escape;
    }
    return text;
}
