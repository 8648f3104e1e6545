// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/StabilityFields.h"

#include <cmath>

StabilityFields defaultStabilityFields(std::string_view decimalSeparator) {
    StabilityFields fields;
    fields.efficiency = efficiencyText(kUsualTailEfficiency, decimalSeparator);
    fields.margin = "10";
    return fields;
}

// Two decimals are all a tail efficiency is ever known to.
std::string efficiencyText(double efficiency, std::string_view decimalSeparator) {
    const long hundredths = std::lround(efficiency * 100);
    const long fraction = hundredths % 100;
    return std::to_string(hundredths / 100) + std::string(decimalSeparator) +
           (fraction < 10 ? "0" : "") + std::to_string(fraction);
}
