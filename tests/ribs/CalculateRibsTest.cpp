// SPDX-License-Identifier: GPL-3.0-or-later
// The ribs of a wing: where they stand, their chord, leading edge, twist and blend as the
// planform has them, and each rib that cannot be made named with its problem. Their shapes are
// checked against shapely in rib_shapes_test.py.
#include "ribs/CalculateRibs.h"

#include "calc/CalculateWing.h"
#include "geometry/Offset.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Two panels, the second swept back and tapered, its root chord not chained to the first's tip:
// its root trailing edge sits on the first's tip trailing edge, as the planform draws it.
WingPlanform twoPanels() {
    WingPlanform planform;
    planform.rootChord = {240, 210};
    planform.tipChord = {200, 120};
    planform.panelLength = {300, 250};
    planform.sweepOffset = {20, 95};
    planform.lastPanel = 1;
    return planform;
}

RibsDefinition twoAirfoils() {
    RibsDefinition definition = defaultRibsDefinition();
    definition.settings.spacing = 100;
    definition.stationAirfoils = {"NACA 2412", "", "NACA 0009"};
    definition.settings.twist = {-1, 3};
    return definition;
}

TEST(RibStations, NoGapExceedsTheSpacing) {
    const struct {
        const char* name;
        double spacing;
        PanelValues lengths;
        std::int16_t lastPanel;
        std::vector<int> perPanel;
    } rows[] = {
        {"joints only", 0, {300, 250}, 1, {1, 2}},
        {"a third over", 100, {300, 250}, 1, {3, 4}},
        {"exact multiple", 50, {100}, 0, {3}},
        {"spacing beyond the panel", 500, {300, 250, 100}, 2, {1, 1, 2}},
        {"a panel of no length", 100, {300, 0, 150}, 2, {3, 0, 3}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WingPlanform planform;
        planform.panelLength = row.lengths;
        planform.lastPanel = row.lastPanel;
        std::vector<int> perPanel(row.lastPanel + 1);
        double largestGap = 0;
        double previous = 0;
        RibSettings settings;
        settings.spacing = row.spacing;
        for (const RibStation& place : ribStations(planform, settings)) {
            ++perPanel[place.panel];
            EXPECT_EQ(place.number, perPanel[place.panel]);
            double station = place.fraction * row.lengths[place.panel];
            for (int i = 0; i < place.panel; ++i)
                station += row.lengths[i];
            EXPECT_DOUBLE_EQ(place.station, station);
            largestGap = std::max(largestGap, station - previous);
            previous = station;
        }
        EXPECT_EQ(perPanel, row.perPanel);
        EXPECT_LE(largestGap, row.spacing > 0 ? row.spacing + 1e-9 : 300);
    }
}

TEST(CalculateRibs, EachRibStandsWhereThePlanformPutsIt) {
    const RibsReport report = calculateRibs(twoPanels(), twoAirfoils());
    ASSERT_EQ(report.outcome, RibsOutcome::Ok);
    struct Expected {
        const char* label;
        double station, chord, leadingEdgeX, twist, blend;
        const char* outer; // the inner being NACA 2412 throughout
    };
    // Panel 2's root leading edge: the first tip's trailing edge (220) less its root chord.
    const Expected expected[] = {
        {"P1 R1  240.0", 0, 240, 0, 0, 0, "NACA 2412"},
        {"P1 R2  226.7", 100, 240 - 40.0 / 3, 20.0 / 3, -1.0 / 3, 1.0 / 3, "NACA 2412"},
        {"P1 R3  213.3", 200, 240 - 80.0 / 3, 40.0 / 3, -2.0 / 3, 2.0 / 3, "NACA 2412"},
        {"P2 R1  210.0", 300, 210, 10, -1, 0, "NACA 0009"},
        {"P2 R2  180.0", 300 + 250.0 / 3, 180, 10 + 85.0 / 3, 1.0 / 3, 1.0 / 3, "NACA 0009"},
        {"P2 R3  150.0", 300 + 500.0 / 3, 150, 10 + 170.0 / 3, 5.0 / 3, 2.0 / 3, "NACA 0009"},
        {"P2 R4  120.0", 550, 120, 95, 3, 1, "NACA 0009"},
    };
    ASSERT_EQ(report.ribs.size(), std::size(expected));
    for (std::size_t i = 0; i < report.ribs.size(); ++i) {
        const Rib& rib = report.ribs[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(e.label);
        EXPECT_EQ(rib.label, e.label);
        EXPECT_NEAR(rib.station, e.station, 1e-9);
        EXPECT_NEAR(rib.chord, e.chord, 1e-9);
        EXPECT_NEAR(rib.leadingEdgeX, e.leadingEdgeX, 1e-9);
        EXPECT_NEAR(rib.twist, e.twist, 1e-9);
        EXPECT_NEAR(rib.blend, e.blend, 1e-9);
        EXPECT_EQ(rib.innerAirfoil, "NACA 2412");
        EXPECT_EQ(rib.outerAirfoil, e.outer);
        EXPECT_TRUE(rib.problems.empty());
        EXPECT_EQ(rib.outlines.size(), 1u);
    }
}

Rib onlyRibWith(const std::function<void(RibSettings&)>& change) {
    WingPlanform planform;
    planform.rootChord = {200};
    planform.tipChord = {200};
    planform.panelLength = {100};
    planform.lastPanel = 0;
    RibsDefinition definition = defaultRibsDefinition();
    definition.settings.spacing = 0;
    definition.stationAirfoils[0] = "NACA 0012";
    change(definition.settings);
    const RibsReport report = calculateRibs(planform, definition);
    EXPECT_EQ(report.outcome, RibsOutcome::Ok);
    return report.ribs.empty() ? Rib{} : report.ribs.front();
}

// A 200 mm NACA 0012 rib, 24 mm thick: what each setting leaves of it.
TEST(CalculateRibs, ARibThatCannotBeMadeIsNamedAndDrawnAsFarAsItCanBe) {
    const auto spar = [](double position, double depth, NotchSide side) {
        return SparNotch{position, 5, depth, side};
    };
    const struct {
        const char* name;
        std::function<void(RibSettings&)> change;
        std::vector<RibProblem> problems;
        std::size_t pieces;
    } rows[] = {
        {"whole", [](RibSettings& s) { s.sheeting = 1.5; }, {}, 1},
        {"sheeting over half the thickness",
         [](RibSettings& s) { s.sheeting = 12.5; },
         {{RibProblemKind::SheetingTooThick}},
         0},
        {"sheeting stops short of the trailing-edge stock",
         [](RibSettings& s) {
             s.sheeting = 2;
             s.trailingEdgeCut = 5;
         },
         {{RibProblemKind::SheetingTooThick}},
         1},
        {"cuts that leave nothing",
         [](RibSettings& s) {
             s.leadingEdgeCut = 120;
             s.trailingEdgeCut = 80;
         },
         {{RibProblemKind::NothingLeft}},
         0},
        {"notch through from the top",
         [&](RibSettings& s) { s.spars[1] = spar(30, 25, NotchSide::Top); },
         {{RibProblemKind::NotchTooDeep, 1}},
         2},
        {"notches from both sides meeting",
         [&](RibSettings& s) { s.spars[0] = spar(30, 12, NotchSide::Both); },
         {{RibProblemKind::NotchTooDeep, 0}},
         2},
        {"notch in the leading-edge stock",
         [&](RibSettings& s) {
             s.leadingEdgeCut = 10;
             s.spars[2] = spar(2, 3, NotchSide::Bottom);
         },
         {{RibProblemKind::NotchOutsideRib, 2}},
         1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Rib rib = onlyRibWith(row.change);
        EXPECT_EQ(rib.problems, row.problems);
        EXPECT_EQ(rib.outlines.size(), row.pieces);
        EXPECT_EQ(rib.label, "P1 R1  200.0");
    }
}

// Notches and cuts as drawn: their floors below the inset surface, their walls where asked.
TEST(CalculateRibs, NotchesAndCutsLieWhereAsked) {
    const Rib rib = onlyRibWith([](RibSettings& s) {
        s.sheeting = 1.5;
        s.leadingEdgeCut = 6;
        s.trailingEdgeCut = 20;
        s.spars[0] = SparNotch{25, 6, 3, NotchSide::Both};
    });
    ASSERT_TRUE(rib.problems.empty());
    ASSERT_EQ(rib.notches.size(), 1u);
    const RibNotch& notch = rib.notches.front();
    EXPECT_DOUBLE_EQ(notch.x, 50);
    // NACA 0012 is 11.88 % thick at 25 %: 11.88 mm above and below, less the sheeting.
    EXPECT_NEAR(notch.floorTop, 11.88 - 1.5 - 3, 0.01);
    EXPECT_NEAR(notch.floorBottom, -(11.88 - 1.5 - 3), 0.01);
    const auto inNotch = verticalSpanAt(rib.outlines, 50);
    ASSERT_TRUE(inNotch);
    EXPECT_NEAR(inNotch->top, notch.floorTop, 1e-4);
    EXPECT_NEAR(inNotch->bottom, notch.floorBottom, 1e-4);
}

TEST(CalculateRibs, RefusesWhatItCannotWorkWith) {
    RibsDefinition unknown = twoAirfoils();
    unknown.stationAirfoils[2] = "AG35";
    RibsDefinition crowded = twoAirfoils();
    crowded.settings.spacing = 0.2;
    RibsDefinition negative = twoAirfoils();
    negative.settings.spars[1] = SparNotch{120, 3, 3, NotchSide::Top};
    const RibsReport unknownReport = calculateRibs(twoPanels(), unknown);
    EXPECT_EQ(unknownReport.outcome, RibsOutcome::UnknownAirfoil);
    EXPECT_EQ(unknownReport.airfoil, "AG35");
    EXPECT_EQ(calculateRibs(twoPanels(), crowded).outcome, RibsOutcome::TooManyRibs);
    const RibsReport negativeReport = calculateRibs(twoPanels(), negative);
    EXPECT_EQ(negativeReport.outcome, RibsOutcome::SettingOutOfRange);
    EXPECT_EQ(negativeReport.setting, (RibSettingFault{RibSetting::SparPosition, 1}));
}

} // namespace
