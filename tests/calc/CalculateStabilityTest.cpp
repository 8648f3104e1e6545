// SPDX-License-Identifier: GPL-3.0-or-later
// The neutral point and the balance for a margin on cases worked by hand, the lift slope against
// textbook values, and every refusal.
#include "calc/CalculateStability.h"

#include "calc/CalculateWing.h"
#include "support/StabilityWings.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

struct Wing {
    WingPlanform planform;
    WingResults results;
};

Wing calculated(const std::vector<TypedPanel>& panels, const char* balance) {
    Wing wing;
    const CalcReport report =
        calculateWing(typedWing(panels, balance, ""), ".", wing.planform, wing.results);
    EXPECT_EQ(report.outcome, CalcOutcome::Ok);
    return wing;
}

StabilityReport stabilityOf(const Wing& wing, const StabilityFields& fields) {
    return calculateStability(fields, wing.planform, wing.results, ".");
}

constexpr double kHandTolerance = 5e-4; // the hand work keeps six significant digits

// Rectangular wing 200/200/500/0 at 30 %, rectangular tail 100/100/200/0, D = 600, η = 0.90, 10 %.
// Wing: cw = 200, meanChordX = 0, so xw = 0 + 0.25·200 = 50. Sw = 2·500·200 = 200 000 mm²,
//   A = 1000² / 200 000 = 5, tan Λ = ((0 + 100) − 100) / 500 = 0.
//   aw = 2π·5 / (2 + √(4 + (5/0.95)²)) = 31.4159 / (2 + √31.7008) = 31.4159 / 7.63035 = 4.11723.
//   e = 2·4.11723 / (π·5) = 0.524222.
// Tail: ct = 100, meanChordX = 0, xt = 600 + 0 + 25 = 625, l = 625 − 50 = 575.
//   St = 2·200·100 = 40 000 mm² = 4 dm², At = 400² / 40 000 = 4.
//   at = 2π·4 / (2 + √(4 + (4/0.95)²)) = 25.1327 / (2 + √21.7285) = 25.1327 / 6.66139 = 3.77290.
// V = 40 000·575 / (200 000·200) = 0.575.
// xn = 50 + 200·0.90·0.575·(3.77290 / 4.11723)·(1 − 0.524222) = 50 + 103.5·0.916367·0.475778
//    = 50 + 45.1247 = 95.1247; pn = 95.1247 / 200·100 = 47.5623.
// xb = 95.1247 − 0.10·200 = 75.1247, pb = 37.5623; the margin at 30 % is 17.5623.
TEST(CalculateStability, RectangularWingAndTail) {
    const StabilityReport report =
        stabilityOf(calculated(kRectangularWing, "30"), rectangularTail());
    ASSERT_EQ(report.outcome, StabilityOutcome::Ok);
    const StabilityResults& r = report.results;
    EXPECT_TRUE(r.hasTail);
    EXPECT_DOUBLE_EQ(r.tail.area, 4);
    EXPECT_DOUBLE_EQ(r.tail.meanChord, 100);
    EXPECT_DOUBLE_EQ(r.tail.meanChordX, 0);
    EXPECT_DOUBLE_EQ(r.tail.aspectRatio, 4);
    EXPECT_DOUBLE_EQ(r.tailArm, 575);
    EXPECT_DOUBLE_EQ(r.tailVolume, 0.575);
    EXPECT_NEAR(r.liftSlopeWing, 4.11723, kHandTolerance);
    EXPECT_NEAR(r.liftSlopeTail, 3.77290, kHandTolerance);
    EXPECT_NEAR(r.downwashGradient, 0.524222, kHandTolerance);
    EXPECT_DOUBLE_EQ(r.efficiency, 0.90);
    EXPECT_NEAR(r.neutralPoint, 95.1247, kHandTolerance);
    EXPECT_NEAR(r.neutralPointPercent, 47.5623, kHandTolerance);
    EXPECT_DOUBLE_EQ(r.margin, 10);
    EXPECT_NEAR(r.balanceForMargin, 75.1247, kHandTolerance);
    EXPECT_NEAR(r.balanceForMarginPercent, 37.5623, kHandTolerance);
    EXPECT_NEAR(r.marginAtBalance, 17.5623, kHandTolerance);
}

// Tapered swept wing 250/150/1000/150 at 28 %, tail 120/80/300/40, D = 800, η = 0.95, 8 %.
// Wing: λ = 0.6, cw = (0.36 + 0.6 + 1)·250·2/3 / 1.6 = 204.167; its station
//   (250 − 204.167)·1000 / 100 = 458.333 times the slope 150/1000 gives meanChordX = 68.75,
//   so xw = 68.75 + 51.0417 = 119.792. Sw = 2·1000·200 = 400 000 mm², A = 2000² / 400 000 = 10,
//   tan Λ = ((150 + 75) − 125) / 1000 = 0.1.
//   aw = 2π·10 / (2 + √(4 + (10/0.95)²·1.01)) = 62.8319 / (2 + √115.911) = 62.8319 / 12.7662
//      = 4.92173; e = 2·4.92173 / (π·10) = 0.313327.
// Tail: λ = 2/3, ct = (4/9 + 2/3 + 1)·120·2/3 / (5/3) = 101.333; station (120 − 101.333)·300 / 40
//   = 140 times the slope 40/300 gives meanChordX = 18.6667; xt = 800 + 18.6667 + 25.3333 = 844,
//   l = 844 − 119.792 = 724.208. St = 2·300·100 = 60 000 mm² = 6 dm², At = 600² / 60 000 = 6,
//   tan Λt = ((40 + 40) − 60) / 300 = 0.0666667.
//   at = 2π·6 / (2 + √(4 + (6/0.95)²·1.00444)) = 37.6991 / (2 + √44.0665) = 37.6991 / 8.63826
//      = 4.36420.
// V = 60 000·724.208 / (400 000·204.167) = 0.532071.
// xn = 119.792 + 204.167·0.95·0.532071·(4.36420 / 4.92173)·(1 − 0.313327)
//    = 119.792 + 103.200·0.886720·0.686673 = 119.792 + 62.8370 = 182.629.
// pn = (182.629 − 68.75) / 204.167·100 = 55.7773; xb = 182.629 − 0.08·204.167 = 166.295,
// pb = 47.7773; the margin at 28 % is 27.7773.
TEST(CalculateStability, TaperedSweptWingAndTail) {
    const Wing wing = calculated({{"250", "150", "1000", "150"}}, "28");
    const StabilityReport report =
        stabilityOf(wing, typedTail({{"120", "80", "300", "40"}}, "800", "0,95", "8"));
    ASSERT_EQ(report.outcome, StabilityOutcome::Ok);
    const StabilityResults& r = report.results;
    EXPECT_NEAR(halfChordSweepTangent(wing.planform, wing.results), 0.1, 1e-12);
    EXPECT_DOUBLE_EQ(r.tail.area, 6);
    EXPECT_NEAR(r.tail.meanChord, 101.333, kHandTolerance);
    EXPECT_NEAR(r.tail.meanChordX, 18.6667, kHandTolerance);
    EXPECT_DOUBLE_EQ(r.tail.aspectRatio, 6);
    EXPECT_NEAR(r.tailArm, 724.208, kHandTolerance);
    EXPECT_NEAR(r.tailVolume, 0.532071, kHandTolerance);
    EXPECT_NEAR(r.liftSlopeWing, 4.92173, kHandTolerance);
    EXPECT_NEAR(r.liftSlopeTail, 4.36420, kHandTolerance);
    EXPECT_NEAR(r.downwashGradient, 0.313327, kHandTolerance);
    EXPECT_DOUBLE_EQ(r.efficiency, 0.95);
    EXPECT_NEAR(r.neutralPoint, 182.629, kHandTolerance);
    EXPECT_NEAR(r.neutralPointPercent, 55.7773, kHandTolerance);
    EXPECT_NEAR(r.balanceForMargin, 166.295, kHandTolerance);
    EXPECT_NEAR(r.balanceForMarginPercent, 47.7773, kHandTolerance);
    EXPECT_NEAR(r.marginAtBalance, 27.7773, kHandTolerance);
}

// The same tapered wing without a tail, at 20 %, 10 % margin: xn = xw = 68.75 + 51.0417
// = 119.792, pn = 51.0417 / 204.167·100 = 25; xb = 119.792 − 20.4167 = 99.375, pb = 15; the
// margin at 20 % is 5. The tail's values stay 0.
TEST(CalculateStability, FlyingWingBalancesAQuarterChordLessTheMargin) {
    const StabilityReport report =
        stabilityOf(calculated({{"250", "150", "1000", "150"}}, "20"), flyingWing("10"));
    ASSERT_EQ(report.outcome, StabilityOutcome::Ok);
    const StabilityResults& r = report.results;
    EXPECT_FALSE(r.hasTail);
    EXPECT_NEAR(r.neutralPoint, 119.792, kHandTolerance);
    EXPECT_NEAR(r.neutralPointPercent, 25, 1e-9);
    EXPECT_NEAR(r.balanceForMargin, 99.375, 1e-9);
    EXPECT_NEAR(r.balanceForMarginPercent, 15, 1e-9);
    EXPECT_NEAR(r.marginAtBalance, 5, 1e-9);
    EXPECT_NEAR(r.liftSlopeWing, 4.92173, kHandTolerance);
    EXPECT_EQ(r.tailArm, 0);
    EXPECT_EQ(r.tailVolume, 0);
    EXPECT_EQ(r.liftSlopeTail, 0);
    EXPECT_EQ(r.efficiency, 0);
    EXPECT_EQ(r.tail.area, 0);
}

struct SlopeCase {
    const char* name;
    double aspectRatio;
    double tanSweep;
    double expected;
    double tolerance;
};

// An unswept wing of aspect ratio 6 has about 4.37 per radian; a very long one tends to the
// section's 2π·0.95, times cos Λ when swept; a very short one to the slender-wing πA/2.
const SlopeCase kSlopes[] = {
    {"A 6 unswept", 6, 0, 4.37, 0.005},
    {"A 6 unswept, exact", 6, 0, 4.370966, 1e-6},
    {"A 1e9 unswept", 1e9, 0, 2 * std::numbers::pi * 0.95, 1e-6},
    {"A 1e9 swept 45 degrees", 1e9, 1, 2 * std::numbers::pi * 0.95 / std::sqrt(2.0), 1e-6},
    {"A 0.001", 0.001, 0, std::numbers::pi * 0.001 / 2, 1e-9},
    {"sweep back and forward alike", 8, -0.2, liftSlope(8, 0.2), 0},
};

TEST(CalculateStability, LiftSlopeAgainstTextbookValues) {
    for (const SlopeCase& c : kSlopes) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(liftSlope(c.aspectRatio, c.tanSweep), c.expected, c.tolerance);
    }
}

struct Refused {
    const char* name;
    StabilityFields fields;
    StabilityOutcome outcome;
    InputField tailField{}; // named for a gap, a negative or a too-large tail value
};

StabilityFields withTail(std::vector<TypedPanel> panels) {
    StabilityFields fields = rectangularTail();
    fields.tail = typedWing(panels, "", "");
    return fields;
}

StabilityFields changed(void (*change)(StabilityFields&)) {
    StabilityFields fields = rectangularTail();
    change(fields);
    return fields;
}

// Checked in the window's order; the first failing check decides.
const Refused kRefusals[] = {
    {"tail without length", withTail({{"100", "100", "", ""}}), StabilityOutcome::TailPanelError},
    {"tail without root chord", withTail({{"", "100", "200", ""}}),
     StabilityOutcome::TailPanelError},
    {"tail empty", withTail({}), StabilityOutcome::TailPanelError},
    {"tail of negative length (a hand-edited file)",
     withTail({{"100", "100", "-200", ""}}),
     StabilityOutcome::TailNegativeValue,
     {WingInput::PanelLength, 0}},
    {"tail of negative chords",
     withTail({{"-100", "-100", "200", ""}}),
     StabilityOutcome::TailNegativeValue,
     {WingInput::RootChord, 0}},
    {"negative tip chord of tail panel 2",
     withTail({{"100", "90", "100", ""}, {"90", "-60", "50", ""}}),
     StabilityOutcome::TailNegativeValue,
     {WingInput::TipChord, 1}},
    {"tail with a gap",
     withTail({{"100", "90", "100", ""}, {"90", "", "", ""}, {"", "60", "50", ""}}),
     StabilityOutcome::TailGapInChain,
     {WingInput::PanelLength, 1}},
    {"tail chord too large to calculate",
     changed([](StabilityFields& f) { f.tail.rootChord[0] = std::string(400, '9'); }),
     StabilityOutcome::TailValueTooLarge,
     {WingInput::RootChord, 0}},
    {"distance 0", changed([](StabilityFields& f) { f.distance = "0"; }),
     StabilityOutcome::DistanceError},
    {"distance empty", changed([](StabilityFields& f) { f.distance.clear(); }),
     StabilityOutcome::DistanceError},
    {"distance negative (canard)", changed([](StabilityFields& f) { f.distance = "-600"; }),
     StabilityOutcome::DistanceError},
    {"tail quarter chord ahead of the wing's",
     changed([](StabilityFields& f) { f.distance = "20"; }), StabilityOutcome::TailArmError},
    {"efficiency 0.29", changed([](StabilityFields& f) { f.efficiency = "0.29"; }),
     StabilityOutcome::EfficiencyError},
    {"efficiency 1.01", changed([](StabilityFields& f) { f.efficiency = "1.01"; }),
     StabilityOutcome::EfficiencyError},
    {"efficiency empty", changed([](StabilityFields& f) { f.efficiency.clear(); }),
     StabilityOutcome::EfficiencyError},
    {"margin empty", changed([](StabilityFields& f) { f.margin.clear(); }),
     StabilityOutcome::MarginError},
    {"margin 100", changed([](StabilityFields& f) { f.margin = "100"; }),
     StabilityOutcome::MarginError},
    {"margin negative", changed([](StabilityFields& f) { f.margin = "-1"; }),
     StabilityOutcome::MarginError},
    {"margin empty without a tail", flyingWing(""), StabilityOutcome::MarginError},
    {"distance too large to calculate",
     changed([](StabilityFields& f) { f.distance = std::string(400, '9'); }),
     StabilityOutcome::ArithmeticFailure},
};

TEST(CalculateStability, RefusalsInTheWindowsOrder) {
    const Wing wing = calculated(kRectangularWing, "30");
    for (const Refused& c : kRefusals) {
        SCOPED_TRACE(c.name);
        const StabilityReport report = stabilityOf(wing, c.fields);
        EXPECT_EQ(report.outcome, c.outcome);
        EXPECT_EQ(report.tailField, c.tailField);
    }
}

// The limits themselves are accepted; without a tail, its texts are not looked at.
TEST(CalculateStability, AcceptsTheLimitsAndIgnoresTheTailOfAFlyingWing) {
    const Wing wing = calculated(kRectangularWing, "30");
    for (const char* efficiency : {"0.3", "1.0", "1"}) {
        StabilityFields fields = rectangularTail();
        fields.efficiency = efficiency;
        EXPECT_EQ(stabilityOf(wing, fields).outcome, StabilityOutcome::Ok) << efficiency;
    }
    for (const char* margin : {"0", "99.99"}) {
        StabilityFields fields = rectangularTail();
        fields.margin = margin;
        EXPECT_EQ(stabilityOf(wing, fields).outcome, StabilityOutcome::Ok) << margin;
    }
    StabilityFields noTail = withTail({});
    noTail.hasTail = false;
    noTail.distance = "0";
    noTail.efficiency = "7";
    EXPECT_EQ(stabilityOf(wing, noTail).outcome, StabilityOutcome::Ok);
}

TEST(StabilityFields, DefaultsAreAFlyingWingOnTheFuselageAtTenPercent) {
    const StabilityFields fields = defaultStabilityFields(",");
    EXPECT_FALSE(fields.hasTail);
    EXPECT_EQ(fields.efficiency, "0,90");
    EXPECT_EQ(fields.margin, "10");
    EXPECT_EQ(fields.distance, "");
    EXPECT_EQ(fields.tail, WingFields{});
    EXPECT_EQ(efficiencyText(1.0, "."), "1.00");
    EXPECT_EQ(efficiencyText(0.95, "."), "0.95");
    EXPECT_EQ(efficiencyText(0.3, ","), "0,30");
}

} // namespace
