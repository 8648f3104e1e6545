// SPDX-License-Identifier: GPL-3.0-or-later

#include "dxf/OutlineDxf.h"

#include "dxf/DxfByteWriter.h"

#include <cstdio>
#include <dl_dxf.h>

namespace {

constexpr int kByLayer = 256;
constexpr int kMillimetres = 4; // $INSUNITS
constexpr int kMetric = 1;      // $MEASUREMENT
constexpr int kClosed = 1;      // polyline flag
constexpr char kTextStyle[] = "Standard";
// The one closed path around the whole outline, for a laser; cyan sets it apart from OUTLINE.
constexpr char kOuterLayer[] = "OUTER";
constexpr int kOuterColour = 4;

// The block records dxflib gives model space and the two paper spaces, each with its block.
struct LayoutBlock {
    const char* name;
    const char* record;
};
constexpr LayoutBlock kLayoutBlocks[] = {
    {"*Model_Space", "1F"}, {"*Paper_Space", "1B"}, {"*Paper_Space0", "23"}};

double dxfY(double figureY) {
    return 0.0 - figureY; // 0 - 0 is +0: no "-0.0" in the file
}

DL_Attributes onLayer(const std::string& name) {
    return DL_Attributes(name, kByLayer, -1, -1, "BYLAYER");
}

DL_Attributes onLayer(FigureLayer layer) {
    return onLayer(std::string(styleOf(layer).name));
}

void writeHeader(DL_Dxf& dxf, DxfByteWriter& writer, const FullSizeFigure& figure) {
    dxf.writeHeader(writer);
    writer.dxfString(9, "$INSUNITS");
    writer.dxfInt(70, kMillimetres);
    writer.dxfString(9, "$MEASUREMENT");
    writer.dxfInt(70, kMetric);
    writer.dxfString(9, "$DWGCODEPAGE");
    writer.dxfString(3, "ANSI_1252");
    const MmRect bounds = figureBounds(figure);
    writer.dxfString(9, "$EXTMIN");
    writer.coord(10, bounds.left, dxfY(bounds.bottom), 0);
    writer.dxfString(9, "$EXTMAX");
    writer.coord(10, bounds.right, dxfY(bounds.top), 0);
    writer.sectionEnd();
}

void writeLayer(DL_Dxf& dxf, DxfByteWriter& writer, const std::string& name, int colour) {
    dxf.writeLayer(writer, DL_LayerData(name, 0), DL_Attributes("", colour, -1, -1, "CONTINUOUS"));
}

void writeLayers(DL_Dxf& dxf, DxfByteWriter& writer, const FullSizeFigure& figure) {
    const std::vector<LayerStyle> layers = layersOf(figure);
    writer.tableLayers(static_cast<int>(layers.size()) + 2);
    // Layer 0 must exist in every drawing, even when nothing is on it.
    writeLayer(dxf, writer, "0", 7);
    for (const LayerStyle& style : layers) {
        writeLayer(dxf, writer, std::string(style.name), style.aciColour);
        if (style.layer == FigureLayer::Outline)
            writeLayer(dxf, writer, kOuterLayer, kOuterColour);
    }
    writer.tableEnd();
}

// The tables every AutoCAD 2000 drawing carries, in the order dxflib's own files have them.
void writeTables(DL_Dxf& dxf, DxfByteWriter& writer, const FullSizeFigure& figure) {
    writer.sectionTables();
    dxf.writeVPort(writer);
    writer.tableLinetypes(3);
    dxf.writeLinetype(writer, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(writer, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(writer, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    writer.tableEnd();
    writeLayers(dxf, writer, figure);
    writer.tableStyle(1);
    dxf.writeStyle(writer,
                   DL_StyleData(kTextStyle, 0, 0.0, 1.0, 0.0, 0, kFigureTextHeightMm, "txt", ""));
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

void writeOutline(DL_Dxf& dxf, DxfByteWriter& writer, const std::vector<MmPoint>& corners,
                  const DL_Attributes& layer) {
    dxf.writePolyline(writer, DL_PolylineData(static_cast<int>(corners.size()), 0, 0, kClosed),
                      layer);
    for (const MmPoint& corner : corners)
        dxf.writeVertex(writer, DL_VertexData(corner.x, dxfY(corner.y)));
    dxf.writePolylineEnd(writer);
}

void writeEntities(DL_Dxf& dxf, DxfByteWriter& writer, const FullSizeFigure& figure) {
    writer.sectionEntities();
    writer.setOwner(kLayoutBlocks[0].record);
    for (const std::vector<MmPoint>& corners : figure.outlines)
        writeOutline(dxf, writer, corners, onLayer(FigureLayer::Outline));
    writeOutline(dxf, writer, outerOutline(figure), onLayer(kOuterLayer));
    for (const FigureLine& mark : figure.marks) {
        const MmSegment& s = mark.segment;
        dxf.writeLine(writer, DL_LineData(s.from.x, dxfY(s.from.y), 0, s.to.x, dxfY(s.to.y), 0),
                      onLayer(mark.layer));
    }
    for (const FigureText& text : figure.texts) {
        const double x = text.baselineLeft.x;
        const double y = dxfY(text.baselineLeft.y);
        dxf.writeText(writer,
                      DL_TextData(x, y, 0, x, y, 0, kFigureTextHeightMm, 1.0, 0, 0, 0,
                                  dxfText(text.utf8), kTextStyle, 0.0),
                      onLayer(FigureLayer::Text));
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

std::string outlineDxfDocument(const FullSizeFigure& figure) {
    DL_Dxf dxf;
    DxfByteWriter writer(DL_VERSION_2000);
    writeHeader(dxf, writer, figure);
    writeTables(dxf, writer, figure);
    writeBlocks(dxf, writer);
    writeEntities(dxf, writer, figure);
    dxf.writeObjects(writer);
    dxf.writeObjectsEnd(writer);
    writer.dxfEOF();
    return writer.bytes();
}
