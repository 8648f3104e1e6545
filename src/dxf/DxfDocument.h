// SPDX-License-Identifier: GPL-3.0-or-later
// An AutoCAD 2000 (AC1015) DXF document in millimetres through dxflib, as the program's drawings
// write it: the header declares the units ($INSUNITS 4) so the drawing opens at true size, the
// tables carry the drawing's named layers, every object its owner handle (so ezdxf's audit finds
// nothing to fix), and the caller writes the entities of model space. y points up.
#pragma once

#include "geometry/Polygon.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class DL_Dxf;
class DxfByteWriter;

struct DxfLayer {
    std::string name;
    int aciColour = 7; // the AutoCAD colour index
};

using DxfEntities = std::function<void(DL_Dxf& dxf, DxfByteWriter& writer)>;

// The whole file: layer 0 and the layers given, the text style at textHeight, the extent in the
// header so a viewer opens on the drawing, then what `entities` writes.
std::string dxfDocument(const std::vector<DxfLayer>& layers, const Box2D& extent, double textHeight,
                        const DxfEntities& entities);

// Entities take their colour from their layer.
void writeClosedPolyline(DL_Dxf& dxf, DxfByteWriter& writer, const std::vector<Point2D>& corners,
                         const std::string& layer);
void writeDxfLine(DL_Dxf& dxf, DxfByteWriter& writer, Point2D from, Point2D to,
                  const std::string& layer);
// One line of text from its baseline's start; height: of a capital.
void writeDxfText(DL_Dxf& dxf, DxfByteWriter& writer, Point2D baselineLeft, double height,
                  std::string_view utf8, const std::string& layer);

// UTF-8 as DXF text of this version: ASCII as it is, every other character as "\U+XXXX".
std::string dxfText(std::string_view utf8);
