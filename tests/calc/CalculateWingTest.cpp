#include "CalculateWing.h"

#include "ResultTexts.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct PanelInput {
    const char* root;
    const char* tip;
    const char* length;
    const char* sweep;
};

WingFields Wing(const std::vector<PanelInput>& panels, const char* balance, const char* mass) {
    WingFields fields;
    for (std::size_t i = 0; i < panels.size(); ++i) {
        fields.C_max[i] = panels[i].root;
        fields.C_min[i] = panels[i].tip;
        fields.L_trap[i] = panels[i].length;
        fields.deport[i] = panels[i].sweep;
    }
    fields.Cg = balance;
    fields.masse = mass;
    return fields;
}

struct WorkedWing {
    const char* name;
    WingFields fields;
    ResultTexts texts;
};

const WorkedWing kWorkedWings[] = {
    {"rectangle",
     Wing({{"200", "200", "500", "0"}}, "30", "1000"),
     {"1 000.00 mm  ", " 20.00 dm\u00b2  ", " 5.00", " 250.00 mm  ", " 60.00 mm  ", " 200.00 mm  ",
      " 50.00 g/dm\u00b2"}},
    {"two panels",
     Wing({{"300", "200", "400", "50"}, {"200", "100", "300", "150"}}, "25", "1500"),
     {"1 400.00 mm  ", " 29.00 dm\u00b2  ", " 6.76", " 294.25 mm  ", " 101.15 mm  ", " 222.99 mm  ",
      " 51.72 g/dm\u00b2"}},
    {"three panels",
     Wing({{"250", "250", "200", "0"}, {"250", "180", "300", "20"}, {"180", "80", "150", "90"}},
          "33", "2200"),
     {"1 300.00 mm  ", " 26.80 dm\u00b2  ", " 6.31", " 284.14 mm  ", " 83.69 mm  ", " 217.54 mm  ",
      " 82.09 g/dm\u00b2"}},
    {"decimal commas",
     Wing({{"200,0", "200", "500", "0"}}, "30,0", "1000"),
     {"1 000.00 mm  ", " 20.00 dm\u00b2  ", " 5.00", " 250.00 mm  ", " 60.00 mm  ", " 200.00 mm  ",
      " 50.00 g/dm\u00b2"}},
    {"empty mass",
     Wing({{"200", "200", "500", "0"}}, "30", ""),
     {"1 000.00 mm  ", " 20.00 dm\u00b2  ", " 5.00", " 250.00 mm  ", " 60.00 mm  ", " 200.00 mm  ",
      " 0.00 g/dm\u00b2"}},
    // One panel never divides by the balance, so 0.0 puts the balance on the leading edge.
    {"one panel at 0.0 %",
     Wing({{"250", "150", "1000", "50"}}, "0.0", ""),
     {"2 000.00 mm  ", " 40.00 dm\u00b2  ", " 10.00", " 458.33 mm  ", " 22.92 mm  ", " 204.17 mm  ",
      " 0.00 g/dm\u00b2"}},
};

TEST(CalculateWing, WorkedWingsGiveTheirResultTexts) {
    for (const auto& wing : kWorkedWings) {
        WingPlanform planform;
        WingResults results;
        const CalcReport report = CalculateWing(wing.fields, ".", planform, results);
        ASSERT_EQ(report.outcome, CalcOutcome::Ok) << wing.name;
        EXPECT_EQ(MakeResultTexts(planform, results, "."), wing.texts) << wing.name;
    }
}

TEST(CalculateWing, CombinationPassKeepsEachStage) {
    WingPlanform planform;
    WingResults results;
    CalculateWing(kWorkedWings[2].fields, ".", planform, results);
    EXPECT_EQ(planform.lastPanel, 2);
    EXPECT_DOUBLE_EQ(results.meanChord[0], 250);
    EXPECT_NEAR(results.meanChord[1], 231.35, 0.005);
    EXPECT_NEAR(results.meanChord[2], 217.54, 0.005);
    EXPECT_DOUBLE_EQ(results.panelArea[0], 5);
    EXPECT_DOUBLE_EQ(results.cumulativeArea[2], 13.4);
    EXPECT_DOUBLE_EQ(results.tipStation[2], 650);
}

TEST(CalculateWing, TwoPanelIntermediateValues) {
    WingPlanform planform;
    WingResults results;
    WingFields fields = kWorkedWings[1].fields;
    // The per-panel mean chords, before combination, are visible through a one-panel wing.
    CalculateWing(fields, ".", planform, results);
    EXPECT_NEAR(results.meanChord[0], 253.3333, 0.0001);
    EXPECT_DOUBLE_EQ(results.panelArea[0], 10);
    EXPECT_DOUBLE_EQ(results.panelArea[1], 4.5);
    // The combined mean chord is the area-weighted average of 253.33 and 155.56.
    EXPECT_NEAR(results.meanChord[1], (10 * 253.33333333 + 4.5 * 155.55555556) / 14.5, 1e-6);
}

struct Refusal {
    const char* name;
    WingFields fields;
    CalcOutcome outcome;
};

const Refusal kRefusals[] = {
    {"panel 0 without length", Wing({{"200", "200", "", "0"}}, "30", ""), CalcOutcome::PanelError},
    {"panel 0 without tip chord", Wing({{"200", "", "500", "0"}}, "30", ""),
     CalcOutcome::PanelError},
    {"panel 2 tip chord without length",
     Wing({{"200", "200", "500", ""}, {"200", "150", "300", ""}, {"150", "100", "", ""}}, "30", ""),
     CalcOutcome::PanelError},
    {"everything empty", Wing({}, "", ""), CalcOutcome::PanelError},
    {"balance 100", Wing({{"200", "200", "500", ""}}, "100", ""), CalcOutcome::BalanceError},
    {"balance negative", Wing({{"200", "200", "500", ""}}, "-1", ""), CalcOutcome::BalanceError},
    {"balance empty", Wing({{"200", "200", "500", ""}}, "", ""), CalcOutcome::BalanceError},
    {"balance bare 0", Wing({{"200", "200", "500", ""}}, "0", ""), CalcOutcome::BalanceError},
    {"balance and panel error: panel first", Wing({{"200", "", "500", ""}}, "100", ""),
     CalcOutcome::PanelError},
    {"zero root chord", Wing({{"", "200", "500", ""}}, "30", ""), CalcOutcome::PanelError},
    {"zero root chord hides behind a bad balance", Wing({{"", "200", "500", ""}}, "100", ""),
     CalcOutcome::BalanceError},
    {"balance 99.99 accepted", Wing({{"200", "200", "500", ""}}, "99.99", ""), CalcOutcome::Ok},
    {"balance 00 accepted", Wing({{"200", "200", "500", ""}}, "00", ""), CalcOutcome::Ok},
};

TEST(CalculateWing, ChecksComeInOrder) {
    for (const auto& refusal : kRefusals) {
        WingPlanform planform;
        WingResults results;
        EXPECT_EQ(CalculateWing(refusal.fields, ".", planform, results).outcome, refusal.outcome)
            << refusal.name;
    }
}

TEST(CalculateWing, PanelsParsedBeforeAFailedCheckStay) {
    WingPlanform planform;
    WingResults results;
    const auto fields =
        Wing({{"200", "200", "500", "7"}, {"200", "150", "", ""}, {"9", "9", "9", "9"}}, "30", "");
    ASSERT_EQ(CalculateWing(fields, ".", planform, results).outcome, CalcOutcome::PanelError);
    EXPECT_EQ(planform.sweepOffset[0], 7);
    EXPECT_EQ(planform.tipChord[1], 150);
    EXPECT_EQ(planform.rootChord[2], 0); // never reached
}

TEST(CalculateWing, EmptyPanelsAfterTheWingAreStillParsed) {
    WingPlanform planform;
    WingResults results;
    auto fields = Wing({{"300", "200", "400", "50"}, {"200", "100", "300", "150"}}, "25", "");
    fields.deport[4] = "12";
    ASSERT_EQ(CalculateWing(fields, ".", planform, results).outcome, CalcOutcome::Ok);
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

Failure FailureOf(const char* name, WingFields fields, ArithmeticStep step) {
    return {name, std::move(fields), step};
}

TEST(CalculateWing, ArithmeticFailuresStopAtTheirStep) {
    const Failure failures[] = {
        FailureOf("zero root chord on panel 1",
                  Wing({{"200", "150", "500", "0"}, {"", "100", "300", "0"}}, "30", ""),
                  ArithmeticStep::PanelPass),
        FailureOf(
            "gap in the chain",
            Wing({{"200", "150", "500", "0"}, {"150", "", "", ""}, {"150", "100", "300", "20"}},
                 "30", ""),
            ArithmeticStep::PanelPass),
        FailureOf("balance 0.0 on two panels",
                  Wing({{"300", "200", "400", "50"}, {"200", "100", "300", "150"}}, "0.0", ""),
                  ArithmeticStep::BalanceDivision),
        FailureOf("tip chord the negative of the root",
                  Wing({{"200", "-200", "500", "0"}}, "30", ""), ArithmeticStep::PanelPass),
        FailureOf("area too small to be a number",
                  Wing({{kTiny.c_str(), kTiny.c_str(), kTiny.c_str(), "0"}}, "30", ""),
                  ArithmeticStep::Totals),
        FailureOf("overflowing length", Wing({{"200", "200", kHuge.c_str(), "0"}}, "30", ""),
                  ArithmeticStep::PanelPass),
        FailureOf("overflowing mass", Wing({{"200", "200", "500", "0"}}, "30", kHuge.c_str()),
                  ArithmeticStep::WingLoading),
    };
    for (const auto& failure : failures) {
        WingPlanform planform;
        WingResults results;
        const CalcReport report = CalculateWing(failure.fields, ".", planform, results);
        EXPECT_EQ(report.outcome, CalcOutcome::ArithmeticFailure) << failure.name;
        EXPECT_EQ(report.failedStep, failure.step) << failure.name;
    }
}

} // namespace
