// SPDX-License-Identifier: GPL-3.0-or-later
// One rib of the wing, ready to draw, cut or nest: its outline at true size with every notch and
// cut, where it stands on the wing, and what keeps it from being made as asked. Millimetres; the
// rib's own axes have its chord line on x, the leading edge at the origin before any cut, the
// upper surface towards +y.
#pragma once

#include "geometry/Polygon.h"
#include "ribs/RibSettings.h"

#include <array>
#include <string>
#include <vector>

enum class RibProblemKind {
    SheetingTooThick, // the sheeting leaves no rib, or a rib in pieces or short of the cut line
    NotchTooDeep,     // a spar notch reaches through the rib
    NotchOutsideRib,  // a spar's position lies where the rib has nothing
    NothingLeft,      // the leading- and trailing-edge cuts leave nothing
    JigTabOutsideRib, // a jig tab's place lies where the rib has nothing
};

struct RibProblem {
    RibProblemKind kind = RibProblemKind::NothingLeft;
    int spar = -1; // the spar of a notch problem, the tab of a jig tab's, from 0
    bool operator==(const RibProblem&) const = default;
};

// A spar notch as cut: centred at x, its floor at floorTop (for a notch from the top) and
// floorBottom (from the bottom).
struct RibNotch {
    int spar = 0; // from 0
    NotchSide side = NotchSide::Top;
    double x = 0;
    double width = 0;
    double depth = 0;
    double floorTop = 0;
    double floorBottom = 0;
};

// A jig tab as cut, in the rib's axes: its foot on the building board, corner by corner from the
// front, and the line along which it comes off, on the sheeting's outer surface.
struct JigTab {
    int tab = 0; // 0 the front tab, 1 the rear
    std::array<Point2D, 2> foot{};
    std::array<Point2D, 2> cutLine{};
};

struct Rib {
    int panel = 0;           // from 0, as the panel arrays
    int number = 0;          // from 1 within its panel, as labelled: the panel's root rib is 1
    double station = 0;      // mm from the root along the span
    double chord = 0;        // the local chord
    double leadingEdgeX = 0; // mm behind the root leading edge, as the planform places it
    double twist = 0;        // degrees, positive leading edge down
    std::string innerAirfoil;
    std::string outerAirfoil;
    double blend = 0; // 0 at the inner station, 1 at the outer

    Polygons outlines; // closed, counter-clockwise; more than one when the rib fell apart
    std::vector<RibNotch> notches;
    std::vector<JigTab> jigTabs; // part of the outlines
    std::string label;           // "P2 R3  182.4": panel, rib and chord
    Point2D labelAt;             // the label's baseline start, inside the rib where it fits
    double labelHeight = 0;      // of a capital letter
    double area = 0;             // mm²
    double maxThickness = 0;     // of the section at this chord, less the sheeting on both sides
    std::vector<RibProblem> problems; // empty when the rib is whole
};
