// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/RibsMessages.h"

#include "calc/FormatResult.h"
#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "session/AccessibleTexts.h"
#include "session/OutcomeMessages.h"
#include "session/UnitTexts.h"

#include <cmath>

namespace {

TextKey airfoilFaultText(AirfoilFault fault) {
    switch (fault) {
    case AirfoilFault::NoNumbers:
        return kAirfoilNoNumbers;
    case AirfoilFault::TooFewPoints:
        return kAirfoilTooFewPoints;
    case AirfoilFault::TooManyPoints:
        return kAirfoilTooManyPoints;
    case AirfoilFault::NotFinite:
        return kAirfoilNotFinite;
    case AirfoilFault::CountMismatch:
        return kAirfoilCountMismatch;
    case AirfoilFault::CrossesItself:
        break;
    }
    return kAirfoilCrossesItself;
}

std::string faultDetail(const RibsFileFault& fault, const TextLookup& text) {
    switch (fault.kind) {
    case RibsFileFaultKind::NoRibsSection:
        return text(kRibsNoSectionMessage);
    case RibsFileFaultKind::BadValue:
        return fillIn(text(kRibsBadValueMessage), {fault.where});
    case RibsFileFaultKind::UnknownAirfoil:
        return fillIn(text(kUnknownAirfoilMessage), {fault.where});
    case RibsFileFaultKind::BadAirfoil:
        return airfoilFaultMessage(fault.where, fault.airfoil, fault.where.starts_with('['), text);
    case RibsFileFaultKind::AirfoilFileError:
        break;
    }
    return fault.where + "\r" + (fault.fileError ? fileErrorMessage(*fault.fileError, text) : "");
}

std::vector<std::string> importNotes(const AirfoilNotes& notes, std::string_view separator,
                                     const TextLookup& text) {
    std::vector<std::string> lines;
    if (notes.scale != 1)
        lines.push_back(
            fillIn(text(kAirfoilScaledNote), {formatGeneral(notes.scale, separator, 6)}));
    if (std::abs(notes.turnDegrees) >= 0.001)
        lines.push_back(
            fillIn(text(kAirfoilTurnedNote), {formatFixed(notes.turnDegrees, 3, separator)}));
    if (notes.trailingEdgeGap > 0)
        lines.push_back(fillIn(text(kAirfoilOpenEdgeNote),
                               {formatFixed(notes.trailingEdgeGap * 100, 3, separator)}));
    if (notes.duplicatesDropped > 0)
        lines.push_back(
            fillIn(text(kAirfoilRepeatsNote), {std::to_string(notes.duplicatesDropped)}));
    if (notes.reversed)
        lines.push_back(text(kAirfoilReversedNote));
    return lines;
}

} // namespace

std::string ribsMessage(const RibsReport& report, const TextLookup& text, UnitChoice units) {
    switch (report.outcome) {
    case RibsOutcome::Ok:
        return {};
    case RibsOutcome::SettingOutOfRange:
        return fillIn(text(kRibSettingMessage),
                      {ribSettingName(report.setting.value_or(RibSettingFault{}), text, units)});
    case RibsOutcome::UnknownAirfoil:
        return fillIn(text(kUnknownAirfoilMessage), {report.airfoil});
    case RibsOutcome::TooManyRibs:
        return fillIn(text(kTooManyRibsMessage), {std::to_string(kMostRibs)});
    case RibsOutcome::WingNotCalculated:
        break;
    }
    return text(kRibsNeedWingMessage);
}

std::string ribSettingName(const RibSettingFault& fault, const TextLookup& lookUp,
                           UnitChoice units) {
    const auto text = [&](TextKey key) {
        return lookUp(inChosenUnits(key, units));
    };
    const std::string spar =
        withoutColon(fillIn(text(kSparCaption), {std::to_string(fault.index + 1)}));
    switch (fault.setting) {
    case RibSetting::Spacing:
        return withoutColon(text(kSpacingCaption));
    case RibSetting::Sheeting:
        return withoutColon(text(kSheetingCaption));
    case RibSetting::LeadingEdgeCut:
        return withoutColon(text(kLeadingEdgeCutCaption));
    case RibSetting::TrailingEdgeCut:
        return withoutColon(text(kTrailingEdgeCutCaption));
    case RibSetting::SparPosition:
        return spar + ", " + text(kSparPositionCaption);
    case RibSetting::SparWidth:
        return spar + ", " + text(kSparWidthCaption);
    case RibSetting::SparDepth:
        return spar + ", " + text(kSparDepthCaption);
    case RibSetting::JigHeight:
        return withoutColon(text(kJigHeightCaption));
    case RibSetting::JigFront:
        return withoutColon(text(kJigFrontCaption));
    case RibSetting::JigRear:
        return withoutColon(text(kJigRearCaption));
    case RibSetting::JigWidth:
        return withoutColon(text(kJigWidthCaption));
    case RibSetting::CoreKerf:
        return withoutColon(text(kCoreKerfCaption));
    case RibSetting::Twist:
        break;
    }
    return fillIn(text(kPanelFieldName), {text(kTwistGroupTitle), std::to_string(fault.index + 1)});
}

std::string ribsFileMessage(const RibsFileProblem& problem, TextKey intro, const TextLookup& text) {
    std::string message = text(intro);
    message.append("\r").append(problem.path);
    if (problem.fault)
        message.append("\r").append(faultDetail(*problem.fault, text));
    if (problem.error)
        message.append("\r").append(fileErrorMessage(*problem.error, text));
    return message;
}

std::string airfoilFaultMessage(std::string_view where, const AirfoilFileFault& fault,
                                bool countsPoints, const TextLookup& text) {
    return fillIn(text(countsPoints ? kAirfoilPointMessage : kAirfoilLineMessage),
                  {where, std::to_string(fault.line), text(airfoilFaultText(fault.fault))});
}

std::string airfoilImportMessage(const AirfoilImport& imported, const std::string& path,
                                 std::string_view decimalSeparator, const TextLookup& text) {
    const AirfoilFileRead& read = imported.read;
    if (read.fileError)
        return text(kAirfoilRefusedMessage) + "\r" + path + "\r" +
               fileErrorMessage(*read.fileError, text);
    if (!read.airfoil)
        return text(kAirfoilRefusedMessage) + "\r" +
               airfoilFaultMessage(path, read.fault.value_or(AirfoilFileFault{}), false, text);
    std::string message = fillIn(text(kAirfoilImportedMessage), {imported.name});
    for (const std::string& note : importNotes(read.notes, decimalSeparator, text))
        message.append("\r").append(note);
    return message;
}

std::string ribProblemsText(const std::vector<RibProblem>& problems, const TextLookup& text) {
    std::string joined;
    for (const RibProblem& problem : problems) {
        if (!joined.empty())
            joined += "; ";
        const std::string spar = std::to_string(problem.spar + 1);
        switch (problem.kind) {
        case RibProblemKind::SheetingTooThick:
            joined += text(kSheetingTooThickProblem);
            break;
        case RibProblemKind::NotchTooDeep:
            joined += fillIn(text(kNotchTooDeepProblem), {spar});
            break;
        case RibProblemKind::NotchOutsideRib:
            joined += fillIn(text(kNotchOutsideProblem), {spar});
            break;
        case RibProblemKind::NothingLeft:
            joined += text(kNothingLeftProblem);
            break;
        case RibProblemKind::JigTabOutsideRib:
            joined += fillIn(text(kJigTabOutsideProblem), {spar});
            break;
        }
    }
    return joined;
}
