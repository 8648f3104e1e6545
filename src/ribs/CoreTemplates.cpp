// SPDX-License-Identifier: GPL-3.0-or-later

#include "ribs/CoreTemplates.h"

#include "geometry/Offset.h"
#include "ribs/TrailingEdgeTurn.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTickMm = 3;
// The lead-in is a strip this high at least, centred on the trailing edge.
constexpr double kLeadInHalfHeight = 0.5;
constexpr double kSmallestText = 0.8;
constexpr double kLargestNumber = 2.5;
constexpr double kLargestText = 3;
constexpr double kLineSpacing = 1.6; // per capital height
constexpr double kTextClearance = 0.5;

Polygon turned(Polygon polygon, const TrailingEdgeTurn& turn) {
    for (Point2D& p : polygon)
        p = turn(p);
    return polygon;
}

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
    Polygons grown = grownBy({section}, kerf / 2);
    const double half = std::max(kLeadInHalfHeight, kerf / 2);
    return unionOf(grown, {rectangle({chord - half, -half, chord + kLeadInMm, half})});
}

std::vector<CoreMark> marksOn(const Polygons& untwisted, double chord,
                              const TrailingEdgeTurn& turn) {
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
    const TrailingEdgeTurn turn(end.chord, end.twist);
    const Polygon section = end.outlines.empty() ? Polygon{} : end.outlines.front();
    const Polygons untwisted = grownWithLeadIn(section, end.chord, kerf);
    core.section = turned(section, turn);
    for (const Polygon& polygon : untwisted)
        core.outline.push_back(turned(polygon, turn));
    core.marks = marksOn(untwisted, end.chord, turn);
    return core;
}

// A text centred on a point, reading left to right.
PartText centredText(Point2D centre, double height, const std::string& utf8) {
    return {{centre.x - estimatedTextWidth(utf8, height) / 2, centre.y - height / 2}, height, utf8};
}

// The mark's number just under its upper tick, as large as the core's depth there allows.
PartText numberUnderTick(const CoreMark& mark) {
    const double room = distance(mark.upperTickEnd, mark.lowerTickEnd);
    const double height = std::clamp(room / 5, kSmallestText, kLargestNumber);
    const double along = (kTextClearance + height / 2) / std::max(room, 1e-9);
    const Point2D below = mark.upperTickEnd;
    return centredText({below.x + (mark.lowerTickEnd.x - below.x) * along,
                        below.y + (mark.lowerTickEnd.y - below.y) * along},
                       height, std::to_string(mark.number));
}

// What is free at a mark: between the bottom of its number and its lower tick.
struct RoomAt {
    double x = 0;
    double top = 0;
    double bottom = 0;
};

// The lines centred where the core is deepest, as large as the room at every mark they cover
// allows, and kept in order when the template is turned.
std::vector<PartText> textBlock(const std::vector<std::string>& lines,
                                const std::vector<RoomAt>& rooms) {
    if (lines.empty() || rooms.empty())
        return {};
    const RoomAt deepest =
        std::ranges::max(rooms, {}, [](const RoomAt& room) { return room.top - room.bottom; });
    const auto count = static_cast<double>(lines.size());
    double height = kLargestText;
    RoomAt fit = deepest;
    for (; height > kSmallestText; height *= 0.9) {
        double widest = 0;
        for (const std::string& line : lines)
            widest = std::max(widest, estimatedTextWidth(line, height));
        fit = deepest;
        for (const RoomAt& room : rooms) {
            if (std::abs(room.x - deepest.x) <= widest / 2) {
                fit.top = std::min(fit.top, room.top);
                fit.bottom = std::max(fit.bottom, room.bottom);
            }
        }
        if (count * height * kLineSpacing <= fit.top - fit.bottom)
            break;
    }
    height = std::max(height, kSmallestText);
    const Point2D centre{deepest.x, (fit.top + fit.bottom) / 2};
    std::vector<PartText> block;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double offset = (count - 1) / 2 - static_cast<double>(i);
        PartText line =
            centredText({centre.x, centre.y + offset * height * kLineSpacing}, height, lines[i]);
        line.anchor = centre;
        block.push_back(std::move(line));
    }
    return block;
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
    std::vector<RoomAt> rooms;
    for (const CoreMark& mark : core.marks) {
        part.marks.push_back({mark.upper, mark.upperTickEnd});
        part.marks.push_back({mark.lower, mark.lowerTickEnd});
        const PartText number = numberUnderTick(mark);
        part.texts.push_back(number);
        rooms.push_back({number.baselineLeft.x + estimatedTextWidth(number.utf8, number.height) / 2,
                         textBoxOf(number).minY - kTextClearance,
                         mark.lowerTickEnd.y + kTextClearance});
    }
    const std::vector<PartText> block = textBlock(lines, rooms);
    part.texts.insert(part.texts.end(), block.begin(), block.end());
    return part;
}
