// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/DrawSheet.h"

#include "draw/SheetLayout.h"
#include "draw/SheetStabilityLine.h"
#include "draw/SheetTable.h"
#include "i18n/TextKeys.h"

#include <string_view>

namespace {

// The blanks keep the small version note from touching the date it follows on the same line.
constexpr std::string_view kMakersMark = "   Wingsheet";

SheetOutcome failed(std::string reason, int denominator = 0, double sheetScale = 0) {
    return {false, std::move(reason), denominator, sheetScale};
}

void printHeader(const SheetInputs& inputs, SheetCanvas& canvas) {
    canvas.setCurrentX(pageMm(20));
    canvas.setCurrentY(pageMm(16));
    canvas.printText(sheetText(inputs, kSheetTitleCaption) + " " + inputs.title, TextEnd::KeepLine);
    canvas.setCurrentX(pageMm(200));
    canvas.printText(sheetText(inputs, kSheetDateCaption) + " " + inputs.date, TextEnd::KeepLine);
    canvas.setFontSize(5);
    canvas.printText(std::string(kMakersMark) + " V. " + WINGSHEET_VERSION, TextEnd::EndLine);
    canvas.setFontSize(10);
    canvas.printText("", TextEnd::EndLine);
}

// On the line after the blank one: y is left where the header ended.
void printSectionTitles(const SheetInputs& inputs, SheetCanvas& canvas) {
    canvas.setFontSize(12);
    canvas.setUnderline(true);
    canvas.setCurrentX(pageMm(20));
    canvas.printText(sheetText(inputs, inputs.inputsTitle), TextEnd::KeepLine);
    canvas.setCurrentX(pageMm(145));
    canvas.printText(sheetText(inputs, kResultsTitle), TextEnd::EndLine);
    canvas.setFontSize(9);
    canvas.setUnderline(false);
}

// Returns the chosen denominator; without one the caption says why no outline follows.
int printScaleCaption(const WingPlanform& planform, const WingResults& results,
                      const SheetInputs& inputs, SheetCanvas& canvas) {
    canvas.setCurrentY(3685);
    canvas.setCurrentX(pageMm(20));
    canvas.setFontSize(9);
    canvas.setBold(true);
    const int denominator = chooseSheetDenominator(planform, results);
    if (denominator != 0) {
        canvas.setUnderline(true);
        canvas.printText(sheetText(inputs, kSheetScaleCaption) + " 1/" +
                             std::to_string(denominator),
                         TextEnd::EndLine);
    } else {
        canvas.printText(sheetText(inputs, kSheetNoScaleNote), TextEnd::EndLine);
    }
    canvas.setBold(false);
    canvas.setUnderline(false);
    return denominator;
}

} // namespace

SheetOutcome drawSheet(const WingPlanform& planform, const WingResults& results,
                       const SheetInputs& inputs, SheetCanvas& canvas) {
    canvas.setLandscape();
    if (!lastPanelInRange(planform)) {
        return failed("the last panel index is outside 0 to 4");
    }
    canvas.setTwipUnits();
    canvas.setFont("Arial", 10);
    printHeader(inputs, canvas);
    printSectionTitles(inputs, canvas);
    drawSheetTable(planform, results, inputs, canvas);
    const int denominator = printScaleCaption(planform, results, inputs, canvas);
    const double sheetScale = denominator == 0 ? 0 : kPageUnitsPerMm / denominator;
    if (denominator != 0) {
        const auto figure = placeSheetFigure(planform, results, sheetScale);
        if (!figure) {
            return failed("a coordinate of the planform overflows or is not a number", denominator,
                          sheetScale);
        }
        drawFigure(*figure, canvas);
    }
    if (inputs.stability)
        printStabilityLine(*inputs.stability, inputs, canvas);
    canvas.setBold(false);
    canvas.setUnderline(false);
    canvas.setFontSize(9);
    canvas.endDocument();
    return {true, {}, denominator, sheetScale};
}
