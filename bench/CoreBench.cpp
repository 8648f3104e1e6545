// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the plain core: parsing, formatting, a five-panel calculation, reading a wing file and
// one language lookup. Goal: a five-panel calculation well under a microsecond.
#include "calc/CalculateWing.h"
#include "calc/FormatResult.h"
#include "calc/ParseNumber.h"
#include "files/WingFile.h"
#include "i18n/LanguageState.h"
#include "i18n/TextKeys.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

namespace {

WingFields fivePanelWing() {
    WingFields fields;
    fields.rootChord = {"300", "280", "250", "200", "150"};
    fields.tipChord = {"280", "250", "200", "150", "90"};
    fields.panelLength = {"200", "300", "300", "250", "150"};
    fields.sweepOffset = {"5", "20", "45", "80", "120"};
    fields.balancePercent = "30";
    fields.mass = "2500";
    return fields;
}

std::filesystem::path benchFolder() {
    const auto folder = std::filesystem::temp_directory_path() / "wingsheet-bench";
    std::filesystem::create_directories(folder);
    return folder;
}

void benchParseNumber(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(parseNumber("1234,567", "."));
}
BENCHMARK(benchParseNumber);

void benchFormatResult(benchmark::State& state) {
    double value = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatResult(value, "."));
        value += 0.001;
    }
}
BENCHMARK(benchFormatResult);

void benchCalculateFivePanels(benchmark::State& state) {
    const WingFields fields = fivePanelWing();
    WingPlanform planform;
    WingResults results;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculateWing(fields, ".", planform, results));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(benchCalculateFivePanels);

void benchLoadWingFile(benchmark::State& state) {
    const std::string path = (benchFolder() / "five.txt").string();
    saveWingFile(path, fivePanelWing());
    for (auto _ : state) {
        WingFields fields = clearedFields();
        benchmark::DoNotOptimize(loadWingFile(path, fields));
    }
}
BENCHMARK(benchLoadWingFile);

// A language file written a moment ago is read and decoded at every lookup.
void benchLanguageTextJustWritten(benchmark::State& state) {
    const auto folder = benchFolder();
    std::ofstream(folder / "Bench.lng", std::ios::binary)
        << std::ifstream(std::filesystem::path(WINGSHEET_SOURCE_LANG) / "English.lng").rdbuf();
    LanguageState language(LanguagePlaces::beside(folder.string()));
    language.select("Bench");
    for (auto _ : state)
        benchmark::DoNotOptimize(language.text(kHelpTips[3]));
}
BENCHMARK(benchLanguageTextJustWritten);

// An installed language file, unchanged for long, is decoded once.
void benchLanguageTextSettled(benchmark::State& state) {
    LanguageState language(LanguagePlaces::beside(WINGSHEET_SOURCE_LANG));
    language.select("English");
    for (auto _ : state)
        benchmark::DoNotOptimize(language.text(kHelpTips[3]));
}
BENCHMARK(benchLanguageTextSettled);

} // namespace
