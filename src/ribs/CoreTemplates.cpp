// SPDX-License-Identifier: GPL-3.0-or-later

#include "ribs/CoreTemplates.h"

#include "geometry/Offset.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTickMm = 3;
// The lead-in is a strip this high at least, centred on the trailing edge.
constexpr double kLeadInHalfHeight = 0.5;
constexpr double kSmallestText = 0.8;
constexpr double kLargestNumber = 2.5;
constexpr double kLargestText = 3;
constexpr double kLineSpacing = 1.6; // per capital height
constexpr double kTextClearance = 0.5;

// Turned about the trailing edge by the twist, leading edge down, as the ribs turn on the wing.
struct TurnAboutTrailingEdge {
    double chord;
    double sine;
    double cosine;
    TurnAboutTrailingEdge(double chordMm, double twist)
        : chord(chordMm)
        , sine(std::sin(twist * std::numbers::pi / 180))
        , cosine(std::cos(twist * std::numbers::pi / 180)) {}
    Point2D operator()(Point2D p) const {
        const double x = p.x - chord;
        return {chord + x * cosine - p.y * sine, x * sine + p.y * cosine};
    }
    Polygon operator()(Polygon polygon) const {
        for (Point2D& p : polygon)
            p = (*this)(p);
        return polygon;
    }
};

RibsDefinition sectionsOnly(const RibsDefinition& definition) {
    RibsDefinition plain = definition;
    RibSettings& s = plain.settings;
    s.sheeting = 0;
    s.leadingEdgeCut = 0;
    s.trailingEdgeCut = 0;
    s.spars = {};
    s.jig.enabled = false;
    return plain;
}

Polygons grownWithLeadIn(const Polygon& section, double chord, double kerf) {
    Polygons grown = kerf > 0 ? insetPolygon(section, -kerf / 2) : Polygons{section};
    const double half = std::max(kLeadInHalfHeight, kerf / 2);
    return unionOf(grown, {rectangle({chord - half, -half, chord + kLeadInMm, half})});
}

std::vector<CoreMark> marksOn(const Polygons& untwisted, double chord,
                              const TurnAboutTrailingEdge& turn) {
    std::vector<CoreMark> marks;
    for (int percent = kCoreMarkStepPercent; percent < 100; percent += kCoreMarkStepPercent) {
        const double x = chord * percent / 100;
        const std::optional<VerticalSpan> span = verticalSpanAt(untwisted, x);
        if (!span)
            continue;
        const double tick = std::min(kTickMm, (span->top - span->bottom) / 4);
        marks.push_back({percent / kCoreMarkStepPercent, turn({x, span->top}),
                         turn({x, span->bottom}), turn({x, span->top - tick}),
                         turn({x, span->bottom + tick})});
    }
    return marks;
}

CoreTemplate coreTemplate(const Rib& end, const RibStation& root, const RibStation& tip,
                          double kerf) {
    CoreTemplate core;
    core.panel = end.panel;
    core.tip = end.number == 2;
    core.chord = end.chord;
    core.twist = end.twist;
    core.sweepOffset = tip.leadingEdgeX - root.leadingEdgeX;
    core.kerf = kerf;
    core.airfoil = core.tip ? end.outerAirfoil : end.innerAirfoil;
    const TurnAboutTrailingEdge turn(end.chord, end.twist);
    const Polygon section = end.outlines.empty() ? Polygon{} : end.outlines.front();
    const Polygons untwisted = grownWithLeadIn(section, end.chord, kerf);
    core.section = turn(section);
    for (const Polygon& polygon : untwisted)
        core.outline.push_back(turn(polygon));
    core.marks = marksOn(untwisted, end.chord, turn);
    return core;
}

double distance(Point2D a, Point2D b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

Point2D middle(Point2D a, Point2D b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

// A text centred on a point, reading left to right.
PartText centredText(Point2D centre, double height, const std::string& utf8) {
    return {{centre.x - estimatedTextWidth(utf8, height) / 2, centre.y - height / 2}, height, utf8};
}

} // namespace

CoresReport coreTemplates(const WingPlanform& planform, const RibsDefinition& definition,
                          double kerf) {
    const std::vector<RibStation> ends = panelEndStations(planform, definition.settings);
    RibsReport sections = calculateRibsAt(planform, sectionsOnly(definition), ends);
    CoresReport report{sections.outcome, {}, sections.setting, sections.airfoil};
    for (std::size_t i = 0; i + 1 < sections.ribs.size(); i += 2) {
        for (std::size_t end = i; end <= i + 1; ++end)
            report.templates.push_back(
                coreTemplate(sections.ribs[end], ends[i], ends[i + 1], kerf));
    }
    return report;
}

CutPart corePart(const CoreTemplate& core, const std::vector<std::string>& lines) {
    CutPart part;
    part.name = lines.empty() ? std::string() : lines.front();
    part.outlines = core.outline;
    std::optional<CoreMark> deepest;
    for (const CoreMark& mark : core.marks) {
        part.marks.push_back({mark.upper, mark.upperTickEnd});
        part.marks.push_back({mark.lower, mark.lowerTickEnd});
        const double room = distance(mark.upperTickEnd, mark.lowerTickEnd);
        const double height = std::clamp(room / 5, kSmallestText, kLargestNumber);
        const Point2D below = mark.upperTickEnd;
        const double along = (kTextClearance + height / 2) / std::max(room, 1e-9);
        part.texts.push_back(centredText({below.x + (mark.lowerTickEnd.x - below.x) * along,
                                          below.y + (mark.lowerTickEnd.y - below.y) * along},
                                         height, std::to_string(mark.number)));
        if (!deepest || room > distance(deepest->upperTickEnd, deepest->lowerTickEnd))
            deepest = mark;
    }
    if (!deepest || lines.empty())
        return part;
    // Between the numbers under the upper ticks and the lower ticks, where the core is deepest.
    const double numberBand = std::clamp(distance(deepest->upperTickEnd, deepest->lowerTickEnd) / 5,
                                         kSmallestText, kLargestNumber) +
                              2 * kTextClearance;
    const double room =
        distance(deepest->upperTickEnd, deepest->lowerTickEnd) - numberBand - kTextClearance;
    const double height = std::clamp(room / (static_cast<double>(lines.size()) * kLineSpacing),
                                     kSmallestText, kLargestText);
    const Point2D centre = middle(deepest->lowerTickEnd,
                                  {deepest->upperTickEnd.x, deepest->upperTickEnd.y - numberBand});
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double offset = (static_cast<double>(lines.size()) - 1) / 2 - static_cast<double>(i);
        PartText line =
            centredText({centre.x, centre.y + offset * height * kLineSpacing}, height, lines[i]);
        line.anchor = centre;
        part.texts.push_back(std::move(line));
    }
    return part;
}
