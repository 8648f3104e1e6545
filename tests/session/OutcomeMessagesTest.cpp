// SPDX-License-Identifier: GPL-3.0-or-later
// The words of a refused calculation and the names a screen reader speaks, built from keys whose
// texts name themselves, so a swapped key or a wrong panel number shows.
#include "session/OutcomeMessages.h"

#include "session/AccessibleTexts.h"
#include "support/NamedTexts.h"

#include <gtest/gtest.h>

namespace {

struct MessageCase {
    const char* name;
    CalcReport report;
    const char* expected;
};

TEST(OutcomeMessages, EachCauseHasItsMessageNamingItsPanelOrField) {
    using enum CalcOutcome;
    const MessageCase cases[] = {
        {"calculated", {Ok}, ""},
        {"tip chord of panel 2 missing",
         {PanelError, ArithmeticStep::None, {WingInput::TipChord, 1}},
         "Message/incomplete Label/field Label/2 2"},
        {"balance error", {BalanceError}, "Message/2"},
        {"gap at panel 3",
         {GapInChain, ArithmeticStep::None, {WingInput::PanelLength, 2}},
         "Message/gap 3"},
        {"negative tip chord of panel 2",
         {NegativeValue, ArithmeticStep::None, {WingInput::TipChord, 1}},
         "Message/negative Label/field Label/2 2"},
        {"too large a mass",
         {ValueTooLarge, ArithmeticStep::WingLoading, {WingInput::Mass}},
         "Message/toolarge Label/15"},
        {"too large a sweep of panel 5",
         {ValueTooLarge, ArithmeticStep::PanelPass, {WingInput::SweepOffset, 4}},
         "Message/toolarge Label/field Label/4 5"},
        {"balance division", {ArithmeticFailure, ArithmeticStep::BalanceDivision}, "Message/2"},
        {"other arithmetic failure", {ArithmeticFailure, ArithmeticStep::Totals}, "Message/1"},
    };
    for (const MessageCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(calculationMessage(row.report, namedText), row.expected);
    }
}

struct ColonCase {
    const char* caption;
    const char* words;
};

TEST(AccessibleTexts, CaptionsLoseTheColonThatEndsThem) {
    const ColonCase cases[] = {
        {"Root chord:", "Root chord"},
        {"Corde d'emplanture :", "Corde d'emplanture"},
        {"CG (% MAC):", "CG (% MAC)"},
        {"Weight", "Weight"},
        {"Envergure\xC2\xA0:", "Envergure"},
        {"Ratio: 1:2 ", "Ratio: 1:2"},
        {"", ""},
    };
    for (const ColonCase& row : cases)
        EXPECT_EQ(withoutColon(row.caption), row.words) << row.caption;
}

// The English the window shows, so the names read as a screen reader says them.
std::string english(TextKey key) {
    if (key.section == "Label" && key.key == "1")
        return "Root chord:";
    if (key.section == "Label" && key.key == "5")
        return "CG (% MAC):";
    if (key.section == "Label" && key.key == "15")
        return "Weight";
    return std::string(key.fallback);
}

TEST(AccessibleTexts, FieldsAreNamedByRowAndPanel) {
    EXPECT_EQ(fieldName({WingInput::RootChord, 0}, english), "Root chord, panel 1");
    EXPECT_EQ(fieldName({WingInput::Balance}, english), "CG (% MAC)");
    EXPECT_EQ(fieldName({WingInput::Mass}, english), "Weight");
    EXPECT_EQ(fieldName({WingInput::SweepOffset, 3}, namedText), "Label/field Label/4 4");
}

TEST(AccessibleTexts, ResultsReadCaptionThenValue) {
    EXPECT_EQ(resultName("Span:", "2 600.00 mm  "), "Span: 2 600.00 mm");
    EXPECT_EQ(resultName("Wing loading : ", " 51.72 g/dm\u00b2"),
              "Wing loading : 51.72 g/dm\u00b2");
    EXPECT_EQ(resultName("Span:", ""), "Span");
}

TEST(AccessibleTexts, PreviewSaysWhatItShows) {
    ResultTexts shown;
    shown.span = "1 400.00 mm  ";
    shown.meanChordStation = " 294.25 mm  ";
    shown.balanceDistance = " 101.15 mm  ";
    EXPECT_EQ(previewDescription(shown, english),
              "The half-wing to scale, root on the left: span 1 400.00 mm, mean aerodynamic chord "
              "294.25 mm from the root (red line), CG 101.15 mm behind the root leading edge "
              "(blue mark).");
    EXPECT_EQ(previewDescription(std::nullopt, namedText), "Label/previewempty");
}

} // namespace
