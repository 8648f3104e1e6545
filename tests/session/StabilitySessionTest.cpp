// SPDX-License-Identifier: GPL-3.0-or-later
// The session's stability data: they exist once entered, go with the wing through Save as and
// Open beside its file, are removed by Clear, and a missing, broken or stale .stab is handled.
#include "files/StabilityFile.h"
#include "files/WingFile.h"
#include "i18n/TextKeys.h"
#include "session/AccessibleTexts.h"
#include "session/FullSizeText.h"
#include "session/StabilityMessages.h"
#include "session/WingSession.h"
#include "support/NamedTexts.h"
#include "support/StabilityWings.h"
#include "support/TestFolder.h"
#include "support/WingTexts.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class StabilitySession : public testing::Test {
protected:
    // The rectangular worked wing, calculated, with the rectangular worked tail entered.
    void enterRectangularWing() {
        const WingFields wing = typedWing(kRectangularWing, "30", "");
        for (int panel = 0; panel < kPanelCount; ++panel) {
            session.setPanelText(PanelField::RootChord, panel, wing.rootChord[panel]);
            session.setPanelText(PanelField::TipChord, panel, wing.tipChord[panel]);
            session.setPanelText(PanelField::PanelLength, panel, wing.panelLength[panel]);
            session.setPanelText(PanelField::SweepOffset, panel, wing.sweepOffset[panel]);
        }
        ASSERT_EQ(session.calculate().outcome, CalcOutcome::Ok);
        enterTail(rectangularTail());
    }

    void enterTail(const StabilityFields& tail) {
        WingStability& stability = session.stability();
        stability.setHasTail(tail.hasTail);
        for (int panel = 0; panel < kPanelCount; ++panel) {
            stability.setPanelText(PanelField::RootChord, panel, tail.tail.rootChord[panel]);
            stability.setPanelText(PanelField::TipChord, panel, tail.tail.tipChord[panel]);
            stability.setPanelText(PanelField::PanelLength, panel, tail.tail.panelLength[panel]);
            stability.setPanelText(PanelField::SweepOffset, panel, tail.tail.sweepOffset[panel]);
        }
        stability.setDistanceText(tail.distance);
        stability.setEfficiencyText(tail.efficiency);
        stability.setMarginText(tail.margin);
    }

    TestFolder folder;
    WingSession session{".", namedText};
};

// No data is neither a tail nor a flying wing: nothing is calculated until one is chosen.
TEST_F(StabilitySession, NoDataUntilTheUserEntersSome) {
    EXPECT_FALSE(session.stability().exists());
    EXPECT_EQ(session.stability().fields(), defaultStabilityFields("."));
    EXPECT_EQ(session.calculateStability().outcome, StabilityOutcome::WingNotCalculated);
    enterRectangularWing();
    session.stability().remove();
    EXPECT_EQ(session.calculateStability().outcome, StabilityOutcome::LayoutNotChosen);
    EXPECT_EQ(session.neutralPoint(), std::nullopt);
    enterTail(rectangularTail());
    EXPECT_TRUE(session.stability().exists());
    ASSERT_TRUE(session.neutralPoint().has_value());
    EXPECT_NEAR(*session.neutralPoint(), 91.8411, 5e-4);
    EXPECT_EQ(session.sheetInputs("t", "d").stability.has_value(), true);
}

// The full-size plan's text block in inches and ounces; the figure itself stays in millimetres.
TEST_F(StabilitySession, ThePlansTextsFollowTheUnits) {
    enterRectangularWing();
    session.setUnits({LengthUnit::Inch, MassUnit::Ounce});
    const std::vector<std::string> lines = fullSizeTextLines(session, "t", "d");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(std::vector(lines.end() - 3, lines.end()),
              (std::vector<std::string>{"Stability/NeutralPoint : 3.62 Units/Inch (45.92 %)",
                                        "Stability/Margin : 10.00 %",
                                        "Stability/BalanceForMargin : 2.83 Units/Inch (35.92 %)"}));
    EXPECT_EQ(session.sheetInputs("t", "d").inputsTitle, kInputsTitleInInches);
}

// The tail's tip chord is chained into the next root chord, as on the wing.
TEST_F(StabilitySession, TailChordsChainAsTheWingsDo) {
    session.stability().setPanelText(PanelField::TipChord, 0, "90");
    EXPECT_TRUE(session.stability().exists());
    EXPECT_EQ(session.stability().fields().tail.rootChord[1], "90");
    session.stability().remove();
    EXPECT_FALSE(session.stability().exists());
    EXPECT_EQ(session.stability().fields(), defaultStabilityFields("."));
}

TEST_F(StabilitySession, RefusedDataMarkNothing) {
    enterRectangularWing();
    session.stability().setDistanceText("0");
    EXPECT_EQ(session.calculateStability().outcome, StabilityOutcome::DistanceError);
    EXPECT_EQ(session.stabilityResults(), std::nullopt);
    EXPECT_EQ(session.neutralPoint(), std::nullopt);
    EXPECT_FALSE(session.sheetInputs("t", "d").stability.has_value());
}

TEST_F(StabilitySession, SaveAsThenOpenBringsThemBack) {
    enterRectangularWing();
    session.stability().setPanelText(PanelField::SweepOffset, 0, "12,5");
    const StabilityFields entered = session.stability().fields();
    const SaveOutcome saved = session.saveAs(folder / "glider.txt");
    EXPECT_EQ(saved.fileError, std::nullopt);
    EXPECT_FALSE(saved.stabilityProblem.has_value());
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"glider.stab", "glider.txt"}));

    session.clear();
    EXPECT_FALSE(session.stability().exists());
    const OpenOutcome opened = session.open(folder / "glider.txt");
    EXPECT_TRUE(opened.calculated());
    EXPECT_FALSE(opened.stabilityProblem.has_value());
    ASSERT_TRUE(session.stability().exists());
    EXPECT_EQ(session.stability().fields(), entered);
    EXPECT_TRUE(session.stabilityResults().has_value());
}

// A wing saved without stability data must not pick up the ones an earlier save left there.
TEST_F(StabilitySession, SaveAsWithoutDataRemovesAStaleFile) {
    writeBytes(folder / "glider.stab", "[Stability]\r\nHasTail=0\r\nMargin=12\r\n");
    enterRectangularWing();
    session.stability().remove();
    const SaveOutcome saved = session.saveAs(folder / "glider.txt");
    EXPECT_EQ(saved.fileError, std::nullopt);
    EXPECT_FALSE(saved.stabilityProblem.has_value());
    EXPECT_EQ(folder.names(), std::vector<std::string>{"glider.txt"});
}

TEST_F(StabilitySession, OpenWithoutAFileLeavesNoData) {
    enterRectangularWing();
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    const OpenOutcome opened = session.open(folder / "two.txt");
    EXPECT_TRUE(opened.calculated());
    EXPECT_FALSE(opened.stabilityProblem.has_value());
    EXPECT_FALSE(session.stability().exists());
}

// A wing read from standard input has no folder: a .stab that happens to sit beside the name it
// is shown under is not its own.
TEST_F(StabilitySession, AWingFromStandardInputBringsNoData) {
    enterRectangularWing();
    ASSERT_EQ(session.saveAs(folder / "glider.txt").fileError, std::nullopt);
    std::string bytes;
    ASSERT_EQ(readFileBytes(folder / "glider.txt", bytes), std::nullopt);
    const OpenOutcome opened = session.openBytes(folder / "glider.txt", bytes);
    EXPECT_TRUE(opened.calculated());
    EXPECT_FALSE(opened.stabilityProblem.has_value());
    EXPECT_FALSE(session.stability().exists());
}

// A wing file that cannot be read costs nothing: the wing, its results and its stability data
// stay, and a .stab beside the bad file is not read.
TEST_F(StabilitySession, AFailedOpenKeepsTheWingAndItsData) {
    writeBytes(folder / "short.txt", kTwoPanelWingFile.substr(0, 60));
    std::filesystem::create_directory(folder / "folder.txt");
    StabilityFields other = rectangularTail();
    other.distance = "900";
    for (const char* name : {"short", "folder", "missing"})
        ASSERT_EQ(saveStabilityFile(folder / (std::string(name) + ".stab"), other), std::nullopt);
    enterRectangularWing();
    const WingFields wing = session.fields();
    const StabilityFields entered = session.stability().fields();
    for (const char* name : {"short.txt", "folder.txt", "missing.txt"}) {
        SCOPED_TRACE(name);
        const OpenOutcome opened = session.open(folder / name);
        EXPECT_TRUE(opened.fileError.has_value());
        EXPECT_FALSE(opened.stabilityProblem.has_value());
        EXPECT_EQ(session.fields(), wing);
        EXPECT_TRUE(session.hasValidResults());
        EXPECT_TRUE(session.stability().exists());
        EXPECT_EQ(session.stability().fields(), entered);
        ASSERT_TRUE(session.neutralPoint().has_value());
        EXPECT_NEAR(*session.neutralPoint(), 91.8411, 5e-4);
    }
}

struct BrokenFile {
    const char* name;
    void (*make)(const std::string& path);
    std::optional<int> errorNumber;
};

const BrokenFile kBrokenFiles[] = {
    {"not stability data", [](const std::string& path) { writeBytes(path, binaryBytes(4096)); },
     std::nullopt},
    {"HasTail 7", [](const std::string& path) { writeBytes(path, "[Stability]\r\nHasTail=7\r\n"); },
     std::nullopt},
    {"a folder", [](const std::string& path) { std::filesystem::create_directory(path); }, EISDIR},
};

// The wing opens and calculates; the stability data are left out and the problem says where.
TEST_F(StabilitySession, ABrokenFileIsReportedAndTheWingStillOpens) {
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    for (const BrokenFile& broken : kBrokenFiles) {
        SCOPED_TRACE(broken.name);
        std::filesystem::remove_all(folder / "two.stab");
        broken.make(folder / "two.stab");
        enterTail(rectangularTail());
        const OpenOutcome opened = session.open(folder / "two.txt");
        EXPECT_TRUE(opened.calculated());
        EXPECT_FALSE(session.stability().exists());
        ASSERT_TRUE(opened.stabilityProblem.has_value());
        EXPECT_EQ(opened.stabilityProblem->path, folder / "two.stab");
        EXPECT_EQ(opened.stabilityProblem->error.has_value(), broken.errorNumber.has_value());
        if (broken.errorNumber && opened.stabilityProblem->error) {
            EXPECT_EQ(opened.stabilityProblem->error->number, *broken.errorNumber);
        }
    }
}

// The wing file is written; that its companion could not be is said, not hidden.
TEST_F(StabilitySession, AStabilityFileThatCannotBeWrittenIsReported) {
    std::filesystem::create_directory(folder / "glider.stab");
    enterRectangularWing();
    const SaveOutcome saved = session.saveAs(folder / "glider.txt");
    EXPECT_EQ(saved.fileError, std::nullopt);
    ASSERT_TRUE(saved.stabilityProblem.has_value());
    EXPECT_EQ(saved.stabilityProblem->path, folder / "glider.stab");
    ASSERT_TRUE(saved.stabilityProblem->error.has_value());
    EXPECT_EQ(saved.stabilityProblem->error->number, EISDIR);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "glider.txt"));
}

// A wing file that cannot be written leaves the stability file alone.
TEST_F(StabilitySession, AFailedWingSaveWritesNoStabilityFile) {
    enterRectangularWing();
    const SaveOutcome saved = session.saveAs(folder / "missing folder/glider.txt");
    EXPECT_TRUE(saved.fileError.has_value());
    EXPECT_FALSE(saved.stabilityProblem.has_value());
    EXPECT_TRUE(folder.names().empty());
}

TEST(StabilityMessages, EachRefusalHasItsOwnText) {
    using enum StabilityOutcome;
    const struct {
        StabilityReport report;
        const char* text;
    } cases[] = {
        {{Ok, {}}, ""},
        {{WingNotCalculated, {}}, "Stability/NeedsWing"},
        {{LayoutNotChosen, {}}, "Stability/ChooseLayout"},
        {{TailPanelError, {}}, "Stability/TailPanels"},
        {{DistanceError, {}}, "Stability/DistanceMessage"},
        {{DistanceTooLarge, {}}, "Message/toolarge Stability/Distance"},
        {{TailArmError, {}}, "Stability/TailArmMessage"},
        {{EfficiencyError, {}}, "Stability/EfficiencyMessage"},
        {{MarginError, {}}, "Stability/MarginMessage"},
        {{ArithmeticFailure, {}}, "Stability/TooLarge"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stabilityMessage(c.report, namedText), c.text) << c.text;
}

// A refused tail value is the tail's: its panel is named as a tail panel, with the wing's words
// for a negative or a too-large value, never the wing's panel message.
TEST(StabilityMessages, ATailRefusalNamesTheTailPanel) {
    using enum StabilityOutcome;
    const struct {
        const char* name;
        StabilityReport report;
        const char* text;
    } cases[] = {
        {"gap at tail panel 2",
         {TailGapInChain, {}, {WingInput::PanelLength, 1}},
         "Stability/TailGap 2"},
        {"negative tip chord of tail panel 3",
         {TailNegativeValue, {}, {WingInput::TipChord, 2}},
         "Message/negative Stability/TailField Label/2 3"},
        {"too large a sweep of tail panel 1",
         {TailValueTooLarge, {}, {WingInput::SweepOffset, 0}},
         "Message/toolarge Stability/TailField Label/4 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(stabilityMessage(c.report, namedText), c.text);
    }
}

// Each warning on a line of its own, only when it holds.
TEST(StabilityMessages, WarningsOfAnUnstableCgAndATailInsideTheWing) {
    StabilityResults results;
    EXPECT_EQ(stabilityWarning(results, namedText), "");
    results.tailInsideWingChord = true;
    EXPECT_EQ(stabilityWarning(results, namedText), "Stability/TailInside");
    results.marginAtBalance = -0.01;
    EXPECT_EQ(stabilityWarning(results, namedText),
              "Stability/NegativeMargin\nStability/TailInside");
}

// In English, as the window and --calc --json say it.
TEST(StabilityMessages, ANegativeTailChordInEnglish) {
    const TextLookup english = [](TextKey key) {
        return key == kRootChordCaption ? std::string("Root chord:") : std::string(key.fallback);
    };
    EXPECT_EQ(stabilityMessage({StabilityOutcome::TailNegativeValue, {}, {WingInput::RootChord, 0}},
                               english),
              "\"Root chord, tail panel 1\" is below zero. Chords and lengths must be positive; "
              "only the sweep may be negative.");
}

// The preview's description names the green mark after the wing's own marks, only when drawn.
TEST(StabilityMessages, ThePreviewDescriptionNamesTheGreenMark) {
    ResultTexts shown;
    shown.span = " 1 000.00 mm  ";
    shown.meanChordStation = " 250.00 mm  ";
    shown.balanceDistance = " 60.00 mm  ";
    EXPECT_EQ(previewDescription(shown, namedText, " 95.12 mm  "),
              "Label/previewtext 1 000.00 mm 250.00 mm 60.00 mm Stability/PreviewText 95.12 mm");
    EXPECT_EQ(previewDescription(shown, namedText),
              "Label/previewtext 1 000.00 mm 250.00 mm 60.00 mm");
    EXPECT_EQ(previewDescription(std::nullopt, namedText, " 95.12 mm  "), "Label/previewempty");
}

TEST(StabilityMessages, AFileProblemNamesThePathAndTheError) {
    const StabilityFileProblem withError{"/m/w.stab", FileError{21, "Is a directory"}};
    EXPECT_EQ(stabilityFileMessage(withError, kStabilityReadMessage, namedText),
              "Stability/ReadFailed\r/m/w.stab\rMessage/8 # 21 Is a directory");
    const StabilityFileProblem notData{"/m/w.stab", std::nullopt};
    EXPECT_EQ(stabilityFileMessage(notData, kStabilityWriteMessage, namedText),
              "Stability/WriteFailed\r/m/w.stab");
}

} // namespace
