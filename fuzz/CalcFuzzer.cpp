// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the calculation on any field texts, then draws whatever it computed on the preview and
// the sheet. An accepted wing has finite results and result texts; nothing may crash or hang.
#include "DrawingChecks.h"
#include "base/TextLines.h"
#include "calc/CalculateWing.h"
#include "calc/ResultTexts.h"

#include <cmath>
#include <cstdint>
#include <string_view>

namespace {

// The decimal separator on the first line, then the 22 field texts in wing-file order, one per
// line; missing lines leave their fields empty.
struct FuzzedWing {
    std::string separator;
    WingFields fields;
};

FuzzedWing readFuzzedWing(std::string_view input) {
    FuzzedWing wing;
    TextLineReader lines(input);
    const auto next = [&lines](std::string& field) {
        if (const std::optional<TextLine> line = lines.next())
            field.assign(line->text);
    };
    next(wing.separator);
    for (int panel = 0; panel < kPanelCount; ++panel) {
        next(wing.fields.rootChord[panel]);
        next(wing.fields.tipChord[panel]);
        next(wing.fields.panelLength[panel]);
        next(wing.fields.sweepOffset[panel]);
    }
    next(wing.fields.balancePercent);
    next(wing.fields.mass);
    return wing;
}

bool allFinite(const PanelValues& values, int lastPanel) {
    for (int i = 0; i <= lastPanel; ++i) {
        if (!std::isfinite(values[i]))
            return false;
    }
    return true;
}

void checkAcceptedWing(const WingPlanform& planform, const WingResults& results,
                       std::string_view separator) {
    const int n = planform.lastPanel;
    require(n >= 0 && n < kPanelCount, "an accepted wing has 1 to 5 panels");
    for (const PanelValues* values :
         {&results.tipStation, &results.panelArea, &results.cumulativeArea, &results.taperRatio,
          &results.meanChord, &results.meanChordY, &results.meanChordX, &results.balanceX})
        require(allFinite(*values, n), "an accepted wing has finite panel results");
    require(std::isfinite(results.halfSpan) && std::isfinite(results.halfArea) &&
                std::isfinite(results.aspectRatio) && std::isfinite(results.wingLoading),
            "an accepted wing has finite totals");
    const ResultTexts texts = makeResultTexts(planform, results, separator);
    // "# ##0.00" starts with a digit, its blank or a minus; "Infinity" and "NaN" do not.
    for (const std::string* text :
         {&texts.span, &texts.area, &texts.aspectRatio, &texts.meanChordStation,
          &texts.balanceDistance, &texts.meanChord, &texts.wingLoading})
        require(text->find_first_of("0123456789 -") == 0, "a result text is a number");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzedWing wing =
        readFuzzedWing(std::string_view(reinterpret_cast<const char*>(data), size));
    WingPlanform planform;
    WingResults results;
    const CalcReport report = calculateWing(wing.fields, wing.separator, planform, results);
    const bool stepFailed = report.outcome == CalcOutcome::ArithmeticFailure ||
                            report.outcome == CalcOutcome::ValueTooLarge;
    require(stepFailed == (report.failedStep != ArithmeticStep::None),
            "only an arithmetic failure or a value too large names a step");
    if (report.outcome == CalcOutcome::Ok)
        checkAcceptedWing(planform, results, wing.separator);
    // The window draws only an accepted wing; the drawings must survive any record all the same.
    drawPreviewAndSheet(planform, results);
    return 0;
}
