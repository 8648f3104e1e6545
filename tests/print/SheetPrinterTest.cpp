// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/SheetPrinter.h"

#include "PrintTestWings.h"
#include "calc/CalculateWing.h"
#include "support/NoPrinter.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

// The PDF target's failures are checked through the print command; a printer that has gone
// away must fail too, not claim the sheet was sent.
TEST(SheetPrinting, PrinterThatDoesNotExistIsAFailure) {
    cutOffPrinters();
    WingPlanform planform;
    WingResults results;
    ASSERT_EQ(calculateWing(workedWing(), ".", planform, results).outcome, CalcOutcome::Ok);
    SheetInputs inputs;
    inputs.title = "Test sheet";
    inputs.date = "01/02/2026";
    const SheetPrintOutcome outcome =
        printSheetTo(planform, results, inputs,
                     SheetTarget::printer(QStringLiteral("wingsheet-no-such-printer")));
    EXPECT_FALSE(outcome.printed);
    EXPECT_NE(outcome.failure.find("wingsheet-no-such-printer"), std::string::npos);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
