// Fuzzes the preview and the sheet on any wing record, not only on what the calculation can
// produce: NaN, infinities, subnormals, huge or negative values and any panel index.
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
class NumberLines {
public:
    explicit NumberLines(std::string_view input)
        : lines_(input) {}

    double Next() {
        const std::optional<TextLine> line = lines_.Next();
        if (!line)
            return 0;
        const std::string text(line->text);
        return std::strtod(text.c_str(), nullptr);
    }

    void Fill(PanelValues& values) {
        for (double& value : values)
            value = Next();
    }

private:
    TextLineReader lines_;
};

std::int16_t ToPanelIndex(double value) {
    if (!(value > -32768))
        return -32768;
    return static_cast<std::int16_t>(std::min(value, 32767.0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    NumberLines numbers(std::string_view(reinterpret_cast<const char*>(data), size));
    WingPlanform planform;
    planform.lastPanel = ToPanelIndex(numbers.Next());
    for (int panel = 0; panel < kPanelCount; ++panel) {
        planform.rootChord[panel] = numbers.Next();
        planform.tipChord[panel] = numbers.Next();
        planform.panelLength[panel] = numbers.Next();
        planform.sweepOffset[panel] = numbers.Next();
    }
    planform.balancePercent = numbers.Next();
    planform.massGrams = numbers.Next();

    WingResults results;
    for (PanelValues* values :
         {&results.tipStation, &results.panelArea, &results.cumulativeArea, &results.taperRatio,
          &results.meanChord, &results.meanChordY, &results.meanChordX, &results.balanceX})
        numbers.Fill(*values);
    results.halfSpan = numbers.Next();
    results.halfArea = numbers.Next();
    results.aspectRatio = numbers.Next();
    results.wingLoading = numbers.Next();

    DrawPreviewAndSheet(planform, results);
    return 0;
}
