// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/OutcomeMessages.h"

#include "i18n/TextKeys.h"

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
    case CalcOutcome::ArithmeticFailure:
        if (report.failedStep == ArithmeticStep::BalanceDivision)
            return text(kBalanceErrorMessage);
        break;
    case CalcOutcome::PanelError:
        break;
    }
    return text(kPanelErrorMessage);
}
