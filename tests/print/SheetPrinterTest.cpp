#include "SheetPrinter.h"

#include "NoPrinter.h"
#include "PrintTestWings.h"
#include "TestFolder.h"

#include <QGuiApplication>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

SheetInputs PlainInputs() {
    SheetInputs inputs;
    inputs.lookup = [](std::string_view section, std::string_view key) {
        return std::string(section) + "/" + std::string(key);
    };
    inputs.title = "Test sheet";
    inputs.date = "01/02/2026";
    inputs.loadingCaption = " 37.50 g/dm\u00b2";
    return inputs;
}

class SheetPrinting : public testing::Test {
protected:
    void SetUp() override { CutOffPrinters(); }

    SheetPrintOutcome PrintPdf(const WingFields& fields, const std::string& path) {
        const CalculatedWing wing = Calculate(fields);
        EXPECT_EQ(wing.report.outcome, CalcOutcome::Ok);
        return imprime(wing.planform, wing.results, PlainInputs(),
                       SheetTarget::Pdf(QString::fromStdString(path)));
    }

    TestFolder folder;
};

TEST_F(SheetPrinting, WorkedWingMakesOneCompletePdf) {
    const SheetPrintOutcome outcome = PrintPdf(WorkedWing(), folder / "sheet.pdf");
    EXPECT_TRUE(outcome.printed) << outcome.failure;
    EXPECT_EQ(outcome.denominator, 5);
    EXPECT_DOUBLE_EQ(outcome.sheetScale, 11.34);
    const std::string pdf = ReadBytes(folder / "sheet.pdf");
    EXPECT_TRUE(pdf.starts_with("%PDF-"));
    EXPECT_NE(pdf.find("%%EOF", pdf.size() - 16), std::string::npos);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"sheet.pdf"}); // no temporary left
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

struct FailureRow {
    const char* name;
    WingFields wing;
    std::string target; // relative to the test folder
    bool targetIsFolder;
    bool olderFile;
};

const FailureRow kFailures[] = {
    {"sheet overflows", OverflowingWing(), "sheet.pdf", false, false},
    {"sheet overflows over an older file", OverflowingWing(), "sheet.pdf", false, true},
    {"folder missing", WorkedWing(), "missing/sheet.pdf", false, false},
    {"a folder has the file's name", WorkedWing(), "sheet.pdf", true, false},
};

// Nothing half-written may appear, and an older sheet of the same name must survive.
TEST_F(SheetPrinting, FailuresLeaveTheFolderAsItWas) {
    for (const FailureRow& row : kFailures) {
        const TestFolder rowFolder;
        if (row.targetIsFolder)
            std::filesystem::create_directory(rowFolder / row.target);
        if (row.olderFile)
            WriteBytes(rowFolder / row.target, "older sheet");
        const std::vector<std::string> before = rowFolder.Names();

        const SheetPrintOutcome outcome = PrintPdf(row.wing, rowFolder / row.target);
        EXPECT_FALSE(outcome.printed) << row.name;
        EXPECT_FALSE(outcome.failure.empty()) << row.name;
        EXPECT_EQ(rowFolder.Names(), before) << row.name;
        if (row.olderFile) {
            EXPECT_EQ(ReadBytes(rowFolder / row.target), "older sheet") << row.name;
        }
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << row.name;
    }
}

TEST_F(SheetPrinting, PrinterThatDoesNotExistIsAFailure) {
    const CalculatedWing wing = Calculate(WorkedWing());
    const SheetPrintOutcome outcome =
        imprime(wing.planform, wing.results, PlainInputs(),
                SheetTarget::Printer(QStringLiteral("wingsheet-no-such-printer")));
    EXPECT_FALSE(outcome.printed);
    EXPECT_NE(outcome.failure.find("wingsheet-no-such-printer"), std::string::npos);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
