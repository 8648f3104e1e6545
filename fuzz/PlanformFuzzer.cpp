// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the preview, the sheet and the full-size figure on any wing record, not only on what the
// calculation can produce: NaN, infinities, subnormals, huge or negative values and any panel
// index.
#include "DrawingChecks.h"
#include "base/TextLines.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// One number per line, read by strtod so "nan", "inf", "0x1p-1074" and "1e308" all reach the
// record: lastPanel; root, tip, length and sweep of each panel; balance and mass; then the eight
// result arrays and halfSpan, halfArea, aspectRatio, wingLoading. Missing lines read as 0.
class numberLines {
public:
    explicit numberLines(std::string_view input)
        : lines_(input) {}

    double next() {
        const std::optional<TextLine> line = lines_.next();
        if (!line)
            return 0;
        const std::string text(line->text);
        return std::strtod(text.c_str(), nullptr);
    }

    void fill(PanelValues& values) {
        for (double& value : values)
            value = next();
    }

private:
    TextLineReader lines_;
};

std::int16_t toPanelIndex(double value) {
    if (!(value > -32768))
        return -32768;
    return static_cast<std::int16_t>(std::min(value, 32767.0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    numberLines numbers(std::string_view(reinterpret_cast<const char*>(data), size));
    WingPlanform planform;
    planform.lastPanel = toPanelIndex(numbers.next());
    for (int panel = 0; panel < kPanelCount; ++panel) {
        planform.rootChord[panel] = numbers.next();
        planform.tipChord[panel] = numbers.next();
        planform.panelLength[panel] = numbers.next();
        planform.sweepOffset[panel] = numbers.next();
    }
    planform.balancePercent = numbers.next();
    planform.massGrams = numbers.next();

    WingResults results;
    for (PanelValues* values :
         {&results.tipStation, &results.panelArea, &results.cumulativeArea, &results.taperRatio,
          &results.meanChord, &results.meanChordY, &results.meanChordX, &results.balanceX})
        numbers.fill(*values);
    results.halfSpan = numbers.next();
    results.halfArea = numbers.next();
    results.aspectRatio = numbers.next();
    results.wingLoading = numbers.next();

    drawPreviewAndSheet(planform, results);
    drawFullSize(planform, results, false);
    drawFullSize(planform, results, true);
    return 0;
}
