// SPDX-License-Identifier: GPL-3.0-or-later
// Parts to cut, from a laser's sheet or from printed templates glued on balsa, and how they lie:
// ribs and foam-core templates become parts, and the DXF, SVG and printed pages draw parts.
// Each part keeps its own axes (millimetres, y up) and is placed by a turn and a move.
#pragma once

#include "geometry/Nesting.h"
#include "geometry/Polygon.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Lines engraved or drawn on a part: where a jig tab comes off, a spar's centre, a core's marks.
struct PartMark {
    Point2D from;
    Point2D to;
};

struct PartText {
    Point2D baselineLeft;
    double height = 0; // of a capital
    std::string utf8;
    // What the text turns about with its part, keeping its offset from it: the middle of a block
    // of lines keeps them in order. None: the middle of the text's own box.
    std::optional<Point2D> anchor = {};
};

struct CutPart {
    std::string name;  // what it is, for a page of its own: its label
    Polygons outlines; // the cut, closed and counter-clockwise
    std::vector<PartMark> marks;
    std::vector<PartText> texts;
};

// The width an engraving font's average character gives a text of that capital height (exact
// widths need the font), and the box the text is expected in, its descent included.
double estimatedTextWidth(std::string_view utf8, double height);
Box2D textBoxOf(const PartText& text);

// Everything the part occupies: outlines, marks and texts.
Box2D partExtent(const CutPart& part);

// Where a placed part's text begins. Texts keep reading left to right: each text's anchor turns
// with the part, the text itself does not.
Point2D placedBaseline(const PartText& text, const PartPlacement& at);

struct CutLayout {
    std::vector<CutPart> parts;
    std::vector<PartPlacement> placements;
    std::vector<Box2D> sheets; // the cutter's sheets, drawn on their own layer; none: no sheets
};

// Every part, and every sheet.
Box2D layoutBounds(const CutLayout& layout);

// The parts one under the other, gap mm between them, the first one's top at 0 (x as it is).
CutLayout layoutOneUnderAnother(std::vector<CutPart> parts, double gap);

// What the nesting keeps apart: the part's outlines and the boxes of its texts and marks.
Polygons footprintOf(const CutPart& part);
std::vector<Polygons> footprintsOf(const std::vector<CutPart>& parts);

// The parts nested on as many sheets as they need, the sheets one after another along x; with
// the parts no sheet holds, which are left out.
struct NestedLayout {
    CutLayout layout;
    std::vector<std::size_t> tooLarge; // indexes into the parts given
};
NestedLayout layoutOnSheets(const std::vector<CutPart>& parts, const NestingSheet& sheet);
