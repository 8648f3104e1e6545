// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/CalculateWing.h"

#include "calc/ResultTexts.h"
#include "support/TypedWings.h"

#include <gtest/gtest.h>

namespace {

TEST(CalculateWing, WorkedWingsGiveTheirResultTexts) {
    for (const WorkedWingCase& wing : kWorkedWings) {
        WingPlanform planform;
        WingResults results;
        const CalcReport report =
            calculateWing(typedWing(wing.panels, wing.balance, wing.mass), ".", planform, results);
        ASSERT_EQ(report.outcome, CalcOutcome::Ok) << wing.name;
        const auto& t = wing.texts;
        EXPECT_EQ(makeResultTexts(planform, results, "."),
                  (ResultTexts{t[0], t[1], t[2], t[3], t[4], t[5], t[6]}))
            << wing.name;
    }
}

// Entry i of the combined arrays describes panels 0 to i: 250, then 231.35 over 10.5 dm².
TEST(CalculateWing, CombinationPassKeepsEachStage) {
    const WorkedWingCase& threePanels = kWorkedWings[2];
    WingPlanform planform;
    WingResults results;
    calculateWing(typedWing(threePanels.panels, threePanels.balance, threePanels.mass), ".",
                  planform, results);
    EXPECT_EQ(planform.lastPanel, 2);
    EXPECT_DOUBLE_EQ(results.meanChord[0], 250);
    EXPECT_NEAR(results.meanChord[1], 231.35, 0.005);
    EXPECT_NEAR(results.meanChord[2], 217.54, 0.005);
    EXPECT_DOUBLE_EQ(results.panelArea[0], 5);
    EXPECT_DOUBLE_EQ(results.cumulativeArea[2], 13.4);
    EXPECT_DOUBLE_EQ(results.tipStation[2], 650);
}

const std::string kHuge = "1" + std::string(400, '0');

struct Refusal {
    const char* name;
    WingFields fields;
    CalcOutcome outcome;
};

const Refusal kRefusals[] = {
    {"panel 0 without length", typedWing({{"200", "200", "", "0"}}, "30", ""),
     CalcOutcome::PanelError},
    {"panel 0 without tip chord", typedWing({{"200", "", "500", "0"}}, "30", ""),
     CalcOutcome::PanelError},
    {"panel 2 tip chord without length",
     typedWing({{"200", "200", "500", ""}, {"200", "150", "300", ""}, {"150", "100", "", ""}}, "30",
               ""),
     CalcOutcome::PanelError},
    {"everything empty", typedWing({}, "", ""), CalcOutcome::PanelError},
    {"balance 100", typedWing({{"200", "200", "500", ""}}, "100", ""), CalcOutcome::BalanceError},
    {"balance negative", typedWing({{"200", "200", "500", ""}}, "-1", ""),
     CalcOutcome::BalanceError},
    {"balance empty", typedWing({{"200", "200", "500", ""}}, "", ""), CalcOutcome::BalanceError},
    {"balance bare 0", typedWing({{"200", "200", "500", ""}}, "0", ""), CalcOutcome::BalanceError},
    {"balance and panel error: panel first", typedWing({{"200", "", "500", ""}}, "100", ""),
     CalcOutcome::PanelError},
    {"zero root chord", typedWing({{"", "200", "500", ""}}, "30", ""), CalcOutcome::PanelError},
    {"zero root chord hides behind a bad balance", typedWing({{"", "200", "500", ""}}, "100", ""),
     CalcOutcome::BalanceError},
    {"balance 99.99 accepted", typedWing({{"200", "200", "500", ""}}, "99.99", ""),
     CalcOutcome::Ok},
    {"balance 00 accepted", typedWing({{"200", "200", "500", ""}}, "00", ""), CalcOutcome::Ok},
    {"forward sweep is no negative size", typedWing({{"200", "150", "500", "-80"}}, "30", ""),
     CalcOutcome::Ok},
    {"gap behind a bad balance: balance first",
     typedWing({{"200", "150", "500", ""}, {"", "", "", ""}, {"150", "100", "300", ""}}, "100", ""),
     CalcOutcome::BalanceError},
    {"negative chord behind a zero root chord: root chord first",
     typedWing({{"", "-150", "500", ""}}, "30", ""), CalcOutcome::PanelError},
    {"gap before a negative chord: gap first",
     typedWing({{"200", "150", "500", ""}, {"", "", "", ""}, {"150", "-100", "300", ""}}, "30", ""),
     CalcOutcome::GapInChain},
    {"huge value of an unused panel is never used",
     typedWing({{"200", "150", "500", ""}, {"150", "", "", kHuge.c_str()}}, "30", ""),
     CalcOutcome::Ok},
};

TEST(CalculateWing, ChecksComeInOrder) {
    for (const auto& refusal : kRefusals) {
        SCOPED_TRACE(refusal.name);
        WingPlanform planform;
        WingResults results;
        EXPECT_EQ(calculateWing(refusal.fields, ".", planform, results).outcome, refusal.outcome)
            << refusal.name;
    }
}

TEST(CalculateWing, PanelsParsedBeforeAFailedCheckStay) {
    WingPlanform planform;
    WingResults results;
    const auto fields = typedWing(
        {{"200", "200", "500", "7"}, {"200", "150", "", ""}, {"9", "9", "9", "9"}}, "30", "");
    ASSERT_EQ(calculateWing(fields, ".", planform, results).outcome, CalcOutcome::PanelError);
    EXPECT_EQ(planform.sweepOffset[0], 7);
    EXPECT_EQ(planform.tipChord[1], 150);
    EXPECT_EQ(planform.rootChord[2], 0); // never reached
}

TEST(CalculateWing, EmptyPanelsAfterTheWingAreStillParsed) {
    WingPlanform planform;
    WingResults results;
    auto fields = typedWing(kWorkedWings[1].panels, "25", "");
    fields.sweepOffset[4] = "12";
    ASSERT_EQ(calculateWing(fields, ".", planform, results).outcome, CalcOutcome::Ok);
    EXPECT_EQ(planform.lastPanel, 1);
    EXPECT_EQ(planform.sweepOffset[4], 12);
}

struct Failure {
    const char* name;
    WingFields fields;
    CalcReport report;
    double massOfTheLastRun = 0; // the session calculates into the same planform each time
};

const std::string kTiny = "0." + std::string(199, '0') + "1"; // 1e-200: its square is 0
const std::string kTenTo200 = "1" + std::string(200, '0');
const std::string kTenTo160 = "1" + std::string(160, '0');

// Each cause names its panel or field; what is left of the arithmetic failures stops at its step.
TEST(CalculateWing, ArithmeticFailuresStopAtTheirStep) {
    using enum CalcOutcome;
    const Failure failures[] = {
        {"zero root chord on panel 1",
         typedWing({{"200", "150", "500", "0"}, {"", "100", "300", "0"}}, "30", ""),
         {ArithmeticFailure, ArithmeticStep::PanelPass}},
        {"gap in the chain",
         typedWing({{"200", "150", "500", "0"}, {"150", "", "", ""}, {"150", "100", "300", "20"}},
                   "30", ""),
         {GapInChain, ArithmeticStep::None, {WingInput::PanelLength, 1}}},
        {"gap of two panels names the first",
         typedWing({{"200", "150", "500", "0"},
                    {"150", "", "", ""},
                    {"", "", "", ""},
                    {"", "100", "300", "20"}},
                   "30", ""),
         {GapInChain, ArithmeticStep::None, {WingInput::PanelLength, 1}}},
        {"balance 0.0 on two panels",
         typedWing(kWorkedWings[1].panels, "0.0", ""),
         {ArithmeticFailure, ArithmeticStep::BalanceDivision}},
        {"tip chord the negative of the root",
         typedWing({{"200", "-200", "500", "0"}}, "30", ""),
         {NegativeValue, ArithmeticStep::None, {WingInput::TipChord, 0}}},
        {"negative root chord",
         typedWing({{"-200", "-200", "500", "0"}}, "30", ""),
         {NegativeValue, ArithmeticStep::None, {WingInput::RootChord, 0}}},
        {"negative length of panel 2",
         typedWing({{"300", "200", "400", "50"}, {"200", "100", "-300", "150"}}, "25", ""),
         {NegativeValue, ArithmeticStep::None, {WingInput::PanelLength, 1}}},
        {"area too small to be a number",
         typedWing({{kTiny.c_str(), kTiny.c_str(), kTiny.c_str(), "0"}}, "30", ""),
         {ArithmeticFailure, ArithmeticStep::Totals}},
        {"overflowing length",
         typedWing({{"200", "200", kHuge.c_str(), "0"}}, "30", ""),
         {ValueTooLarge, ArithmeticStep::PanelPass, {WingInput::PanelLength, 0}}},
        {"overflowing sweep of panel 2",
         typedWing({{"300", "200", "400", "50"}, {"200", "100", "300", kHuge.c_str()}}, "25", ""),
         {ValueTooLarge, ArithmeticStep::PanelPass, {WingInput::SweepOffset, 1}}},
        {"product of two large values names the first",
         typedWing({{"200", "200", kTenTo200.c_str(), "0"}, {"200", kTenTo200.c_str(), "10", "0"}},
                   "30", ""),
         {ValueTooLarge, ArithmeticStep::PanelPass, {WingInput::PanelLength, 0}}},
        {"balance 0.0 with a large chord is still the balance's fault",
         typedWing({{kTenTo160.c_str(), kTenTo160.c_str(), "10", "0"}, {"200", "100", "300", "0"}},
                   "0.0", ""),
         {ArithmeticFailure, ArithmeticStep::BalanceDivision}},
        {"overflowing mass",
         typedWing({{"200", "200", "500", "0"}}, "30", kHuge.c_str()),
         {ValueTooLarge, ArithmeticStep::WingLoading, {WingInput::Mass, 0}}},
        {"a huge mass is not named when the area failed before it was read",
         typedWing({{kTiny.c_str(), kTiny.c_str(), kTiny.c_str(), "0"}}, "30", kHuge.c_str()),
         {ArithmeticFailure, ArithmeticStep::Totals},
         1e300},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.name);
        WingPlanform planform;
        planform.massGrams = failure.massOfTheLastRun;
        WingResults results;
        const CalcReport report = calculateWing(failure.fields, ".", planform, results);
        EXPECT_EQ(report.outcome, failure.report.outcome);
        EXPECT_EQ(report.failedStep, failure.report.failedStep);
        EXPECT_EQ(report.field, failure.report.field);
    }
}

} // namespace
