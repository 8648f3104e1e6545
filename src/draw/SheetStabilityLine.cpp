// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/SheetStabilityLine.h"

#include "calc/FormatResult.h"
#include "draw/SheetLayout.h"
#include "i18n/TextKeys.h"

namespace {

constexpr std::string_view kGap = "     "; // between the parts, as on the mass line

// A caption of the window's check box, without the "&" that marks its access key.
std::string withoutAccessKey(const std::string& caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text;
}

} // namespace

std::string compactResult(double value, std::string_view decimalSeparator) {
    std::string text = formatResult(value, decimalSeparator);
    const std::size_t blank = text.starts_with("-") ? 1 : 0;
    if (text.size() > blank && text[blank] == ' ')
        text.erase(blank, 1);
    return text;
}

std::string placeText(double mm, double percent, const DisplayUnits& units,
                      std::string_view decimalSeparator) {
    return compactResult(units.length(mm), decimalSeparator) + " " + units.lengthWord() + " (" +
           compactResult(percent, decimalSeparator) + " %)";
}

std::string stabilityLineText(const StabilityResults& s, const SheetInputs& inputs) {
    const auto number = [&inputs](double value) {
        return compactResult(value, inputs.decimalSeparator);
    };
    const auto place = [&inputs](double mm, double percent) {
        return placeText(mm, percent, inputs.units, inputs.decimalSeparator);
    };
    std::string line = sheetText(inputs, kNeutralPointCaption) + " " +
                       place(s.neutralPoint, s.neutralPointPercent) + std::string(kGap) +
                       sheetText(inputs, kMarginCaption) + " " + number(s.margin) + " %" +
                       std::string(kGap) + sheetText(inputs, kBalanceForMarginCaption) + " " +
                       place(s.balanceForMargin, s.balanceForMarginPercent) + std::string(kGap);
    if (s.hasTail)
        return line + sheetText(inputs, kTailVolumeCaption) + " " + number(s.tailVolume);
    return line + withoutAccessKey(sheetText(inputs, kNoTailCheck));
}

void printStabilityLine(const StabilityResults& stability, const SheetInputs& inputs,
                        SheetCanvas& canvas) {
    canvas.setFontSize(9);
    canvas.setBold(false);
    canvas.setUnderline(false);
    canvas.setTextColour(kBlack);
    canvas.setCurrentY(pageMm(kStabilityLineMm));
    canvas.setCurrentX(pageMm(20));
    canvas.printText(stabilityLineText(stability, inputs), TextEnd::EndLine);
}
