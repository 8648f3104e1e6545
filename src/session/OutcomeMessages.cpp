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
        return fillIn(text(kPanelIncompleteMessage), {fieldName(report.field, text)});
    }
    return text(kPanelErrorMessage);
}

std::optional<InputField> fieldAtFault(const CalcReport& report) {
    switch (report.outcome) {
    case CalcOutcome::Ok:
        return std::nullopt;
    case CalcOutcome::ArithmeticFailure:
        if (report.failedStep == ArithmeticStep::BalanceDivision)
            return InputField{WingInput::Balance, 0};
        return std::nullopt;
    case CalcOutcome::PanelError:
    case CalcOutcome::BalanceError:
    case CalcOutcome::GapInChain:
    case CalcOutcome::NegativeValue:
    case CalcOutcome::ValueTooLarge:
        break;
    }
    return report.field;
}
