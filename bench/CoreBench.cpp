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

WingFields FivePanelWing() {
    WingFields fields;
    fields.C_max = {"300", "280", "250", "200", "150"};
    fields.C_min = {"280", "250", "200", "150", "90"};
    fields.L_trap = {"200", "300", "300", "250", "150"};
    fields.deport = {"5", "20", "45", "80", "120"};
    fields.Cg = "30";
    fields.masse = "2500";
    return fields;
}

std::filesystem::path BenchFolder() {
    const auto folder = std::filesystem::temp_directory_path() / "wingsheet-bench";
    std::filesystem::create_directories(folder);
    return folder;
}

void BM_ParseNumber(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseNumber("1234,567", "."));
}
BENCHMARK(BM_ParseNumber);

void BM_FormatResult(benchmark::State& state) {
    double value = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatResult(value, "."));
        value += 0.001;
    }
}
BENCHMARK(BM_FormatResult);

void BM_CalculateFivePanels(benchmark::State& state) {
    const WingFields fields = FivePanelWing();
    WingPlanform planform;
    WingResults results;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalculateWing(fields, ".", planform, results));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CalculateFivePanels);

void BM_LoadWingFile(benchmark::State& state) {
    const std::string path = (BenchFolder() / "five.txt").string();
    SaveWingFile(path, FivePanelWing());
    for (auto _ : state) {
        WingFields fields = ClearedFields();
        benchmark::DoNotOptimize(LoadWingFile(path, fields));
    }
}
BENCHMARK(BM_LoadWingFile);

void BM_LanguageText(benchmark::State& state) {
    const auto folder = BenchFolder();
    std::ofstream(folder / "Bench.lng", std::ios::binary)
        << std::ifstream(std::filesystem::path(WINGSHEET_SOURCE_LANG) / "English.lng").rdbuf();
    LanguageState language(LanguagePlaces::beside(folder.string()));
    language.select("Bench");
    for (auto _ : state)
        benchmark::DoNotOptimize(language.text(kHelpTips[3]));
}
BENCHMARK(BM_LanguageText);

} // namespace
