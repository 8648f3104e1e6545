// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the sheet of a five-panel wing into a PDF file, from the layout to the file on disk:
// the wait between pressing print and the sheet being done. Goal: under 50 ms.
#include "app/HeadlessApplication.h"
#include "calc/CalculateWing.h"
#include "print/SheetPrinter.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

WingFields fivePanelForwardSweptWing() {
    WingFields fields;
    const char* const panels[5][4] = {{"300", "280", "400", "-20"},
                                      {"280", "250", "400", "-60"},
                                      {"250", "210", "300", "-110"},
                                      {"210", "160", "250", "-160"},
                                      {"160", "100", "150", "-200"}};
    for (int i = 0; i < 5; ++i) {
        fields.rootChord[i] = panels[i][0];
        fields.tipChord[i] = panels[i][1];
        fields.panelLength[i] = panels[i][2];
        fields.sweepOffset[i] = panels[i][3];
    }
    fields.balancePercent = "30";
    fields.mass = "2500";
    return fields;
}

// caption-sized words, as a language file gives them.
SheetInputs benchInputs() {
    SheetInputs inputs;
    inputs.lookup = [](TextKey text) {
        return std::string(text.section) + " caption " + std::string(text.key);
    };
    inputs.title = "Five-panel forward-swept wing";
    inputs.date = "07/12/2026";
    inputs.loadingCaption = " 35.04 g/dm\u00b2";
    return inputs;
}

void benchFivePanelSheetToPdf(benchmark::State& state) {
    const HeadlessApplication application;
    const QTemporaryDir folder;
    WingPlanform planform;
    WingResults results;
    calculateWing(fivePanelForwardSweptWing(), ".", planform, results);
    const SheetInputs inputs = benchInputs();
    const SheetTarget target = SheetTarget::pdf(
        QFile::encodeName(folder.filePath(QStringLiteral("sheet.pdf"))).toStdString());
    for (auto _ : state) {
        const SheetPrintOutcome outcome = printSheetTo(planform, results, inputs, target);
        if (!outcome.printed) {
            state.SkipWithError(outcome.failure.c_str());
            break;
        }
    }
}
BENCHMARK(benchFivePanelSheetToPdf)->Unit(benchmark::kMillisecond);

} // namespace
