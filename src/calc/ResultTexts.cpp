// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ResultTexts.h"

#include "calc/FormatResult.h"

ResultTexts makeResultTexts(const WingPlanform& planform, const WingResults& results,
                            std::string_view decimalSeparator) {
    const int whole = planform.lastPanel;
    const auto format = [&](double value, std::string_view unit) {
        return formatResult(value, decimalSeparator) + std::string(unit);
    };
    return {
        .span = format(2 * results.halfSpan, kLengthUnit),
        .area = format(2 * results.halfArea / 10000, kAreaUnit),
        .aspectRatio = format(results.aspectRatio, ""),
        .meanChordStation = format(results.meanChordY[whole], kLengthUnit),
        .balanceDistance = format(results.balanceX[whole], kLengthUnit),
        .meanChord = format(results.meanChord[whole], kLengthUnit),
        .wingLoading = format(results.wingLoading, kLoadingUnit),
    };
}
