// SPDX-License-Identifier: GPL-3.0-or-later
// The ribs of a five-panel wing, 60 of them, sheeted, cut back and notched for two spars: with
// generated sections and with two airfoil files, whose own points add chordwise stations.
// Goal: each under 20 ms. Then the same ribs on jig tabs nested on 600 x 300 mm sheets, as
// `--nest 600x300` lays them out (the sheets they take are counted).
#include "calc/CalculateWing.h"
#include "files/AirfoilFile.h"
#include "ribs/CalculateRibs.h"
#include "ribs/RibSheet.h"

#include <benchmark/benchmark.h>

namespace {

// Five panels of 12, 12, 12, 12 and 11 gaps at 20 mm: 60 ribs with the tip's.
WingPlanform fivePanels() {
    WingFields fields = clearedFields();
    fields.rootChord[0] = "300";
    const char* tips[] = {"280", "250", "200", "150", "90"};
    const char* lengths[] = {"240", "240", "240", "240", "220"};
    const char* sweeps[] = {"5", "20", "45", "80", "120"};
    for (int panel = 0; panel < kPanelCount; ++panel) {
        setTipChord(fields, panel, tips[panel]);
        fields.panelLength[panel] = lengths[panel];
        fields.sweepOffset[panel] = sweeps[panel];
    }
    fields.balancePercent = "30";
    WingPlanform planform;
    WingResults results;
    calculateWing(fields, ".", planform, results);
    return planform;
}

RibsDefinition sheetedAndNotched() {
    RibsDefinition definition = defaultRibsDefinition();
    RibSettings& s = definition.settings;
    s.spacing = 20;
    s.sheeting = 1.5;
    s.leadingEdgeCut = 5;
    s.trailingEdgeCut = 15;
    s.spars[0] = SparNotch{25, 6, 3, NotchSide::Top};
    s.spars[1] = SparNotch{60, 3, 2, NotchSide::Both};
    s.twist = {0, 0, -0.5, -1, -2};
    definition.stationAirfoils = {"NACA 2412", "", "", "NACA 2410", "", "NACA 0009"};
    return definition;
}

void runRibs(benchmark::State& state, const RibsDefinition& definition) {
    const WingPlanform planform = fivePanels();
    std::size_t ribs = 0;
    for (auto _ : state) {
        const RibsReport report = calculateRibs(planform, definition);
        ribs = report.ribs.size();
        benchmark::DoNotOptimize(report);
    }
    state.counters["ribs"] = static_cast<double>(ribs);
}

void benchRibsOfGeneratedSections(benchmark::State& state) {
    runRibs(state, sheetedAndNotched());
}
BENCHMARK(benchRibsOfGeneratedSections)->Unit(benchmark::kMillisecond);

void benchRibsOfAirfoilFiles(benchmark::State& state) {
    RibsDefinition definition = sheetedAndNotched();
    for (const char* file : {"sd7003.dat", "e374.dat"}) {
        const AirfoilFileRead read =
            loadAirfoilFile(std::string(WINGSHEET_AIRFOIL_FILES) + "/" + file);
        if (!read.airfoil) {
            state.SkipWithError("the airfoil files are missing");
            return;
        }
        definition.airfoils.push_back(*read.airfoil);
    }
    definition.stationAirfoils = {"SD7003-085-88", "", "", "E374", "", ""};
    runRibs(state, definition);
}
BENCHMARK(benchRibsOfAirfoilFiles)->Unit(benchmark::kMillisecond);

void benchNestSixtyRibs(benchmark::State& state) {
    RibsDefinition definition = sheetedAndNotched();
    definition.settings.jig.enabled = true;
    const RibsReport report = calculateRibs(fivePanels(), definition);
    const std::vector<CutPart> parts = ribParts(report.ribs, RibPartUse::Cutter, 0.2);
    std::size_t sheets = 0;
    for (auto _ : state) {
        const NestedLayout nested = layoutOnSheets(parts, {600, 300, 5});
        sheets = nested.layout.sheets.size();
        benchmark::DoNotOptimize(nested);
    }
    state.counters["ribs"] = static_cast<double>(parts.size());
    state.counters["sheets"] = static_cast<double>(sheets);
}
BENCHMARK(benchNestSixtyRibs)->Unit(benchmark::kMillisecond);

} // namespace
