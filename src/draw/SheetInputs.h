// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the printed sheet needs besides the wing: the language's texts, the unit texts, the
// title and the date, all prepared by the caller so the layout stays a pure function.
#pragma once

#include "calc/CalculateStability.h"
#include "calc/DisplayUnits.h"
#include "calc/ResultTexts.h"
#include "i18n/TextKeys.h"

#include <optional>
#include <string>

struct SheetInputs {
    TextLookup lookup;
    DisplayUnits units;                 // of the results and the table's lengths and mass
    TextKey inputsTitle = kInputsTitle; // the table's heading, which names the length unit
    std::string loadingCaption;         // the wing loading as the results show it
    std::string title;
    std::string date; // already in the locale's short date form
    std::string decimalSeparator = ".";
    std::optional<StabilityResults> stability; // adds the neutral-point line under the planform
};

// A lookup that tolerates a missing callback, as a missing language file does.
std::string sheetText(const SheetInputs& inputs, TextKey key);
