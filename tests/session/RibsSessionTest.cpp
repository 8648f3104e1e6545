// SPDX-License-Identifier: GPL-3.0-or-later
// The session's ribs: they exist once entered, go with the wing through Save as and Open beside
// its file, are removed by Clear, and a broken .ribs is reported, its words naming the place, and
// kept as it is by the next save.
#include "files/RibsFile.h"
#include "files/WingFile.h"
#include "i18n/TextKeys.h"
#include "session/RibsMessages.h"
#include "session/TemplateTexts.h"
#include "session/WingSession.h"
#include "support/NamedTexts.h"
#include "support/TestFolder.h"
#include "support/WingTexts.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string englishText(TextKey key) {
    return std::string(key.fallback);
}

class RibsSession : public testing::Test {
protected:
    void SetUp() override {
        writeBytes(folder / "wing.txt", kTwoPanelWingFile);
        std::filesystem::copy_file(std::string(WINGSHEET_AIRFOIL_FILES) + "/e374.dat",
                                   folder / "e374.dat");
    }

    TestFolder folder;
    WingSession session{".", englishText};
};

TEST_F(RibsSession, ComeWithTheWingThroughSaveAsAndOpen) {
    EXPECT_FALSE(session.ribs().exists());
    EXPECT_EQ(session.calculateRibs().outcome, RibsOutcome::WingNotCalculated);
    ASSERT_FALSE(session.open(folder / "wing.txt").fileError);
    // The defaults, a rib every 60 mm or closer: 400 mm in 7 gaps, 300 mm in 5, and the tip.
    EXPECT_EQ(session.calculateRibs().ribs.size(), 7u + 5 + 1);
    EXPECT_TRUE(session.ribStations().empty()) << "no marks without rib data";
    const AirfoilImport imported = session.ribs().importAirfoil(folder / "e374.dat");
    ASSERT_EQ(imported.name, "E374");
    session.ribs().setStationAirfoil(2, imported.name);
    EXPECT_EQ(session.ribStations().size(), 7u + 5 + 1);
    EXPECT_TRUE(session.hasUnsavedChanges()) << "changed ribs are changes to lose";
    ASSERT_FALSE(session.saveAs(folder / "copy.txt").ribsProblem);
    EXPECT_FALSE(session.hasUnsavedChanges());
    std::filesystem::remove(folder / "e374.dat"); // the .ribs carries it now

    WingSession reopened{".", englishText};
    const OpenOutcome outcome = reopened.open(folder / "copy.txt");
    EXPECT_FALSE(outcome.ribsProblem);
    EXPECT_EQ(reopened.ribs().definition(), session.ribs().definition());
    const RibsReport ribs = reopened.calculateRibs();
    ASSERT_EQ(ribs.outcome, RibsOutcome::Ok);
    EXPECT_EQ(ribs.ribs.back().outerAirfoil, "E374");

    reopened.clear();
    EXPECT_FALSE(reopened.ribs().exists());
    ASSERT_FALSE(reopened.saveAs(folder / "copy.txt").ribsProblem);
    EXPECT_FALSE(std::filesystem::exists(folder / "copy.ribs")) << "a stale file is removed";
}

TEST_F(RibsSession, ABrokenFileIsReportedAndKeptUntilRibsAreEntered) {
    const std::string broken =
        "[Ribs]\r\nSpacing=60\r\n[Airfoils]\r\nRoot=e374.dat\r\nTip1=AG35\r\n";
    writeBytes(folder / "wing.ribs", broken);
    const OpenOutcome outcome = session.open(folder / "wing.txt");
    EXPECT_TRUE(outcome.calculated()) << "the wing opens all the same";
    ASSERT_TRUE(outcome.ribsProblem);
    EXPECT_EQ(ribsFileMessage(*outcome.ribsProblem, kRibsReadMessage, namedText),
              "Ribs/ReadFailed\r" + folder / "wing.ribs" + "\rRibs/UnknownAirfoil AG35");
    EXPECT_FALSE(session.ribs().exists());

    ASSERT_FALSE(session.saveAs(folder / "wing.txt").ribsProblem);
    EXPECT_EQ(readBytes(folder / "wing.ribs"), broken);
    session.ribs().setStationAirfoil(1, "NACA 0009");
    ASSERT_FALSE(session.saveAs(folder / "wing.txt").ribsProblem);
    EXPECT_NE(readBytes(folder / "wing.ribs"), broken);
}

TEST(RibsMessages, NameWhatIsWrongAndWhere) {
    const AirfoilImport crossing{
        loadAirfoilFile(std::string(WINGSHEET_AIRFOIL_FILES) + "/bad-crossing.dat"), {}};
    const AirfoilImport percent{
        loadAirfoilFile(std::string(WINGSHEET_AIRFOIL_FILES) + "/e374-percent.dat"), "E374"};
    const RibsReport tooMany{RibsOutcome::TooManyRibs, {}, std::nullopt, {}};
    const RibsReport badWidth{
        RibsOutcome::SettingOutOfRange, {}, RibSettingFault{RibSetting::SparWidth, 1}, {}};
    const UnitChoice inches{LengthUnit::Inch, MassUnit::Gram};
    CoreTemplate core;
    core.panel = 1;
    core.tip = true;
    core.chord = 254;
    core.twist = -1.5;
    core.sweepOffset = 25.4;
    core.kerf = 1.27;
    core.airfoil = "NACA 0009";
    const auto coreLines = [&](const DisplayUnits& units) {
        std::string joined;
        for (const std::string& line : coreTemplateLines(core, units, ".", englishText))
            joined += line + "|";
        return joined;
    };
    const std::vector<RibProblem> problems{{RibProblemKind::SheetingTooThick},
                                           {RibProblemKind::NotchTooDeep, 2}};
    const struct {
        const char* name;
        std::string message;
        std::string expected;
    } rows[] = {
        {"refused file", airfoilImportMessage(crossing, "x.dat", ",", englishText),
         "This file cannot be used as an airfoil:\rx.dat, line 42: the outline crosses itself"},
        {"imported file", airfoilImportMessage(percent, "p.dat", ",", englishText),
         "E374 was imported.\rScaled by 0,0100014 to a chord of 1.\r"
         "Turned by 0,069\xc2\xb0 so that its chord lies on the axis."},
        {"too many ribs", ribsMessage(tooMany, englishText),
         "This spacing makes more than 2000 ribs: choose a larger one."},
        {"a setting", ribsMessage(badWidth, englishText),
         "This value is out of range: Spar 2, Width (mm)."},
        {"a setting in inches", ribsMessage(badWidth, englishText, inches),
         "This value is out of range: Spar 2, Width (in)."},
        {"a foam core", coreLines({}),
         "Panel 2, tip: NACA 0009|Chord 254.0 mm, twist -1.50\xc2\xb0|Tip 25.4 mm behind the root|"
         "Kerf 1.27 mm allowed for|"},
        {"a foam core in inches", coreLines(DisplayUnits(inches, {})),
         "Panel 2, tip: NACA 0009|Chord 10.000 in, twist -1.50\xc2\xb0|Tip 1.000 in behind the "
         "root|"
         "Kerf 0.0500 in allowed for|"},
        {"problems", ribProblemsText(problems, englishText),
         "sheeting thicker than half the rib; spar 3 notched through the rib"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.message, row.expected) << row.name;
}

} // namespace
