// SPDX-License-Identifier: GPL-3.0-or-later
// Validation and calculation of one half-wing from the texts of the input fields.
#pragma once

#include "calc/WingFields.h"
#include "calc/WingResults.h"

#include <string_view>

enum class CalcOutcome { Ok, PanelError, BalanceError, ArithmeticFailure };

// Where an arithmetic failure happened, so the window can say which input caused it.
enum class ArithmeticStep {
    None,
    PanelPass,       // per-panel values: a zero root chord, a gap in the chain, overflow
    Totals,          // aspect ratio of a zero area
    Combination,     // the area-weighted combination of the panels
    BalanceDivision, // the combined mean chord divides by the balance percentage
    WingLoading,
};

struct CalcReport {
    CalcOutcome outcome = CalcOutcome::Ok;
    ArithmeticStep failedStep = ArithmeticStep::None;
};

// Fills planform and results in the order a modeller expects the checks: panels first, then
// the balance, then the root chord. Values parsed before a failing check stay in the planform.
CalcReport calculateWing(const WingFields& fields, std::string_view decimalSeparator,
                         WingPlanform& planform, WingResults& results);
