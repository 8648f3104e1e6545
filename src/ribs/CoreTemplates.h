// SPDX-License-Identifier: GPL-3.0-or-later
// Foam-core templates for a hot wire: for each panel, the section at its root and at its tip at
// their chords, turned by their washout about the trailing edge as the ribs are, grown by half
// the wire's kerf so the core comes out at size, with a straight lead-in behind the trailing edge
// where the wire enters. Marks every 10 % of the chord, numbered 1 to 9, stand at the same
// percent on both templates, so two people guiding the wire call the same numbers.
// Millimetres, y up; the chord line on x before the turn, the leading edge at the origin.
#pragma once

#include "ribs/CalculateRibs.h"
#include "ribs/CutLayout.h"

#include <string>
#include <vector>

inline constexpr int kCoreMarkStepPercent = 10;
inline constexpr double kLeadInMm = 10;

struct CoreMark {
    int number = 0;       // 1 at 10 % of the chord
    Point2D upper;        // where the chord's perpendicular meets the template's upper edge
    Point2D lower;        // and its lower edge
    Point2D upperTickEnd; // the tick's inner end from each edge
    Point2D lowerTickEnd;
};

struct CoreTemplate {
    int panel = 0; // from 0
    bool tip = false;
    double chord = 0;
    double twist = 0;       // degrees, leading edge down
    double sweepOffset = 0; // the panel's tip leading edge behind its root's, mm
    double kerf = 0;
    std::string airfoil;
    Polygon section;  // at the chord and turned, before the kerf
    Polygons outline; // the template to cut: the section grown by half the kerf, and the lead-in
    std::vector<CoreMark> marks;
};

struct CoresReport {
    RibsOutcome outcome = RibsOutcome::Ok;
    std::vector<CoreTemplate> templates; // panel by panel, root then tip
    std::optional<RibSettingFault> setting;
    std::string airfoil; // the name no airfoil answers to
};

// The templates of every panel of some length; kerf in mm (the definition's CoreKerf, or what
// the command line gives).
CoresReport coreTemplates(const WingPlanform& planform, const RibsDefinition& definition,
                          double kerf);

// The template as a part: its outline, the ticks, their numbers and the lines of text given
// (what it is, the sweep offset, the kerf), inside it where it is deepest.
CutPart corePart(const CoreTemplate& core, const std::vector<std::string>& lines);
