// SPDX-License-Identifier: GPL-3.0-or-later
// The .ribs file beside a wing file: its exact bytes, the round trip of a whole definition, a
// hand-written file naming a .dat file beside it, and every way a file is broken, said where.
#include "files/RibsFile.h"

#include "support/TestFolder.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// The window's C locale is the user's, as the GUI toolkit sets it: here German, whose printf
// writes "1,5". Made from the system's locale sources into the folder; false where there are none.
bool useGermanNumbers(const TestFolder& folder) {
    const std::string made = "localedef -i de_DE -f UTF-8 " + folder.path() + "/de_DE.UTF-8";
    if (std::system((made + " >/dev/null 2>&1").c_str()) != 0)
        return false;
    setenv("LOCPATH", folder.path().c_str(), 1);
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

// Ten points of a small symmetric section, already normalised.
Airfoil tenPoints(std::string name) {
    return {std::move(name),
            {{1, 0},
             {0.7, 0.03},
             {0.4, 0.05},
             {0.1, 0.035},
             {0, 0},
             {0.1, -0.035},
             {0.4, -0.05},
             {0.7, -0.03},
             {0.9, -0.01},
             {1, 0}}};
}

RibsDefinition everyKey() {
    RibsDefinition definition;
    RibSettings& s = definition.settings;
    s.spacing = 60;
    s.sheeting = 1.5;
    s.leadingEdgeCut = 5;
    s.trailingEdgeCut = 10;
    s.spars[0] = SparNotch{25, 6, 3, NotchSide::Top};
    s.spars[2] = SparNotch{62.5, 3, 2, NotchSide::Both};
    s.twist = {0, -0.5, -1.25};
    s.jig = {true, 12.5, 20, 65, 5, BuildingSide::UpsideDown};
    s.coreKerf = 0.8;
    definition.stationAirfoils = {"AG35", "", "NACA 0009"};
    definition.airfoils = {tenPoints("AG35")};
    return definition;
}

TEST(RibsFilePath, SitsBesideTheWingFile) {
    EXPECT_EQ(ribsFilePath("/models/wing.txt"), "/models/wing.ribs");
    EXPECT_EQ(ribsFilePath("wing"), "wing.ribs");
    EXPECT_EQ(ribsFilePath("wing.TXT"), "wing.TXT.ribs");
}

TEST(RibsFileText, WritesEveryKeyAndTheCarriedAirfoil) {
    const std::string expected = "[Ribs]\r\nSpacing=60\r\nSheeting=1.5\r\nLeadingEdgeCut=5\r\n"
                                 "TrailingEdgeCut=10\r\nSpar1=25,6,3,top\r\nSpar2=\r\n"
                                 "Spar3=62.5,3,2,both\r\nTwist1=0\r\nTwist2=-0.5\r\n"
                                 "Twist3=-1.25\r\nTwist4=0\r\nTwist5=0\r\n"
                                 "JigTabs=1\r\nJigHeight=12.5\r\nJigFront=20\r\nJigRear=65\r\n"
                                 "JigWidth=5\r\nJigUpsideDown=1\r\nCoreKerf=0.8\r\n"
                                 "[Airfoils]\r\nRoot=AG35\r\nTip1=\r\nTip2=NACA 0009\r\n"
                                 "Tip3=\r\nTip4=\r\nTip5=\r\n"
                                 "[Airfoil AG35]\r\nPoints=10\r\n"
                                 "1=1.000000 0.000000\r\n2=0.700000 0.030000\r\n"
                                 "3=0.400000 0.050000\r\n4=0.100000 0.035000\r\n"
                                 "5=0.000000 0.000000\r\n6=0.100000 -0.035000\r\n"
                                 "7=0.400000 -0.050000\r\n8=0.700000 -0.030000\r\n"
                                 "9=0.900000 -0.010000\r\n10=1.000000 0.000000\r\n";
    EXPECT_EQ(ribsFileText(everyKey()), expected);

    const TestFolder folder;
    if (!useGermanNumbers(folder))
        GTEST_SKIP() << "no German locale to be made";
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 1.5);
    const std::string text = ribsFileText(everyKey());
    std::setlocale(LC_NUMERIC, "C");
    ASSERT_STREQ(printed, "1,5");
    EXPECT_EQ(text, expected) << "the file's numbers whatever the locale";
}

TEST(RibsFile, SaveThenLoadGivesTheSameRibs) {
    TestFolder folder;
    RibsDefinition accented = everyKey();
    accented.airfoils.front().name = "Cl\xc3\xa9ment";
    accented.stationAirfoils[0] = accented.airfoils.front().name;
    for (const RibsDefinition& definition : {everyKey(), accented}) {
        ASSERT_FALSE(saveRibsFile(folder / "wing.ribs", definition));
        const RibsFileRead read = loadRibsFile(folder / "wing.ribs");
        ASSERT_EQ(read.state, RibsFileState::Loaded);
        EXPECT_EQ(read.definition, definition);
    }
    EXPECT_EQ(readBytes(folder / "wing.ribs").find("\xc3"), std::string::npos)
        << "Windows-1252 where it can be";
    EXPECT_EQ(loadRibsFile(folder / "none.ribs").state, RibsFileState::Missing);
    EXPECT_FALSE(removeRibsFile(folder / "wing.ribs"));
    EXPECT_FALSE(removeRibsFile(folder / "wing.ribs")) << "a missing file is no error";
}

// Written by hand: comments after values, a decimal comma in a single number, the airfoil
// named by the .dat file beside it, which is carried from then on under its own name.
TEST(RibsFile, ADatFileBesideIsImportedAndCarried) {
    TestFolder folder;
    std::filesystem::copy_file(std::string(WINGSHEET_AIRFOIL_FILES) + "/e374.dat",
                               folder / "e374.dat");
    writeBytes(folder / "wing.ribs", "[ribs]\nSpacing=80 ; mm\nSpar1=30, 5, 2, Bottom ; spar\n"
                                     "[Airfoils]\nRoot=e374.dat\nTip1=NACA 2412\n");
    const RibsFileRead read = loadRibsFile(folder / "wing.ribs");
    ASSERT_EQ(read.state, RibsFileState::Loaded);
    const RibsDefinition& definition = read.definition;
    EXPECT_EQ(definition.settings.spacing, 80);
    EXPECT_EQ(definition.settings.spars[0], (SparNotch{30, 5, 2, NotchSide::Bottom}));
    EXPECT_EQ(definition.stationAirfoils[0], "E374");
    ASSERT_EQ(definition.airfoils.size(), 1u);
    EXPECT_EQ(definition.airfoils[0].points.size(), 61u);
    EXPECT_NE(ribsFileText(definition).find("[Airfoil E374]\r\nPoints=61\r\n"), std::string::npos);
}

TEST(RibsFile, ABrokenFileSaysWhereItIsBroken) {
    TestFolder folder;
    std::filesystem::copy_file(std::string(WINGSHEET_AIRFOIL_FILES) + "/bad-crossing.dat",
                               folder / "crossing.dat");
    const std::string ribs = "[Ribs]\nSpacing=60\n";
    const std::string root = "[Airfoils]\nRoot=NACA 2412\n";
    using enum RibsFileFaultKind;
    const struct {
        const char* name;
        std::string text;
        RibsFileFaultKind kind;
        std::string where;
        int line = 0; // of the airfoil's points
    } rows[] = {
        {"a stability file", "[Stability]\nHasTail=0\n", NoRibsSection, ""},
        {"a word", "[Ribs]\nSpacing=wide\n" + root, BadValue, "[Ribs] Spacing=wide"},
        {"a negative length", "[Ribs]\nSheeting=-1\n" + root, BadValue, "[Ribs] Sheeting=-1"},
        {"a side unknown", ribs + "Spar2=25,6,3,up\n" + root, BadValue, "[Ribs] Spar2=25,6,3,up"},
        {"a spar off the chord", ribs + "Spar1=120,6,3,top\n" + root, BadValue,
         "[Ribs] Spar1=120,6,3,top"},
        {"a twist beyond reason", ribs + "Twist2=60\n" + root, BadValue, "[Ribs] Twist2=60"},
        {"a jig switch that is a word", ribs + "JigTabs=yes\n" + root, BadValue,
         "[Ribs] JigTabs=yes"},
        {"the rear tab ahead of the front one", ribs + "JigFront=60\nJigRear=40\n" + root, BadValue,
         "[Ribs] JigRear=40"},
        {"a hot wire's kerf beyond reason", ribs + "CoreKerf=12\n" + root, BadValue,
         "[Ribs] CoreKerf=12"},
        {"no root airfoil", ribs, BadValue, "[Airfoils] Root="},
        {"an airfoil nowhere", ribs + root + "Tip1=AG35\n", UnknownAirfoil, "AG35"},
        {"a point missing", ribs + "[Airfoils]\nRoot=X\n[Airfoil X]\nPoints=3\n1=1 0\n3=1 0\n",
         BadValue, "[Airfoil X] 2="},
        {"too few points",
         ribs + "[Airfoils]\nRoot=X\n[Airfoil X]\nPoints=3\n1=1 0\n2=0 0\n3=1 0\n", BadAirfoil,
         "[Airfoil X]", 3},
        {"a .dat file missing", ribs + "[Airfoils]\nRoot=ag35.dat\n", AirfoilFileError,
         folder / "ag35.dat"},
        {"a .dat file that crosses itself", ribs + "[Airfoils]\nRoot=crossing.dat\n", BadAirfoil,
         folder / "crossing.dat", 42},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        writeBytes(folder / "wing.ribs", row.text);
        const RibsFileRead read = loadRibsFile(folder / "wing.ribs");
        EXPECT_EQ(read.state, RibsFileState::Broken);
        ASSERT_TRUE(read.fault);
        EXPECT_EQ(read.fault->kind, row.kind);
        EXPECT_EQ(read.fault->where, row.where);
        EXPECT_EQ(read.fault->airfoil.line, row.line);
        EXPECT_EQ(read.definition, RibsDefinition{}) << "nothing of a broken file is kept";
    }
}

} // namespace
