// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ResultTexts.h"

#include "calc/FormatResult.h"

ResultTexts makeResultTexts(const WingPlanform& planform, const WingResults& results,
                            std::string_view decimalSeparator, const DisplayUnits& units) {
    const int whole = planform.lastPanel;
    const auto length = [&](double mm) {
        return units.lengthResult(mm, decimalSeparator);
    };
    return {
        .span = length(2 * results.halfSpan),
        .area = units.areaResult(2 * results.halfArea / 10000, decimalSeparator),
        .aspectRatio = formatResult(results.aspectRatio, decimalSeparator),
        .meanChordStation = length(results.meanChordY[whole]),
        .balanceDistance = length(results.balanceX[whole]),
        .meanChord = length(results.meanChord[whole]),
        .wingLoading = units.loadingResult(results.wingLoading, decimalSeparator),
    };
}
