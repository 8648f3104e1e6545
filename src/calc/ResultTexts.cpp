#include "calc/ResultTexts.h"

#include "calc/FormatResult.h"

ResultTexts MakeResultTexts(const WingPlanform& planform, const WingResults& results,
                            std::string_view decimalSeparator) {
    const int whole = planform.lastPanel;
    const auto format = [&](double value, std::string_view unit) {
        return FormatResult(value, decimalSeparator) + std::string(unit);
    };
    return {
        .Lbenv = format(2 * results.halfSpan, kLengthUnit),
        .Lbsurf = format(2 * results.halfArea / 10000, kAreaUnit),
        .Lballong = format(results.aspectRatio, ""),
        .Lbdist_x = format(results.meanChordY[whole], kLengthUnit),
        .Lbdistcentr = format(results.balanceX[whole], kLengthUnit),
        .Lbcmoy = format(results.meanChord[whole], kLengthUnit),
        .LbafficheCA = format(results.wingLoading, kLoadingUnit),
    };
}
