// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the .stab reader and the neutral-point calculation on any bytes: data that load write
// and load again unchanged, and a neutral point that is worked out is finite and in its place.
#include "FuzzCheck.h"
#include "base/TextEncoding.h"
#include "calc/CalculateStability.h"
#include "calc/CalculateWing.h"
#include "files/StabilityFile.h"

#include <cmath>
#include <cstdint>
#include <string_view>

namespace {

struct Wing {
    WingPlanform planform;
    WingResults results;
};

// A two-panel swept wing, so the tail meets a wing with sweep, taper and a combined mean chord.
const Wing& testWing() {
    static const Wing wing = [] {
        WingFields fields = clearedFields();
        fields.rootChord[0] = "250";
        setTipChord(fields, 0, "200");
        fields.panelLength[0] = "600";
        fields.sweepOffset[0] = "30";
        setTipChord(fields, 1, "120");
        fields.panelLength[1] = "400";
        fields.sweepOffset[1] = "110";
        Wing calculated;
        const CalcReport report =
            calculateWing(fields, ".", calculated.planform, calculated.results);
        require(report.outcome == CalcOutcome::Ok, "the test wing calculates");
        return calculated;
    }();
    return wing;
}

void checkResults(const StabilityFields& fields, const StabilityResults& r) {
    const Wing& wing = testWing();
    const int n = wing.planform.lastPanel;
    require(std::isfinite(r.neutralPoint) && std::isfinite(r.neutralPointPercent) &&
                std::isfinite(r.balanceForMargin) && std::isfinite(r.marginAtBalance),
            "a neutral point that is worked out is finite");
    require(r.hasTail == fields.hasTail, "the results say whether there is a tail");
    require(r.margin >= 0 && r.margin < 100, "an accepted margin lies in 0 to 100 %");
    const double quarterChord = wing.results.meanChordX[n] + wing.results.meanChord[n] / 4;
    if (!r.hasTail) {
        require(r.neutralPoint == quarterChord,
                "a flying wing's neutral point is its quarter chord");
        return;
    }
    require(r.tailArm > 0 && r.efficiency >= 0.3 && r.efficiency <= 1.0,
            "an accepted tail lies behind the wing with an efficiency in 0.3 to 1.0");
    require(r.neutralPoint >= quarterChord, "a tail moves the neutral point aft, never forward");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const StabilityFileRead read = readStabilityFileText(decodeText(bytes), ".");
    if (read.state != StabilityFileState::Loaded)
        return 0;
    const StabilityFileRead again = readStabilityFileText(stabilityFileText(read.fields), ".");
    require(again.state == StabilityFileState::Loaded, "written stability data read back");
    require(again.fields == read.fields, "stability data write and read back unchanged");

    const Wing& wing = testWing();
    const StabilityReport report =
        calculateStability(read.fields, wing.planform, wing.results, ".");
    if (report.outcome == StabilityOutcome::Ok)
        checkResults(read.fields, report.results);
    return 0;
}
