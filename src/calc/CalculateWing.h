// SPDX-License-Identifier: GPL-3.0-or-later
// Validation and calculation of one half-wing from the texts of the input fields.
#pragma once

#include "calc/WingFields.h"
#include "calc/WingResults.h"

#include <string_view>

// GapInChain, NegativeValue and ValueTooLarge name what a modeller must mend; each used to end
// in an arithmetic failure (or, for a negative value, in a negative span and area).
enum class CalcOutcome {
    Ok,
    PanelError,
    BalanceError,
    GapInChain,    // an empty panel lies between used ones
    NegativeValue, // a chord or length of a used panel is below zero
    ValueTooLarge, // a value too large to calculate with
    ArithmeticFailure,
};

// Where an arithmetic failure happened, so the window can say which input caused it.
enum class ArithmeticStep {
    None,
    PanelPass,       // per-panel values: a zero root chord of an outer panel, overflow
    Totals,          // aspect ratio of a zero area
    Combination,     // the area-weighted combination of the panels
    BalanceDivision, // the combined mean chord divides by the balance percentage
    WingLoading,
};

struct CalcReport {
    CalcOutcome outcome = CalcOutcome::Ok;
    // The step that failed, for an arithmetic failure and a value too large to calculate with.
    ArithmeticStep failedStep = ArithmeticStep::None;
    // The field to blame: the empty field of a refused panel, the balance, the empty panel of a
    // gap (its length), the negative or too-large value.
    InputField field{};
    bool operator==(const CalcReport&) const = default;
};

// A value beyond this size may overflow a product of two of them; when the arithmetic fails and
// a used input is that large, that input is what cannot be calculated with.
inline constexpr double kLargestCalculableValue = 1e150;

// Fills planform and results in the order a modeller expects the checks: panels first, then
// the balance, then the root chord, then the chain of panels and the signs of their sizes. Values
// parsed before a failing check stay in the planform.
CalcReport calculateWing(const WingFields& fields, std::string_view decimalSeparator,
                         WingPlanform& planform, WingResults& results);
