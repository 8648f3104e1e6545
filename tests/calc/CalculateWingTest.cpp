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
};

TEST(CalculateWing, ChecksComeInOrder) {
    for (const auto& refusal : kRefusals) {
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
    ArithmeticStep step;
};

const std::string kTiny = "0." + std::string(199, '0') + "1"; // 1e-200: its square is 0
const std::string kHuge = "1" + std::string(400, '0');

TEST(CalculateWing, ArithmeticFailuresStopAtTheirStep) {
    const Failure failures[] = {
        {"zero root chord on panel 1",
         typedWing({{"200", "150", "500", "0"}, {"", "100", "300", "0"}}, "30", ""),
         ArithmeticStep::PanelPass},
        {"gap in the chain",
         typedWing({{"200", "150", "500", "0"}, {"150", "", "", ""}, {"150", "100", "300", "20"}},
                   "30", ""),
         ArithmeticStep::PanelPass},
        {"balance 0.0 on two panels", typedWing(kWorkedWings[1].panels, "0.0", ""),
         ArithmeticStep::BalanceDivision},
        {"tip chord the negative of the root", typedWing({{"200", "-200", "500", "0"}}, "30", ""),
         ArithmeticStep::PanelPass},
        {"area too small to be a number",
         typedWing({{kTiny.c_str(), kTiny.c_str(), kTiny.c_str(), "0"}}, "30", ""),
         ArithmeticStep::Totals},
        {"overflowing length", typedWing({{"200", "200", kHuge.c_str(), "0"}}, "30", ""),
         ArithmeticStep::PanelPass},
        {"overflowing mass", typedWing({{"200", "200", "500", "0"}}, "30", kHuge.c_str()),
         ArithmeticStep::WingLoading},
    };
    for (const auto& failure : failures) {
        WingPlanform planform;
        WingResults results;
        const CalcReport report = calculateWing(failure.fields, ".", planform, results);
        EXPECT_EQ(report.outcome, CalcOutcome::ArithmeticFailure) << failure.name;
        EXPECT_EQ(report.failedStep, failure.step) << failure.name;
    }
}

} // namespace
