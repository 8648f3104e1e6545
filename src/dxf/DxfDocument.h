// SPDX-License-Identifier: GPL-3.0-or-later
// An AutoCAD 2000 (AC1015) DXF document in millimetres through dxflib, of named layers holding
// closed polylines and single-line texts: what a laser or CNC program needs of a drawing. The
// header declares the units ($INSUNITS 4), so the drawing opens at true size. y points up.
#pragma once

#include "geometry/Polygon.h"

#include <string>
#include <vector>

struct DxfLayer {
    std::string name;
    int aciColour = 7; // the AutoCAD colour index
};

struct DxfText {
    Point2D baselineLeft;
    double height = 0; // of a capital letter
    std::string utf8;
    int layer = 0; // index into the layers
};

struct DxfPolygon {
    Polygon corners; // written as one closed LWPOLYLINE
    int layer = 0;
};

struct DxfDrawing {
    std::vector<DxfLayer> layers;
    std::vector<DxfPolygon> polygons;
    std::vector<DxfText> texts;
    Box2D extent; // for the header, so a viewer opens on the drawing
};

// The whole file, ready to be written.
std::string dxfDocument(const DxfDrawing& drawing);
