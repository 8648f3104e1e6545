// SPDX-License-Identifier: GPL-3.0-or-later
// The real program prints sheets into PDF files; Poppler's tools read them back, so the checks
// rest on what a PDF reader finds on the page, not on the numbers the program computed.
#include "PrintTestWings.h"
#include "draw/QtTextMetrics.h"
#include "files/WingFile.h"
#include "i18n/LanguageState.h"
#include "i18n/TextKeys.h"
#include "support/PdfTools.h"
#include "support/TestFolder.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

class SheetPdf : public testing::Test {
protected:
    void SetUp() override {
        if (!havePoppler())
            GTEST_SKIP() << "Poppler's tools (poppler-utils) are not installed";
        language.select("English");
    }

    std::string saveWing(const std::string& name, const WingFields& fields) {
        const std::string path = folder / name;
        EXPECT_FALSE(saveWingFile(path, fields).has_value());
        return path;
    }

    // Prints the sheet of the wing with the real program and returns its run.
    ToolRun drawSheet(const std::string& wing, const std::string& pdf, const QStringList& extra) {
        return runTool(kProgram, QStringList{QStringLiteral("--sheet-pdf"), q(pdf),
                                             QStringLiteral("--lang"), QStringLiteral("English")} +
                                     extra + QStringList{q(wing)});
    }

    const QString kProgram = QStringLiteral(WINGSHEET_EXECUTABLE);
    TestFolder folder;
    LanguageState language{
        LanguagePlaces::beside(QFileInfo(kProgram).absolutePath().toStdString())};
};

// Without --title the sheet is titled with the wing file's name.
TEST_F(SheetPdf, IsOneA4LandscapePageWithTheTitleTheCaptionsAndTheResults) {
    const std::string pdf = folder / "glider.pdf";
    const ToolRun run = drawSheet(saveWing("my glider.txt", workedWing()), pdf, {});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"glider.pdf", "my glider.txt"}));

    const ToolRun info = runTool(QStringLiteral("pdfinfo"), {q(pdf)});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains(QRegularExpression(QStringLiteral(R"(Pages:\s+1\n)"))));
    const auto size = QRegularExpression(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)"))
                          .match(info.out);
    ASSERT_TRUE(size.hasMatch()) << info.out.toStdString();
    EXPECT_NEAR(size.captured(1).toDouble(), 841.89, 0.5); // 297 mm
    EXPECT_NEAR(size.captured(2).toDouble(), 595.28, 0.5); // 210 mm

    const ToolRun text = runTool(QStringLiteral("pdftotext"), {q(pdf), QStringLiteral("-")});
    ASSERT_EQ(text.exitCode, 0);
    const QString page = text.out.simplified();
    std::vector<std::string> expected = {
        language.text(kSheetTitleCaption) + " my glider.txt", language.text(kSheetDateCaption),
        "V. 3.1.0", language.text(kPanelCaption) + " 1", language.text(kSheetScaleCaption) + " 1/5",
        language.text(kMassCaption) + " : 1500 g",
        language.text(kWingLoadingCaption) + " : 37.50 g/dm\u00b2",
        // The inputs as typed and the results as the window shows them, worked out by hand.
        "250", "150", "1000", "50", "30", "2 000.00 mm", "40.00 dm\u00b2", "10.00", "458.33 mm",
        "204.17 mm", "84.17 mm"};
    for (const TextKey key : {kRootChordCaption, kTipChordCaption, kPanelLengthCaption,
                              kSweepOffsetCaption, kBalanceCaption, kSpanCaption, kAreaCaption,
                              kAspectRatioCaption, kMeanChordStationCaption, kMeanChordCaption,
                              kBalanceDistanceCaption, kInputsTitle, kResultsTitle})
        expected.push_back(language.text(key));
    for (const std::string& words : expected) {
        ASSERT_FALSE(words.empty());
        EXPECT_TRUE(page.contains(q(words).simplified()))
            << words << "\nin: " << page.toStdString();
    }
}

// 100 mm of wing at 1/5 is 20.0 mm of paper; the square panel's four sides all show it. The
// root chord stands where the 14000-twip band centres 1134 twips of outline: 7567 twips.
TEST_F(SheetPdf, HundredMillimetrePanelMeasuresTwentyMillimetres) {
    const std::string pdf = folder / "square.pdf";
    ASSERT_EQ(drawSheet(saveWing("square.txt", squareWing()), pdf,
                        {QStringLiteral("--title"), QStringLiteral("Sheet test")})
                  .exitCode,
              0);
    const ToolRun text = runTool(QStringLiteral("pdftotext"), {q(pdf), QStringLiteral("-")});
    EXPECT_TRUE(
        text.out.simplified().contains(q(language.text(kSheetTitleCaption) + " Sheet test")));
    const std::string svg = folder / "square.svg";
    ASSERT_EQ(
        runTool(QStringLiteral("pdftocairo"), {QStringLiteral("-svg"), q(pdf), q(svg)}).exitCode,
        0);

    std::vector<PageLine> outline;
    for (const PageLine& line : strokedLines(q(readBytes(svg)))) {
        // Below the scale caption's underline: only the planform is there.
        if (line.colour == "rgb(0%,0%,0%)" && !line.dashed && line.y1 > 80 && line.y2 > 80)
            outline.push_back(line);
    }
    ASSERT_EQ(outline.size(), 4u);
    for (const PageLine& side : outline)
        EXPECT_NEAR(side.length(), 20.0, 0.05);
    EXPECT_NEAR(outline[0].x1, 7567 / 56.7, 0.05);
    EXPECT_NEAR(outline[0].x2, 7567 / 56.7, 0.05);
    EXPECT_NEAR(outline[1].x2 - outline[1].x1, 20.0, 0.05); // the leading edge runs spanwise
}

struct CommandFailure {
    const char* name;
    std::optional<WingFields> wing; // none: the wing file does not exist
    std::string output;             // relative to the test folder
    std::string said;               // in the error output
};

TEST_F(SheetPdf, FailuresExitWithOneAndWriteNoFile) {
    const WingFields refused = typedWing({{"250", "150", "1000", "50"}}, "0", "1500");
    const CommandFailure rows[] = {
        {"missing wing file", std::nullopt, "out.pdf", "wing.txt"},
        {"refused by the calculation", refused, "out.pdf", language.text(kBalanceErrorMessage)},
        {"sheet overflows", overflowingWing(), "out.pdf", "out.pdf"},
    };
    for (const CommandFailure& row : rows) {
        const TestFolder rowFolder;
        const std::string wing = rowFolder / "wing.txt";
        if (row.wing) {
            ASSERT_FALSE(saveWingFile(wing, *row.wing).has_value());
        }
        const std::vector<std::string> before = rowFolder.names();
        const ToolRun run = drawSheet(wing, rowFolder / row.output, {});
        EXPECT_EQ(run.exitCode, 1) << row.name;
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("wingsheet: "))) << row.name;
        EXPECT_TRUE(run.err.contains(q(row.said))) << row.name << ": " << run.err.toStdString();
        EXPECT_EQ(rowFolder.names(), before) << row.name;
    }
}

// The JSON's sheet places the version note right after the date text, as wide as the printer's
// font makes it, not as the fixed stand-in widths would.
TEST_F(SheetPdf, CalcJsonMeasuresTextWithTheSheetsFonts) {
    const ToolRun run = runTool(kProgram, {QStringLiteral("--calc"), QStringLiteral("--json"),
                                           QStringLiteral("--lang"), QStringLiteral("English"),
                                           q(saveWing("square.txt", squareWing()))});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const auto json = nlohmann::json::parse(run.out.toStdString());
    const auto& texts = json.at("sheet").at("texts");
    ASSERT_GE(texts.size(), 3u);
    const auto& date = texts[1];
    const auto& note = texts[2];
    ASSERT_EQ(note.at("size"), 5);
    const std::string dateText = date.at("text");
    const SheetFont dateFont{"Arial", 10, false, false};
    const double realWidth = qtTextMetrics().width(dateText, dateFont);
    EXPECT_NEAR(note.at("x").get<double>(), date.at("x").get<double>() + realWidth, 0.5);
    EXPECT_GT(std::abs(realWidth - fakeTextMetrics().width(dateText, dateFont)), 1.0);
}

} // namespace
