#include "draw/SheetTable.h"

#include "calc/FormatResult.h"
#include "draw/SheetLayout.h"
#include "i18n/TextKeys.h"

namespace {

// Panel columns are 17 mm apart; headers start at 45 mm, values at 50 mm.
double PanelHeaderMm(int panel) {
    return 45 + 17 * panel;
}
double PanelValueMm(int panel) {
    return 50 + 17 * panel;
}

struct Table {
    const WingPlanform& planform;
    const WingResults& results;
    const SheetInputs& inputs;
    SheetCanvas& canvas;

    int lastPanel() const { return planform.lastPanel; }
    std::string label(TextKey key) const { return SheetText(inputs, key); }
    void row(double yMm) const { canvas.setCurrentY(PageMm(yMm)); }

    void cell(double xMm, const std::string& text, TextEnd end = TextEnd::KeepLine) const {
        canvas.setCurrentX(PageMm(xMm));
        canvas.printText(text, end);
    }

    std::string formatted(double value, std::string_view unit = {}) const {
        return FormatResult(value, inputs.decimalSeparator) + std::string(unit);
    }

    void panelCells(const PanelValues& values) const {
        for (int panel = 0; panel <= lastPanel(); ++panel) {
            cell(PanelValueMm(panel), RawNumber(values[panel], inputs.decimalSeparator));
        }
    }
};

void PrintPanelHeaders(const Table& table) {
    table.row(29);
    for (int panel = 0; panel <= table.lastPanel(); ++panel) {
        const std::string number = FormatGeneral(panel + 1, table.inputs.decimalSeparator);
        table.cell(PanelHeaderMm(panel), table.label(kPanelCaption) + " " + number);
    }
}

void PrintRootChordRow(const Table& table) {
    table.row(33);
    table.cell(20, table.label(kRootChordCaption));
    table.panelCells(table.planform.rootChord);
    table.cell(142, table.label(kSpanCaption));
    table.cell(165, table.formatted(2 * table.results.halfSpan, table.inputs.lengthUnit));
    table.canvas.setTextColour(kRed);
    table.cell(212, table.label(kMeanChordStationCaption));
    table.cell(
        235, table.formatted(table.results.meanChordY[table.lastPanel()], table.inputs.lengthUnit),
        TextEnd::EndLine);
    table.canvas.setTextColour(kBlack);
}

void PrintTipChordRow(const Table& table) {
    table.row(37);
    table.cell(20, table.label(kTipChordCaption));
    table.panelCells(table.planform.tipChord);
}

void PrintPanelLengthRow(const Table& table) {
    table.row(41);
    table.cell(15, table.label(kPanelLengthCaption));
    table.panelCells(table.planform.panelLength);
    table.cell(148, table.label(kAreaCaption));
    table.cell(165, table.formatted(2 * table.results.halfArea / 10000, table.inputs.areaUnit));
    table.cell(206, table.label(kMeanChordCaption));
    table.cell(235,
               table.formatted(table.results.meanChord[table.lastPanel()], table.inputs.lengthUnit),
               TextEnd::EndLine);
}

// An unswept tip leaves its cell empty rather than printing " 0 ".
void PrintSweepRow(const Table& table) {
    table.row(45);
    table.cell(20, table.label(kSweepOffsetCaption));
    for (int panel = 0; panel <= table.lastPanel(); ++panel) {
        const double sweep = table.planform.sweepOffset[panel];
        const std::string text =
            sweep == 0 ? std::string{} : RawNumber(sweep, table.inputs.decimalSeparator);
        table.cell(PanelValueMm(panel), text);
    }
}

void PrintBalanceRow(const Table& table) {
    table.row(49);
    table.cell(18, table.label(kBalanceCaption));
    table.cell(50, RawNumber(table.planform.balancePercent, table.inputs.decimalSeparator));
    table.cell(136, table.label(kAspectRatioCaption));
    table.cell(165, table.formatted(table.results.aspectRatio));
    table.canvas.setTextColour(kBlue);
    table.cell(199, table.label(kBalanceDistanceCaption));
    table.cell(235,
               table.formatted(table.results.balanceX[table.lastPanel()], table.inputs.lengthUnit),
               TextEnd::EndLine);
    table.canvas.setTextColour(kBlack);
}

void PrintMassLine(const Table& table) {
    table.row(55);
    const std::string mass = FormatGeneral(table.planform.massGrams, table.inputs.decimalSeparator);
    table.cell(35,
               table.label(kMassCaption) + " : " + mass + " g" + "     " +
                   table.label(kWingLoadingCaption) + " : " + table.inputs.loadingCaption,
               TextEnd::EndLine);
}

} // namespace

std::string RawNumber(double value, std::string_view decimalSeparator) {
    const std::string general = FormatGeneral(value, decimalSeparator);
    return value < 0 ? general + " " : " " + general + " ";
}

void PrintSheetTable(const WingPlanform& planform, const WingResults& results,
                     const SheetInputs& inputs, SheetCanvas& canvas) {
    const Table table{planform, results, inputs, canvas};
    PrintPanelHeaders(table);
    PrintRootChordRow(table);
    PrintTipChordRow(table);
    PrintPanelLengthRow(table);
    PrintSweepRow(table);
    PrintBalanceRow(table);
    PrintMassLine(table);
}
