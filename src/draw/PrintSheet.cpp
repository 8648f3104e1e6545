#include "draw/PrintSheet.h"

#include "draw/SheetLayout.h"
#include "draw/SheetTable.h"
#include "i18n/TextKeys.h"

#include <string_view>

namespace {

// The blanks keep the small version note from touching the date it follows on the same line.
constexpr std::string_view kMakersMark = "   Wingsheet";

SheetOutcome Failed(std::string reason, int denominator = 0, double sheetScale = 0) {
    return {false, std::move(reason), denominator, sheetScale};
}

void PrintHeader(const SheetInputs& inputs, SheetCanvas& canvas) {
    canvas.setCurrentX(PageMm(20));
    canvas.setCurrentY(PageMm(16));
    canvas.printText(SheetText(inputs, kSheetTitleCaption) + " " + inputs.title, TextEnd::KeepLine);
    canvas.setCurrentX(PageMm(200));
    canvas.printText(SheetText(inputs, kSheetDateCaption) + " " + inputs.date, TextEnd::KeepLine);
    canvas.setFontSize(5);
    canvas.printText(std::string(kMakersMark) + " V. " + WINGSHEET_VERSION, TextEnd::EndLine);
    canvas.setFontSize(10);
    canvas.printText("", TextEnd::EndLine);
}

// On the line after the blank one: y is left where the header ended.
void PrintSectionTitles(const SheetInputs& inputs, SheetCanvas& canvas) {
    canvas.setFontSize(12);
    canvas.setUnderline(true);
    canvas.setCurrentX(PageMm(20));
    canvas.printText(SheetText(inputs, kInputsTitle), TextEnd::KeepLine);
    canvas.setCurrentX(PageMm(145));
    canvas.printText(SheetText(inputs, kResultsTitle), TextEnd::EndLine);
    canvas.setFontSize(9);
    canvas.setUnderline(false);
}

// Returns the chosen denominator; without one no caption is printed.
int PrintScaleCaption(const WingPlanform& planform, const WingResults& results,
                      const SheetInputs& inputs, SheetCanvas& canvas) {
    canvas.setCurrentY(3685);
    canvas.setCurrentX(PageMm(20));
    canvas.setFontSize(9);
    canvas.setBold(true);
    canvas.setUnderline(true);
    const int denominator = ChooseSheetDenominator(planform, results);
    if (denominator != 0) {
        canvas.printText(SheetText(inputs, kSheetScaleCaption) + " 1/" +
                             std::to_string(denominator),
                         TextEnd::EndLine);
    }
    canvas.setBold(false);
    canvas.setUnderline(false);
    return denominator;
}

} // namespace

SheetOutcome PrintSheet(const WingPlanform& planform, const WingResults& results,
                        const SheetInputs& inputs, SheetCanvas& canvas) {
    canvas.setLandscape();
    if (!LastPanelInRange(planform)) {
        return Failed("the last panel index is outside 0 to 4");
    }
    canvas.setTwipUnits();
    canvas.setFont("Arial", 10);
    PrintHeader(inputs, canvas);
    PrintSectionTitles(inputs, canvas);
    PrintSheetTable(planform, results, inputs, canvas);
    const int denominator = PrintScaleCaption(planform, results, inputs, canvas);
    const double sheetScale = denominator == 0 ? 0 : kPageUnitsPerMm / denominator;
    const auto figure = PlaceSheetFigure(planform, results, sheetScale);
    if (!figure) {
        return Failed("a coordinate of the planform overflows or is not a number", denominator,
                      sheetScale);
    }
    DrawFigure(*figure, canvas);
    canvas.setBold(false);
    canvas.setUnderline(false);
    canvas.setFontSize(9);
    canvas.endDocument();
    return {true, {}, denominator, sheetScale};
}
