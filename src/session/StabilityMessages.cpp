// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/StabilityMessages.h"

#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "session/AccessibleTexts.h"

std::string stabilityMessage(const StabilityReport& report, const TextLookup& text) {
    switch (report.outcome) {
    case StabilityOutcome::Ok:
        return {};
    case StabilityOutcome::WingNotCalculated:
        return text(kStabilityNeedsWingMessage);
    case StabilityOutcome::LayoutNotChosen:
        return text(kChooseLayoutMessage);
    case StabilityOutcome::TailPanelError:
        return text(kTailPanelMessage);
    case StabilityOutcome::TailGapInChain:
        return fillIn(text(kTailGapMessage), {std::to_string(report.tailField.panel + 1)});
    case StabilityOutcome::TailNegativeValue:
        return fillIn(text(kNegativeValueMessage), {tailFieldName(report.tailField, text)});
    case StabilityOutcome::TailValueTooLarge:
        return fillIn(text(kValueTooLargeMessage), {tailFieldName(report.tailField, text)});
    case StabilityOutcome::DistanceError:
        return text(kTailDistanceMessage);
    case StabilityOutcome::DistanceTooLarge:
        return fillIn(text(kValueTooLargeMessage), {withoutColon(text(kTailDistanceCaption))});
    case StabilityOutcome::TailArmError:
        return text(kTailArmMessage);
    case StabilityOutcome::EfficiencyError:
        return text(kEfficiencyMessage);
    case StabilityOutcome::MarginError:
        return text(kMarginMessage);
    case StabilityOutcome::ArithmeticFailure:
        break;
    }
    return text(kStabilityArithmeticMessage);
}

std::string stabilityWarning(const StabilityResults& results, const TextLookup& text) {
    std::string warning;
    const auto add = [&warning, &text](TextKey key) {
        warning.append(warning.empty() ? "" : "\n").append(text(key));
    };
    if (results.marginAtBalance < 0)
        add(kNegativeMarginWarning);
    if (results.tailInsideWingChord)
        add(kTailInsideWingWarning);
    return warning;
}

std::string stabilityFileMessage(const StabilityFileProblem& problem, TextKey intro,
                                 const TextLookup& text) {
    std::string message = text(intro);
    message.append("\r").append(problem.path);
    if (problem.error) {
        message.append("\r").append(text(kErrorWord)).append(" # ");
        message.append(std::to_string(problem.error->number)).append(" ");
        message.append(problem.error->description);
    }
    return message;
}
