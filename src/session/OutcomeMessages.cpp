// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/OutcomeMessages.h"

#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "session/AccessibleTexts.h"

std::string fileErrorMessage(const FileError& error, const TextLookup& text) {
    return text(kErrorWord) + " # " + std::to_string(error.number) + " " + text(kReportedByWords) +
           " " + text(kProgramCaption) + "\r" + error.description;
}

std::string calculationMessage(const CalcReport& report, const TextLookup& text) {
    switch (report.outcome) {
    case CalcOutcome::Ok:
        return {};
    case CalcOutcome::BalanceError:
        return text(kBalanceErrorMessage);
    case CalcOutcome::GapInChain:
        return fillIn(text(kGapInChainMessage), {std::to_string(report.field.panel + 1)});
    case CalcOutcome::NegativeValue:
        return fillIn(text(kNegativeValueMessage), {fieldName(report.field, text)});
    case CalcOutcome::ValueTooLarge:
        return fillIn(text(kValueTooLargeMessage), {fieldName(report.field, text)});
    case CalcOutcome::ArithmeticFailure:
        if (report.failedStep == ArithmeticStep::BalanceDivision)
            return text(kBalanceErrorMessage);
        break;
    case CalcOutcome::PanelError:
        break;
    }
    return text(kPanelErrorMessage);
}
