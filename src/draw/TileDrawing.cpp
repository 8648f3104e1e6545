// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/TileDrawing.h"

#include "base/TextEncoding.h"
#include "draw/FullSizeFigure.h"

#include <algorithm>

namespace {

constexpr std::string_view kEllipsis = "\u2026";
constexpr double kAscentPerEm = 0.905; // Arial's, to put a text's baseline where the figure says

void useFont(SheetCanvas& canvas, float points, bool bold) {
    canvas.setFont("Arial", points);
    canvas.setBold(bold);
    canvas.setUnderline(false);
}

} // namespace

CanvasPoint pageTwips(MmPoint page) {
    return {static_cast<float>(page.x * kTwipsPerMm), static_cast<float>(page.y * kTwipsPerMm)};
}

void drawPageLine(SheetCanvas& canvas, MmPoint from, MmPoint to, Rgb colour, LineStyle style,
                  double widthMm) {
    canvas.setLineStyle(style);
    canvas.setLineWidth(static_cast<float>(widthMm * kTwipsPerMm));
    canvas.lineInColour(pageTwips(from), pageTwips(to), colour);
    canvas.setLineStyle(LineStyle::Solid);
    canvas.setLineWidth(0);
}

void drawPageRect(SheetCanvas& canvas, const MmRect& rect, Rgb colour) {
    const MmPoint corners[] = {{rect.left, rect.top},
                               {rect.right, rect.top},
                               {rect.right, rect.bottom},
                               {rect.left, rect.bottom}};
    for (int i = 0; i < 4; ++i)
        drawPageLine(canvas, corners[i], corners[(i + 1) % 4], colour);
}

void printPageText(SheetCanvas& canvas, MmPoint topLeft, const std::string& text, float points,
                   bool bold) {
    useFont(canvas, points, bold);
    canvas.setTextColour(kBlack);
    canvas.setCurrentX(pageTwips(topLeft).x);
    canvas.setCurrentY(pageTwips(topLeft).y);
    canvas.printText(text, TextEnd::KeepLine);
    canvas.setBold(false);
}

void printOnBaseline(SheetCanvas& canvas, MmPoint baselineLeft, const std::string& text,
                     double capitalMm) {
    const double em = capitalMm / kCapHeightPerEm;
    printPageText(canvas, {baselineLeft.x, baselineLeft.y - kAscentPerEm * em}, text,
                  static_cast<float>(em * kPointsPerMm));
}

void printCentred(SheetCanvas& canvas, MmPoint centre, const std::string& text, float points,
                  bool bold) {
    const double width = pageTextWidth(canvas, text, points, bold);
    const double height = pageLineHeight(canvas, points);
    printPageText(canvas, {centre.x - width / 2, centre.y - height / 2}, text, points, bold);
}

double pageTextWidth(SheetCanvas& canvas, const std::string& text, float points, bool bold) {
    useFont(canvas, points, bold);
    const double width = canvas.textWidth(text) / kTwipsPerMm;
    canvas.setBold(false);
    return width;
}

double pageLineHeight(SheetCanvas& canvas, float points) {
    useFont(canvas, points, false);
    return canvas.lineHeight() / kTwipsPerMm;
}

// Text widths grow with the size, so the size that fits is found by scaling once.
float fittingPoints(SheetCanvas& canvas, const std::string& text, float points, float smallest,
                    double widthMm) {
    const double width = pageTextWidth(canvas, text, points);
    if (width <= widthMm)
        return points;
    return std::max(smallest, static_cast<float>(points * widthMm / width));
}

std::string shortenedToFit(SheetCanvas& canvas, const std::string& text, float points,
                           double widthMm) {
    if (pageTextWidth(canvas, text, points) <= widthMm)
        return text;
    const auto withEllipsis = [&text](std::size_t kept) {
        std::string shorter(firstCharacters(text, kept));
        while (!shorter.empty() && shorter.back() == ' ')
            shorter.pop_back();
        return shorter + std::string(kEllipsis);
    };
    // The most characters that still fit with the ellipsis, found by halving: widths grow with
    // every character kept.
    std::size_t fits = 0;
    std::size_t tooMany = countCharacters(text);
    while (tooMany - fits > 1) {
        const std::size_t kept = (fits + tooMany) / 2;
        if (pageTextWidth(canvas, withEllipsis(kept), points) <= widthMm)
            fits = kept;
        else
            tooMany = kept;
    }
    return withEllipsis(fits);
}
