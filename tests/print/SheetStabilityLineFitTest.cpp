// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet's neutral-point line, measured with the sheet's own font, fits the A4 landscape page
// in every shipped language, for large numbers too, and lies below the planform's band.
#include "base/FileListing.h"
#include "base/ProgramFolder.h"
#include "draw/QtTextMetrics.h"
#include "draw/SheetLayout.h"
#include "draw/SheetStabilityLine.h"
#include "i18n/LanguageState.h"

#include <gtest/gtest.h>

namespace {

constexpr double kA4LandscapeWidthTwips = 16838;
constexpr double kA4LandscapeHeightTwips = 11906;
constexpr double kPrinterMarginTwips = 6.35 / 25.4 * 1440; // a quarter inch, a common minimum

StabilityResults largeResults(bool hasTail) {
    StabilityResults s;
    s.hasTail = hasTail;
    s.neutralPoint = 1234.56;
    s.neutralPointPercent = 55.55;
    s.margin = 15;
    s.balanceForMargin = 1199.99;
    s.balanceForMarginPercent = 40.55;
    s.tailVolume = 0.75;
    return s;
}

TEST(SheetStabilityLine, FitsThePageInEveryLanguage) {
    const std::string folder = WINGSHEET_SOURCE_LANG;
    LanguageState language{LanguagePlaces::beside(folder), [](const std::string&) {
                           }};
    const TextMetrics metrics = qtTextMetrics();
    const SheetFont font{"Arial", 9, false, false};
    const double left = pageMm(20);
    const double room = kA4LandscapeWidthTwips - 2 * kPrinterMarginTwips - left;
    for (const std::string& name : listLanguageFiles(folder + kPathSeparator, "*.lng")) {
        language.select(name);
        SheetInputs inputs;
        inputs.lookup = language.lookup();
        for (const bool hasTail : {true, false}) {
            const std::string line = stabilityLineText(largeResults(hasTail), inputs);
            EXPECT_LT(metrics.width(line, font), room) << name << ": " << line;
        }
    }
    // Under the band that ends at 10885 twips, and one line above the printable bottom.
    EXPECT_GT(pageMm(kStabilityLineMm), 10885);
    EXPECT_LT(pageMm(kStabilityLineMm) + metrics.lineHeight(font),
              kA4LandscapeHeightTwips - 2 * kPrinterMarginTwips);
}

} // namespace
