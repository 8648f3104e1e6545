// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/SheetTable.h"

#include "calc/FormatResult.h"
#include "draw/SheetLayout.h"
#include "i18n/TextKeys.h"

namespace {

// Panel columns are 17 mm apart; headers start at 45 mm, values at 50 mm.
double panelHeaderMm(int panel) {
    return 45 + 17 * panel;
}
double panelValueMm(int panel) {
    return 50 + 17 * panel;
}

struct Table {
    const WingPlanform& planform;
    const WingResults& results;
    const SheetInputs& inputs;
    SheetCanvas& canvas;

    int lastPanel() const { return planform.lastPanel; }
    std::string label(TextKey key) const { return sheetText(inputs, key); }
    void row(double yMm) const { canvas.setCurrentY(pageMm(yMm)); }

    void cell(double xMm, const std::string& text, TextEnd end = TextEnd::KeepLine) const {
        canvas.setCurrentX(pageMm(xMm));
        canvas.printText(text, end);
    }

    std::string length(double mm) const {
        return inputs.units.lengthResult(mm, inputs.decimalSeparator);
    }

    std::string rawLength(double mm) const {
        return rawNumber(inputs.units.lengthNumber(mm, inputs.decimalSeparator), mm < 0);
    }

    void panelCells(const PanelValues& values) const {
        for (int panel = 0; panel <= lastPanel(); ++panel) {
            cell(panelValueMm(panel), rawLength(values[panel]));
        }
    }
};

void printPanelHeaders(const Table& table) {
    table.row(29);
    for (int panel = 0; panel <= table.lastPanel(); ++panel) {
        const std::string number = formatGeneral(panel + 1, table.inputs.decimalSeparator);
        table.cell(panelHeaderMm(panel), table.label(kPanelCaption) + " " + number);
    }
}

void printRootChordRow(const Table& table) {
    table.row(33);
    table.cell(20, table.label(kRootChordCaption));
    table.panelCells(table.planform.rootChord);
    table.cell(142, table.label(kSpanCaption));
    table.cell(165, table.length(2 * table.results.halfSpan));
    table.canvas.setTextColour(kRed);
    table.cell(212, table.label(kMeanChordStationCaption));
    table.cell(235, table.length(table.results.meanChordY[table.lastPanel()]), TextEnd::EndLine);
    table.canvas.setTextColour(kBlack);
}

void printTipChordRow(const Table& table) {
    table.row(37);
    table.cell(20, table.label(kTipChordCaption));
    table.panelCells(table.planform.tipChord);
}

void printPanelLengthRow(const Table& table) {
    table.row(41);
    table.cell(15, table.label(kPanelLengthCaption));
    table.panelCells(table.planform.panelLength);
    table.cell(148, table.label(kAreaCaption));
    table.cell(165, table.inputs.units.areaResult(2 * table.results.halfArea / 10000,
                                                  table.inputs.decimalSeparator));
    table.cell(206, table.label(kMeanChordCaption));
    table.cell(235, table.length(table.results.meanChord[table.lastPanel()]), TextEnd::EndLine);
}

// An unswept tip leaves its cell empty rather than printing " 0 ".
void printSweepRow(const Table& table) {
    table.row(45);
    table.cell(20, table.label(kSweepOffsetCaption));
    for (int panel = 0; panel <= table.lastPanel(); ++panel) {
        const double sweep = table.planform.sweepOffset[panel];
        const std::string text = sweep == 0 ? std::string{} : table.rawLength(sweep);
        table.cell(panelValueMm(panel), text);
    }
}

void printBalanceRow(const Table& table) {
    table.row(49);
    table.cell(18, table.label(kBalanceCaption));
    table.cell(50, rawNumber(table.planform.balancePercent, table.inputs.decimalSeparator));
    table.cell(136, table.label(kAspectRatioCaption));
    table.cell(165, formatResult(table.results.aspectRatio, table.inputs.decimalSeparator));
    table.canvas.setTextColour(kBlue);
    table.cell(199, table.label(kBalanceDistanceCaption));
    table.cell(235, table.length(table.results.balanceX[table.lastPanel()]), TextEnd::EndLine);
    table.canvas.setTextColour(kBlack);
}

void printMassLine(const Table& table) {
    table.row(55);
    const DisplayUnits& units = table.inputs.units;
    const std::string mass =
        units.massNumber(table.planform.massGrams, table.inputs.decimalSeparator) + " " +
        units.massWord();
    table.cell(35,
               table.label(kMassCaption) + " : " + mass + "     " +
                   table.label(kWingLoadingCaption) + " : " + table.inputs.loadingCaption,
               TextEnd::EndLine);
}

} // namespace

std::string rawNumber(double value, std::string_view decimalSeparator) {
    return rawNumber(formatGeneral(value, decimalSeparator), value < 0);
}

std::string rawNumber(const std::string& number, bool negative) {
    return negative ? number + " " : " " + number + " ";
}

void drawSheetTable(const WingPlanform& planform, const WingResults& results,
                    const SheetInputs& inputs, SheetCanvas& canvas) {
    const Table table{planform, results, inputs, canvas};
    printPanelHeaders(table);
    printRootChordRow(table);
    printTipChordRow(table);
    printPanelLengthRow(table);
    printSweepRow(table);
    printBalanceRow(table);
    printMassLine(table);
}
