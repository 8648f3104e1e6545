#include "calc/CalculateWing.h"

#include "calc/ParseNumber.h"

#include <cmath>

namespace {

// Thrown by the first arithmetic step that overflows, divides by zero or turns invalid; caught
// at the top so the algorithm below reads as the plain wing maths.
struct ArithmeticFault {
    ArithmeticStep step;
};

double Checked(double value, ArithmeticStep step) {
    if (!std::isfinite(value))
        throw ArithmeticFault{step};
    return value;
}

// Each used panel needs both a length and a tip chord; the first unused panel ends the wing.
CalcOutcome CheckPanels(const WingFields& fields, std::string_view separator, WingPlanform& wing) {
    std::int16_t panelsWithLength = -1;
    std::int16_t panelsWithTipChord = -1;
    for (int i = 0; i < kPanelCount; ++i) {
        wing.panelLength[i] = ParseNumber(fields.L_trap[i], separator);
        wing.rootChord[i] = ParseNumber(fields.C_max[i], separator);
        wing.tipChord[i] = ParseNumber(fields.C_min[i], separator);
        wing.sweepOffset[i] = ParseNumber(fields.deport[i], separator);
        if (wing.panelLength[i] != 0)
            ++panelsWithLength;
        if (wing.tipChord[i] != 0)
            ++panelsWithTipChord;
        wing.lastPanel = panelsWithLength;
        if (panelsWithLength == -1 || panelsWithLength != panelsWithTipChord)
            return CalcOutcome::PanelError;
    }
    return CalcOutcome::Ok;
}

// A typed "0.0" or "00" is accepted on purpose: only the empty text and a bare "0" are refused.
CalcOutcome CheckBalance(const WingFields& fields, std::string_view separator, WingPlanform& wing) {
    wing.balancePercent = ParseNumber(fields.Cg, separator);
    if (wing.balancePercent < 0 || wing.balancePercent >= 100)
        return CalcOutcome::BalanceError;
    if (fields.Cg.empty() || fields.Cg == "0")
        return CalcOutcome::BalanceError;
    return CalcOutcome::Ok;
}

// Each panel on its own: area, mean chord, its station from the panel root and its leading edge.
void PanelPass(const WingPlanform& wing, WingResults& out) {
    constexpr auto step = ArithmeticStep::PanelPass;
    out.halfSpan = 0;
    out.halfArea = 0;
    for (int i = 0; i <= wing.lastPanel; ++i) {
        const double root = wing.rootChord[i];
        const double tip = wing.tipChord[i];
        const double length = wing.panelLength[i];

        out.halfSpan = Checked(out.halfSpan + length, step);
        out.tipStation[i] = out.halfSpan;
        const double averageChord = Checked((tip + root) / 2, step);
        const double panelAreaMm2 = Checked(length * averageChord, step);
        out.panelArea[i] = Checked(panelAreaMm2 / 10000, step);
        out.halfArea = Checked(out.halfArea + panelAreaMm2, step);
        out.cumulativeArea[i] = Checked(out.halfArea / 10000, step);

        const double taper = Checked(tip / root, step);
        out.taperRatio[i] = taper;
        out.meanChord[i] = Checked(
            Checked((taper * taper + (taper + 1)) * root * 2 / 3, step) / (taper + 1), step);

        // The chord varies linearly from root to tip: the mean chord sits where they meet.
        out.meanChordY[i] = root != tip
                                ? Checked((root - out.meanChord[i]) * length / (root - tip), step)
                                : Checked(length / 2, step);

        const double previousSweep = i == 0 ? 0.0 : wing.sweepOffset[i - 1];
        const double slope = Checked((wing.sweepOffset[i] - previousSweep) / length, step);
        out.meanChordX[i] = Checked(out.meanChordY[i] * slope + previousSweep, step);
        out.balanceX[i] =
            Checked(out.meanChordX[i] + out.meanChord[i] * wing.balancePercent / 100, step);
    }
}

// Span squared over area, both in millimetres.
void Totals(WingResults& out) {
    constexpr auto step = ArithmeticStep::Totals;
    const double span = Checked(2 * out.halfSpan, step);
    out.aspectRatio = Checked(Checked(out.halfSpan * span * 2, step) / (2 * out.halfArea), step);
}

// Entry i becomes panels 0..i together: each panel pulls the combined point towards its own by
// its share of the area, so positions are area-weighted averages.
void CombinationPass(const WingPlanform& wing, WingResults& out) {
    constexpr auto step = ArithmeticStep::Combination;
    for (int i = 1; i <= wing.lastPanel; ++i) {
        const int p = i - 1;
        const double distance =
            Checked(out.tipStation[p] - out.meanChordY[p] + out.meanChordY[i], step);
        const double k = Checked(out.cumulativeArea[i] / distance, step);
        const double shift = Checked(out.panelArea[i] / k, step);
        out.meanChordY[i] = Checked(out.meanChordY[p] + shift, step);
        out.balanceX[i] = Checked(
            out.balanceX[p] + shift * Checked((out.balanceX[i] - out.balanceX[p]) / distance, step),
            step);
        out.meanChordX[i] =
            Checked(out.meanChordX[p] +
                        shift * Checked((out.meanChordX[i] - out.meanChordX[p]) / distance, step),
                    step);
        const double balanceBehindLeadingEdge = Checked(out.balanceX[i] - out.meanChordX[i], step);
        out.meanChord[i] = Checked(Checked(balanceBehindLeadingEdge / wing.balancePercent,
                                           ArithmeticStep::BalanceDivision) *
                                       100,
                                   step);
    }
}

void WingLoading(const WingFields& fields, std::string_view separator, WingPlanform& wing,
                 WingResults& out) {
    constexpr auto step = ArithmeticStep::WingLoading;
    wing.massGrams = ParseNumber(fields.masse, separator);
    const double wingAreaDm2 = Checked(2 * out.halfArea / 10000, step);
    out.wingLoading = Checked(wing.massGrams / wingAreaDm2, step);
}

} // namespace

CalcReport CalculateWing(const WingFields& fields, std::string_view decimalSeparator,
                         WingPlanform& planform, WingResults& results) {
    for (const auto check : {CheckPanels, CheckBalance}) {
        if (const CalcOutcome outcome = check(fields, decimalSeparator, planform);
            outcome != CalcOutcome::Ok)
            return {outcome};
    }
    if (planform.rootChord[0] == 0)
        return {CalcOutcome::PanelError};

    try {
        PanelPass(planform, results);
        Totals(results);
        CombinationPass(planform, results);
        WingLoading(fields, decimalSeparator, planform, results);
    } catch (const ArithmeticFault& fault) {
        return {CalcOutcome::ArithmeticFailure, fault.step};
    }
    return {CalcOutcome::Ok};
}
