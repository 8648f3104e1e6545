// SPDX-License-Identifier: GPL-3.0-or-later
// What the ribs become to be cut: jig tabs whose feet, placed in 3-D where each rib stands and
// turned about its trailing edge by its washout, lie in one flat board level with the root's
// chord, however the wing is built; and the foam-core templates of a five-panel wing, measured
// on their outlines for chord, marks and sweep offset.
#include "ribs/CalculateRibs.h"
#include "ribs/CoreTemplates.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

// Five panels swept back and tapered, 3° of washout at the tip.
WingPlanform fivePanels() {
    WingPlanform planform;
    planform.rootChord = {260, 240, 220, 180, 140};
    planform.tipChord = {240, 220, 180, 140, 90};
    planform.panelLength = {200, 200, 180, 160, 120};
    planform.sweepOffset = {5, 15, 40, 70, 110};
    planform.lastPanel = 4;
    return planform;
}

RibsDefinition washedOut() {
    RibsDefinition definition = defaultRibsDefinition();
    RibSettings& s = definition.settings;
    s.spacing = 45;
    s.sheeting = 1.5;
    s.trailingEdgeCut = 12;
    s.spars[0] = SparNotch{30, 6, 3, NotchSide::Both};
    s.twist = {0.5, 1, 1.75, 2.5, 3};
    s.jig.enabled = true;
    definition.stationAirfoils = {"NACA 2412", "", "NACA 2410", "", "", "NACA 0009"};
    return definition;
}

// A point's height on the wing, worked out here alone: the rib turned about its trailing edge,
// leading edge down by its twist.
double heightOnWing(const Rib& rib, Point2D p) {
    const double t = rib.twist * std::numbers::pi / 180;
    return (p.x - rib.chord) * std::sin(t) + p.y * std::cos(t);
}

bool onOutline(const Rib& rib, Point2D p) {
    return std::ranges::any_of(rib.outlines, [p](const Polygon& outline) {
        return std::ranges::any_of(
            outline, [p](Point2D q) { return std::hypot(q.x - p.x, q.y - p.y) < 1e-3; });
    });
}

TEST(JigTabs, FeetLieInOneBoardLevelWithTheRootChord) {
    for (const BuildingSide side : {BuildingSide::RightSideUp, BuildingSide::UpsideDown}) {
        SCOPED_TRACE(side == BuildingSide::UpsideDown ? "upside down" : "right side up");
        RibsDefinition definition = washedOut();
        definition.settings.jig.side = side;
        const RibsReport report = calculateRibs(fivePanels(), definition);
        ASSERT_EQ(report.outcome, RibsOutcome::Ok);
        double lowest = 1e9;
        double highest = -1e9;
        double shortest = 1e9;
        for (const Rib& rib : report.ribs) {
            SCOPED_TRACE(rib.label);
            EXPECT_EQ(rib.jigTabs.size(), 2u);
            for (const JigTab& tab : rib.jigTabs) {
                for (int k = 0; k < 2; ++k) {
                    EXPECT_TRUE(onOutline(rib, tab.foot[k])) << "the tab is part of the cut";
                    const double height = heightOnWing(rib, tab.foot[k]);
                    lowest = std::min(lowest, height);
                    highest = std::max(highest, height);
                    shortest = std::min(shortest, std::abs(tab.cutLine[k].y - tab.foot[k].y));
                }
            }
        }
        // One flat board level with the untwisted chords: every foot at the same height.
        EXPECT_LT(highest - lowest, 0.01);
        EXPECT_GE(shortest, definition.settings.jig.height - 1e-6);
        EXPECT_LT(shortest, definition.settings.jig.height + 0.5);
    }
}

TEST(JigTabs, ATabWhereTheRibHasNothingIsNamed) {
    RibsDefinition definition = washedOut();
    definition.settings.jig.rearPercent = 97; // in the trailing-edge stock
    const RibsReport report = calculateRibs(fivePanels(), definition);
    ASSERT_FALSE(report.ribs.empty());
    const Rib& root = report.ribs.front();
    EXPECT_EQ(root.problems, (std::vector<RibProblem>{{RibProblemKind::JigTabOutsideRib, 1}}));
    ASSERT_EQ(root.jigTabs.size(), 1u);
    EXPECT_EQ(root.jigTabs[0].tab, 0);
}

// Each panel's ends from its own chords, sweeps and twists, not from the next panel's root.
TEST(CoreTemplates, EveryPanelHasItsChordsMarksAndSweep) {
    const WingPlanform wing = fivePanels();
    RibsDefinition definition = washedOut();
    const double kerf = 1.2;
    const CoresReport cores = coreTemplates(wing, definition, kerf);
    ASSERT_EQ(cores.outcome, RibsOutcome::Ok);
    ASSERT_EQ(cores.templates.size(), 10u);
    double rootLeadingEdge = 0;
    for (const CoreTemplate& core : cores.templates) {
        const int panel = core.panel;
        SCOPED_TRACE(std::to_string(panel + 1) + (core.tip ? " tip" : " root"));
        const double chord = core.tip ? wing.tipChord[panel] : wing.rootChord[panel];
        // The trailing edge stays where it was; the leading edge is the section's farthest point.
        const Point2D trailing{chord, 0};
        const auto far = std::ranges::max(core.section, {}, [&](Point2D p) {
            return std::hypot(p.x - trailing.x, p.y - trailing.y);
        });
        EXPECT_NEAR(std::hypot(far.x - chord, far.y), chord, 0.01);
        const double twist = core.tip ? definition.settings.twist[panel]
                                      : (panel == 0 ? 0 : definition.settings.twist[panel - 1]);
        EXPECT_NEAR(std::atan2(-far.y, chord - far.x) * 180 / std::numbers::pi, twist, 0.01);
        const double previousTipTrailingEdge =
            panel == 0 ? wing.rootChord[0] : wing.sweepOffset[panel - 1] + wing.tipChord[panel - 1];
        if (!core.tip)
            rootLeadingEdge = previousTipTrailingEdge - chord;
        EXPECT_NEAR(core.sweepOffset, wing.sweepOffset[panel] - rootLeadingEdge, 1e-9);

        ASSERT_EQ(core.marks.size(), 9u);
        const double ux = (chord - far.x) / chord;
        const double uy = -far.y / chord;
        for (std::size_t i = 0; i < core.marks.size(); ++i) {
            const CoreMark& mark = core.marks[i];
            EXPECT_EQ(mark.number, static_cast<int>(i) + 1);
            for (const Point2D p : {mark.upper, mark.lower}) {
                const double along = (p.x - far.x) * ux + (p.y - far.y) * uy;
                EXPECT_NEAR(along, chord * mark.number / 10.0, 0.01) << "mark " << mark.number;
            }
            const double across =
                (mark.upper.x - mark.lower.x) * -uy + (mark.upper.y - mark.lower.y) * ux;
            EXPECT_GT(across, 0) << "the upper mark above the lower";
        }
        // The outline is the section grown by half the kerf, plus the lead-in behind it.
        const Box2D section = boundsOf({core.section});
        const Box2D outline = boundsOf(core.outline);
        EXPECT_NEAR(section.minX - outline.minX, kerf / 2, 0.02);
        EXPECT_NEAR(outline.maxX - chord, kLeadInMm, 0.5);
    }
}

} // namespace
