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

// What the tail brings and where the points lie, each as worked by hand.
struct TailTerms {
    double arm, volume, liftSlopeWing, liftSlopeTail, downwashGradient, efficiency;
};
struct Places {
    double neutralPoint, neutralPointPercent, balanceForMargin, balanceForMarginPercent;
    double marginAtBalance;
};

struct Worked {
    const char* name;
    std::vector<TypedPanel> wing;
    const char* balance;
    StabilityFields tail;
    TailResults tailResults;
    TailTerms terms;
    Places places;
};

// The neutral point is the lift-weighted mean of the aerodynamic centres, xn = (aw·xw + k·xt) /
// (aw + k) with the tail's weight k = η·at·(St/Sw)·(1 − e).
const Worked kWorked[] = {
    // Rectangular wing 200/200/500/0 at 30 %, rectangular tail 100/100/200/0, D = 600, η = 0.90,
    // 10 %. Wing: cw = 200, meanChordX = 0, so xw = 0 + 0.25·200 = 50. Sw = 2·500·200 = 200 000
    //   mm², A = 1000² / 200 000 = 5, tan Λ = ((0 + 100) − 100) / 500 = 0.
    //   aw = 2π·5 / (2 + √(4 + (5/0.95)²)) = 31.4159 / 7.63035 = 4.11723, e = 0.524222.
    // Tail: ct = 100, meanChordX = 0, xt = 600 + 0 + 25 = 625, l = 625 − 50 = 575.
    //   St = 2·200·100 = 40 000 mm² = 4 dm², At = 400² / 40 000 = 4.
    //   at = 2π·4 / (2 + √(4 + (4/0.95)²)) = 25.1327 / 6.66139 = 3.77290.
    // V = 40 000·575 / (200 000·200) = 0.575; k = 0.90·3.77290·0.2·0.475778 = 0.323111.
    // xn = (4.11723·50 + 0.323111·625) / 4.44034 = (205.862 + 201.944) / 4.44034 = 91.8411,
    // pn = 91.8411 / 200·100 = 45.9205; xb = 91.8411 − 0.10·200 = 71.8411, pb = 35.9205; the
    // margin at 30 % is 15.9205.
    {"rectangular wing and tail",
     kRectangularWing,
     "30",
     rectangularTail(),
     {4, 100, 0, 4},
     {575, 0.575, 4.11723, 3.77290, 0.524222, 0.90},
     {91.8411, 45.9205, 71.8411, 35.9205, 15.9205}},
    // Tapered swept wing 250/150/1000/150 at 28 %, tail 120/80/300/40, D = 800, η = 0.95, 8 %.
    // Wing: λ = 0.6, cw = (0.36 + 0.6 + 1)·250·2/3 / 1.6 = 204.167; its station
    //   (250 − 204.167)·1000 / 100 = 458.333 times the slope 150/1000 gives meanChordX = 68.75,
    //   so xw = 68.75 + 51.0417 = 119.792. Sw = 2·1000·200 = 400 000 mm², A = 2000² / 400 000 =
    //   10, tan Λ = ((150 + 75) − 125) / 1000 = 0.1.
    //   aw = 2π·10 / (2 + √(4 + (10/0.95)²·1.01)) = 62.8319 / (2 + √115.911) = 62.8319 / 12.7662
    //      = 4.92173; e = 2·4.92173 / (π·10) = 0.313327.
    // Tail: λ = 2/3, ct = (4/9 + 2/3 + 1)·120·2/3 / (5/3) = 101.333; station (120 − 101.333)·300 /
    //   40 = 140 times the slope 40/300 gives meanChordX = 18.6667; xt = 800 + 18.6667 + 25.3333
    //   = 844, l = 844 − 119.792 = 724.208. St = 2·300·100 = 60 000 mm² = 6 dm², At = 600² /
    //   60 000 = 6, tan Λt = ((40 + 40) − 60) / 300 = 0.0666667.
    //   at = 2π·6 / (2 + √(4 + (6/0.95)²·1.00444)) = 37.6991 / (2 + √44.0665) = 37.6991 / 8.63826
    //      = 4.36420.
    // V = 60 000·724.208 / (400 000·204.167) = 0.532071; k = 0.95·4.36420·0.15·0.686673 = 0.427041.
    // xn = (4.92173·119.792 + 0.427041·844) / 5.34877 = (589.582 + 360.423) / 5.34877 = 177.612,
    // pn = (177.612 − 68.75) / 204.167·100 = 53.3201; xb = 177.612 − 0.08·204.167 = 161.278,
    // pb = 45.3201; the margin at 28 % is 25.3201.
    {"tapered swept wing and tail",
     {{"250", "150", "1000", "150"}},
     "28",
     typedTail({{"120", "80", "300", "40"}}, "800", "0,95", "8"),
     {6, 101.333, 18.6667, 6},
     {724.208, 0.532071, 4.92173, 4.36420, 0.313327, 0.95},
     {177.612, 53.3201, 161.278, 45.3201, 25.3201}},
    // Two-panel wing 260/220/400/30, 220/120/600/160 at 32 %; two-panel tail 140/110/150/15,
    // 110/60/200/75, D = 900, η = 0.60, 8 %. Each panel: c̄ = 2/3·cr·(1 + λ + λ²)/(1 + λ), its
    // station y = (cr − c̄)·L / (cr − ct), its leading edge x = previous sweep + y·slope.
    // Wing: panel 1 λ = 0.846154, c̄ = 240.556, y = 194.444, x = 14.5833, S = 96 000 mm²;
    //   panel 2 λ = 0.545455, c̄ = 174.902, y = 270.588, x = 30 + 270.588·130/600 = 88.6275,
    //   S = 102 000 mm². By area: cw = 206.734, meanChordX = 52.7273, xw = 104.411.
    //   Sw = 396 000 mm², A = 2000² / 396 000 = 10.1010; the half-chord line runs from panel 1's
    //   root: tan Λ = ((160 + 60) − 130) / 1000 = 0.09 (panel 2's root chord would give 0.11).
    //   aw = 63.4665 / (2 + √(4 + 113.969)) = 63.4665 / 12.8613 = 4.93467; e = 0.311009.
    // Tail: panel 1 λ = 0.785714, c̄ = 125.6, y = 72, x = 7.2, S = 18 750 mm²; panel 2
    //   λ = 0.545455, c̄ = 87.4510, y = 90.1961, x = 15 + 90.1961·60/200 = 42.0588, S = 17 000.
    //   By area: ct = 107.459, meanChordX = 23.7762; St = 71 500 mm² = 7.15 dm², At = 700² /
    //   71 500 = 6.85315, tan Λt = ((75 + 30) − 70) / 350 = 0.1 (not 0.142857 from panel 2).
    //   at = 43.0596 / (2 + √(4 + 52.5599)) = 43.0596 / 9.52063 = 4.52277.
    // xt = 900 + 23.7762 + 26.8648 = 950.641, l = 846.230; V = 71 500·846.230 / (396 000·206.734)
    // = 0.739073; k = 0.60·4.52277·0.180556·0.688991 = 0.337582.
    // xn = (4.93467·104.411 + 0.337582·950.641) / 5.27225 = (515.233 + 320.920) / 5.27225
    // = 158.595, pn = (158.595 − 52.7273) / 206.734·100 = 51.2096; xb = 158.595 − 16.5387
    // = 142.056, pb = 43.2096; the margin at 32 % is 19.2096.
    {"two-panel wing and tail",
     {{"260", "220", "400", "30"}, {"220", "120", "600", "160"}},
     "32",
     typedTail({{"140", "110", "150", "15"}, {"110", "60", "200", "75"}}, "900", "0.6", "8"),
     {7.15, 107.459, 23.7762, 6.85315},
     {846.230, 0.739073, 4.93467, 4.52277, 0.311009, 0.60},
     {158.595, 51.2096, 142.056, 43.2096, 19.2096}},
};

TEST(CalculateStability, WorkedWingsAndTails) {
    for (const Worked& c : kWorked) {
        SCOPED_TRACE(c.name);
        const StabilityReport report = stabilityOf(calculated(c.wing, c.balance), c.tail);
        EXPECT_EQ(report.outcome, StabilityOutcome::Ok);
        const StabilityResults& r = report.results;
        EXPECT_TRUE(r.hasTail);
        EXPECT_FALSE(r.tailInsideWingChord);
        EXPECT_NEAR(r.tail.area, c.tailResults.area, kHandTolerance);
        EXPECT_NEAR(r.tail.meanChord, c.tailResults.meanChord, kHandTolerance);
        EXPECT_NEAR(r.tail.meanChordX, c.tailResults.meanChordX, kHandTolerance);
        EXPECT_NEAR(r.tail.aspectRatio, c.tailResults.aspectRatio, kHandTolerance);
        EXPECT_NEAR(r.tailArm, c.terms.arm, kHandTolerance);
        EXPECT_NEAR(r.tailVolume, c.terms.volume, kHandTolerance);
        EXPECT_NEAR(r.liftSlopeWing, c.terms.liftSlopeWing, kHandTolerance);
        EXPECT_NEAR(r.liftSlopeTail, c.terms.liftSlopeTail, kHandTolerance);
        EXPECT_NEAR(r.downwashGradient, c.terms.downwashGradient, kHandTolerance);
        EXPECT_DOUBLE_EQ(r.efficiency, c.terms.efficiency);
        EXPECT_NEAR(r.neutralPoint, c.places.neutralPoint, kHandTolerance);
        EXPECT_NEAR(r.neutralPointPercent, c.places.neutralPointPercent, kHandTolerance);
        EXPECT_NEAR(r.balanceForMargin, c.places.balanceForMargin, kHandTolerance);
        EXPECT_NEAR(r.balanceForMarginPercent, c.places.balanceForMarginPercent, kHandTolerance);
        EXPECT_NEAR(r.marginAtBalance, c.places.marginAtBalance, kHandTolerance);
    }
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
     StabilityOutcome::DistanceTooLarge},
    {"distance beyond the limit of the wing's values",
     changed([](StabilityFields& f) { f.distance = "1" + std::string(151, '0'); }),
     StabilityOutcome::DistanceTooLarge},
    {"tail so large its volume overflows", changed([](StabilityFields& f) {
         f.tail.rootChord[0] = f.tail.tipChord[0] = f.tail.panelLength[0] =
             "1" + std::string(150, '0');
     }),
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
    // The tail's root leading edge against the wing's root trailing edge, 200 mm back.
    for (const auto& [distance, inside] :
         {std::pair{"150", true}, {"199.9", true}, {"200", false}}) {
        StabilityFields fields = rectangularTail();
        fields.distance = distance;
        EXPECT_EQ(stabilityOf(wing, fields).results.tailInsideWingChord, inside) << distance;
    }
}

TEST(StabilityFields, DefaultsAreAFlyingWingInTheWakeAtTenPercent) {
    const StabilityFields fields = defaultStabilityFields(",");
    EXPECT_FALSE(fields.hasTail);
    EXPECT_EQ(fields.efficiency, "0,60");
    EXPECT_EQ(fields.margin, "10");
    EXPECT_EQ(fields.distance, "");
    EXPECT_EQ(fields.tail, WingFields{});
    EXPECT_EQ(efficiencyText(1.0, "."), "1.00");
    EXPECT_EQ(efficiencyText(0.95, "."), "0.95");
    EXPECT_EQ(efficiencyText(0.3, ","), "0,30");
}

} // namespace
