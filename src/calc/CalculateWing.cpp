// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/CalculateWing.h"

#include "calc/ParseNumber.h"

#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace {

// Thrown by the first arithmetic step that overflows, divides by zero or turns invalid; caught
// at the top so the algorithm below reads as the plain wing maths.
struct ArithmeticFault {
    ArithmeticStep step;
};

double checked(double value, ArithmeticStep step) {
    if (!std::isfinite(value))
        throw ArithmeticFault{step};
    return value;
}

// The field a modeller must fill in a refused panel, in the form's reading order: panel 1's root
// chord, then the tip chord, then the length.
InputField missingPanelInput(const WingPlanform& wing, int panel) {
    if (panel == 0 && wing.rootChord[0] == 0)
        return {WingInput::RootChord, 0};
    return {wing.tipChord[panel] == 0 ? WingInput::TipChord : WingInput::PanelLength, panel};
}

// Each used panel needs both a length and a tip chord; the first unused panel ends the wing.
CalcReport checkPanels(const WingFields& fields, std::string_view separator, WingPlanform& wing) {
    std::int16_t panelsWithLength = -1;
    std::int16_t panelsWithTipChord = -1;
    for (int i = 0; i < kPanelCount; ++i) {
        wing.panelLength[i] = parseNumber(fields.panelLength[i], separator);
        wing.rootChord[i] = parseNumber(fields.rootChord[i], separator);
        wing.tipChord[i] = parseNumber(fields.tipChord[i], separator);
        wing.sweepOffset[i] = parseNumber(fields.sweepOffset[i], separator);
        if (wing.panelLength[i] != 0)
            ++panelsWithLength;
        if (wing.tipChord[i] != 0)
            ++panelsWithTipChord;
        wing.lastPanel = panelsWithLength;
        if (panelsWithLength == -1 || panelsWithLength != panelsWithTipChord)
            return {CalcOutcome::PanelError, ArithmeticStep::None, missingPanelInput(wing, i)};
    }
    return {};
}

// A typed "0.0" or "00" is accepted on purpose: only the empty text and a bare "0" are refused.
bool balanceIsValid(const WingFields& fields, std::string_view separator, WingPlanform& wing) {
    wing.balancePercent = parseNumber(fields.balancePercent, separator);
    if (wing.balancePercent < 0 || wing.balancePercent >= 100)
        return false;
    return !fields.balancePercent.empty() && fields.balancePercent != "0";
}

// The four sizes of panel i in the form's reading order, each with the field it came from.
std::array<std::pair<WingInput, double>, 4> panelSizes(const WingPlanform& wing, int i) {
    return {{{WingInput::RootChord, wing.rootChord[i]},
             {WingInput::TipChord, wing.tipChord[i]},
             {WingInput::PanelLength, wing.panelLength[i]},
             {WingInput::SweepOffset, wing.sweepOffset[i]}}};
}

// The used panels follow one another from the root: panels 0 and 2 used with 1 empty count as
// two panels, so an empty one inside lastPanel is a gap. The first empty panel is named.
std::optional<CalcReport> checkChain(const WingPlanform& wing) {
    for (int i = 0; i <= wing.lastPanel; ++i) {
        if (wing.panelLength[i] == 0)
            return CalcReport{
                CalcOutcome::GapInChain, ArithmeticStep::None, {WingInput::PanelLength, i}};
    }
    return std::nullopt;
}

// Chords and lengths cannot be typed negative, but a wing file can hold them; the sweep offset
// is negative for forward sweep.
std::optional<CalcReport> checkSigns(const WingPlanform& wing) {
    for (int i = 0; i <= wing.lastPanel; ++i) {
        for (const auto& [input, value] : panelSizes(wing, i)) {
            if (input != WingInput::SweepOffset && value < 0)
                return CalcReport{CalcOutcome::NegativeValue, ArithmeticStep::None, {input, i}};
        }
    }
    return std::nullopt;
}

// After a failed step: the first used input too large to calculate with, in reading order. The
// mass counts only once the step that reads it has run; a division by a balance of 0 is the
// balance's fault whatever the sizes.
std::optional<InputField> tooLargeInput(const WingPlanform& wing, ArithmeticStep failedStep) {
    if (failedStep == ArithmeticStep::BalanceDivision)
        return std::nullopt;
    const auto tooLarge = [](double value) {
        return std::abs(value) > kLargestCalculableValue;
    };
    for (int i = 0; i <= wing.lastPanel; ++i) {
        for (const auto& [input, value] : panelSizes(wing, i)) {
            if (tooLarge(value))
                return InputField{input, i};
        }
    }
    if (failedStep == ArithmeticStep::WingLoading && tooLarge(wing.massGrams))
        return InputField{WingInput::Mass, 0};
    return std::nullopt;
}

// Each panel on its own: area, mean chord, its station from the panel root and its leading edge.
void panelPass(const WingPlanform& wing, WingResults& out) {
    constexpr auto step = ArithmeticStep::PanelPass;
    out.halfSpan = 0;
    out.halfArea = 0;
    for (int i = 0; i <= wing.lastPanel; ++i) {
        const double root = wing.rootChord[i];
        const double tip = wing.tipChord[i];
        const double length = wing.panelLength[i];

        out.halfSpan = checked(out.halfSpan + length, step);
        out.tipStation[i] = out.halfSpan;
        const double averageChord = checked((tip + root) / 2, step);
        const double panelAreaMm2 = checked(length * averageChord, step);
        out.panelArea[i] = checked(panelAreaMm2 / 10000, step);
        out.halfArea = checked(out.halfArea + panelAreaMm2, step);
        out.cumulativeArea[i] = checked(out.halfArea / 10000, step);

        const double taper = checked(tip / root, step);
        out.taperRatio[i] = taper;
        out.meanChord[i] = checked(
            checked((taper * taper + (taper + 1)) * root * 2 / 3, step) / (taper + 1), step);

        // The chord varies linearly from root to tip: the mean chord sits where they meet.
        out.meanChordY[i] = root != tip
                                ? checked((root - out.meanChord[i]) * length / (root - tip), step)
                                : checked(length / 2, step);

        const double previousSweep = i == 0 ? 0.0 : wing.sweepOffset[i - 1];
        const double slope = checked((wing.sweepOffset[i] - previousSweep) / length, step);
        out.meanChordX[i] = checked(out.meanChordY[i] * slope + previousSweep, step);
        out.balanceX[i] =
            checked(out.meanChordX[i] + out.meanChord[i] * wing.balancePercent / 100, step);
    }
}

// Span squared over area, both in millimetres.
void totals(WingResults& out) {
    constexpr auto step = ArithmeticStep::Totals;
    const double span = checked(2 * out.halfSpan, step);
    out.aspectRatio = checked(checked(out.halfSpan * span * 2, step) / (2 * out.halfArea), step);
}

// Entry i becomes panels 0..i together: each panel pulls the combined point towards its own by
// its share of the area, so positions are area-weighted averages.
void combinationPass(const WingPlanform& wing, WingResults& out) {
    constexpr auto step = ArithmeticStep::Combination;
    for (int i = 1; i <= wing.lastPanel; ++i) {
        const int p = i - 1;
        const double distance =
            checked(out.tipStation[p] - out.meanChordY[p] + out.meanChordY[i], step);
        const double k = checked(out.cumulativeArea[i] / distance, step);
        const double shift = checked(out.panelArea[i] / k, step);
        out.meanChordY[i] = checked(out.meanChordY[p] + shift, step);
        out.balanceX[i] = checked(
            out.balanceX[p] + shift * checked((out.balanceX[i] - out.balanceX[p]) / distance, step),
            step);
        out.meanChordX[i] =
            checked(out.meanChordX[p] +
                        shift * checked((out.meanChordX[i] - out.meanChordX[p]) / distance, step),
                    step);
        const double balanceBehindLeadingEdge = checked(out.balanceX[i] - out.meanChordX[i], step);
        out.meanChord[i] = checked(checked(balanceBehindLeadingEdge / wing.balancePercent,
                                           ArithmeticStep::BalanceDivision) *
                                       100,
                                   step);
    }
}

void wingLoading(const WingFields& fields, std::string_view separator, WingPlanform& wing,
                 WingResults& out) {
    constexpr auto step = ArithmeticStep::WingLoading;
    wing.massGrams = parseNumber(fields.mass, separator);
    const double wingAreaDm2 = checked(2 * out.halfArea / 10000, step);
    out.wingLoading = checked(wing.massGrams / wingAreaDm2, step);
}

} // namespace

CalcReport calculateWing(const WingFields& fields, std::string_view decimalSeparator,
                         WingPlanform& planform, WingResults& results) {
    if (const CalcReport panels = checkPanels(fields, decimalSeparator, planform);
        panels.outcome != CalcOutcome::Ok)
        return panels;
    if (!balanceIsValid(fields, decimalSeparator, planform))
        return {CalcOutcome::BalanceError, ArithmeticStep::None, {WingInput::Balance, 0}};
    if (planform.rootChord[0] == 0)
        return {CalcOutcome::PanelError, ArithmeticStep::None, {WingInput::RootChord, 0}};
    for (const auto check : {checkChain, checkSigns}) {
        if (std::optional<CalcReport> refusal = check(planform))
            return *refusal;
    }

    try {
        panelPass(planform, results);
        totals(results);
        combinationPass(planform, results);
        wingLoading(fields, decimalSeparator, planform, results);
    } catch (const ArithmeticFault& fault) {
        if (const std::optional<InputField> input = tooLargeInput(planform, fault.step))
            return {CalcOutcome::ValueTooLarge, fault.step, *input};
        return {CalcOutcome::ArithmeticFailure, fault.step};
    }
    return {CalcOutcome::Ok};
}
