// Printing the sheet of a five-panel wing into a PDF file, from the layout to the file on disk:
// the wait between pressing Print and the sheet being done. Goal: under 50 ms.
#include "app/HeadlessApplication.h"
#include "calc/CalculateWing.h"
#include "print/SheetPrinter.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

WingFields FivePanelForwardSweptWing() {
    WingFields fields;
    const char* const panels[5][4] = {{"300", "280", "400", "-20"},
                                      {"280", "250", "400", "-60"},
                                      {"250", "210", "300", "-110"},
                                      {"210", "160", "250", "-160"},
                                      {"160", "100", "150", "-200"}};
    for (int i = 0; i < 5; ++i) {
        fields.C_max[i] = panels[i][0];
        fields.C_min[i] = panels[i][1];
        fields.L_trap[i] = panels[i][2];
        fields.deport[i] = panels[i][3];
    }
    fields.Cg = "30";
    fields.masse = "2500";
    return fields;
}

// Caption-sized words, as a language file gives them.
SheetInputs BenchInputs() {
    SheetInputs inputs;
    inputs.lookup = [](TextKey text) {
        return std::string(text.section) + " caption " + std::string(text.key);
    };
    inputs.title = "Five-panel forward-swept wing";
    inputs.date = "07/12/2026";
    inputs.loadingCaption = " 35.04 g/dm\u00b2";
    return inputs;
}

void FivePanelSheetToPdf(benchmark::State& state) {
    const HeadlessApplication application;
    const QTemporaryDir folder;
    WingPlanform planform;
    WingResults results;
    CalculateWing(FivePanelForwardSweptWing(), ".", planform, results);
    const SheetInputs inputs = BenchInputs();
    const SheetTarget target = SheetTarget::Pdf(folder.filePath(QStringLiteral("sheet.pdf")));
    for (auto _ : state) {
        const SheetPrintOutcome outcome = imprime(planform, results, inputs, target);
        if (!outcome.printed) {
            state.SkipWithError(outcome.failure.c_str());
            break;
        }
    }
}
BENCHMARK(FivePanelSheetToPdf)->Unit(benchmark::kMillisecond);

} // namespace
