// SPDX-License-Identifier: GPL-3.0-or-later
// Run by cups_sheet_test.sh once it has a CUPS queue as the default printer: the print command
// must name that queue, print without a save dialog and report the sheet as sent; a sheet that
// fails must never reach the queue (the script counts the jobs).
#include "MainWindowFixture.h"
#include "print/SheetPrinter.h"

#include <cstdlib>

namespace {

class PrintThroughCups : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        queue = std::getenv("WINGSHEET_CUPS_QUEUE");
        if (queue == nullptr)
            GTEST_SKIP() << "run by cups_sheet_test.sh with a queue of its own";
    }

    void printWing(const std::vector<TypedPanel>& panels) {
        startWindow();
        typeWing(panels, "30", "1500");
        window->calculate();
        ASSERT_TRUE(window->hasValidResults());
        prompter.messages.clear();
        prompter.inputAnswers = {QStringLiteral("CUPS sheet")};
        c().printButton->click();
    }

    const char* queue = nullptr;
};

TEST_F(PrintThroughCups, PrintCommandSendsTheSheetToTheDefaultQueue) {
    ASSERT_EQ(defaultPrinterName().toStdString(), queue);
    printWing({{"250", "150", "1000", "50"}});

    EXPECT_TRUE(prompter.fileDialogs.empty());
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].text, textOf(kPrintsOnMessage) + " " + queue + " ?");
    EXPECT_EQ(prompter.messages[0].style, kOkCancelQuestion);
    EXPECT_EQ(prompter.messages[1].text, textOf(kSheetPrintedMessage));
    EXPECT_EQ(prompter.messages[1].style, kPlainMessage);
}

// An inner tip 1e39 mm behind the root overflows the sheet's coordinates after the header is
// laid out: the scale is chosen from the root and the last tip.
TEST_F(PrintThroughCups, FailingSheetShowsMessage16AndSendsNothing) {
    const std::string e39 = "1" + std::string(39, '0');
    printWing({{"250", "150", "500", e39.c_str()}, {"150", "100", "500", "80"}});
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].text, textOf(kPrintFailedMessage));
    EXPECT_EQ(prompter.messages[1].style, kCriticalMessage);
}

} // namespace
