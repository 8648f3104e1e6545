// SPDX-License-Identifier: GPL-3.0-or-later
// The .stab file beside a wing file: its name, its exact bytes, the round trip of every field
// text, and what counts as missing or broken.
#include "files/StabilityFile.h"

#include "support/StabilityWings.h"
#include "support/TestFolder.h"
#include "support/WingTexts.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

TEST(StabilityFilePath, SitsBesideTheWingFile) {
    const struct {
        const char* wing;
        const char* stability;
    } cases[] = {
        {"/models/wing.txt", "/models/wing.stab"},
        {"wing.txt", "wing.stab"},
        {"wing", "wing.stab"},
        {"wing.TXT", "wing.TXT.stab"},
        {"wing.dat", "wing.dat.stab"},
        {"/a.txt/wing", "/a.txt/wing.stab"},
        {"wing.txt.txt", "wing.txt.stab"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stabilityFilePath(c.wing), c.stability) << c.wing;
}

// The rectangular worked tail in full: 24 keys, the texts as typed, CRLF throughout.
TEST(StabilityFileText, WritesBothSectionsKeyByKey) {
    StabilityFields fields = rectangularTail();
    setTipChord(fields.tail, 1, "80,5");
    fields.tail.panelLength[1] = "150";
    const std::string expected =
        "[Tail]\r\n"
        "RootChord1=100\r\nRootChord2=100\r\nRootChord3=80,5\r\n"
        "RootChord4=\r\nRootChord5=\r\n"
        "TipChord1=100\r\nTipChord2=80,5\r\nTipChord3=\r\n"
        "TipChord4=\r\nTipChord5=\r\n"
        "Length1=200\r\nLength2=150\r\nLength3=\r\nLength4=\r\nLength5=\r\n"
        "Sweep1=0\r\nSweep2=\r\nSweep3=\r\nSweep4=\r\nSweep5=\r\n"
        "[Stability]\r\n"
        "HasTail=1\r\nDistance=600\r\nEfficiency=0.90\r\nMargin=10\r\n";
    EXPECT_EQ(stabilityFileText(fields), expected);
}

TEST(StabilityFile, SaveThenLoadKeepsEveryTextExactly) {
    TestFolder folder;
    StabilityFields awkward = rectangularTail();
    awkward.tail.sweepOffset[0] = " -12,5 ";
    awkward.distance = "\"600\"";
    awkward.efficiency = "'0.9'";
    awkward.margin = "x;=[y]";
    StabilityFields verticalTab = rectangularTail();
    verticalTab.efficiency = "1g\v"; // a vertical tab is a blank to the reader too
    StabilityFields accented = flyingWing("9\xc3\xa9"); // é: one Windows-1252 byte
    StabilityFields beyond1252 = flyingWing("\xe7\xbf\xbc");
    for (const StabilityFields& fields :
         {rectangularTail(), awkward, verticalTab, accented, beyond1252}) {
        const std::string path = folder / "wing.stab";
        ASSERT_EQ(saveStabilityFile(path, fields), std::nullopt);
        const StabilityFileRead read = loadStabilityFile(path, ".");
        ASSERT_EQ(read.state, StabilityFileState::Loaded) << fields.margin;
        EXPECT_EQ(read.fields, fields) << fields.margin;
    }
    // The last one saved has a text beyond Windows-1252, so it went out as UTF-8.
    EXPECT_NE(readBytes(folder / "wing.stab").find("Margin=\xe7\xbf\xbc\r\n"), std::string::npos);
    ASSERT_EQ(saveStabilityFile(folder / "a.stab", accented), std::nullopt);
    EXPECT_NE(readBytes(folder / "a.stab").find("Margin=9\xe9\r\n"), std::string::npos);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"a.stab", "wing.stab"}));
}

TEST(StabilityFile, NoFileIsMissingNotBroken) {
    TestFolder folder;
    const StabilityFileRead read = loadStabilityFile(folder / "none.stab", ".");
    EXPECT_EQ(read.state, StabilityFileState::Missing);
    EXPECT_EQ(read.error, std::nullopt);
}

struct BrokenCase {
    const char* name;
    std::string content;
};

const BrokenCase kBroken[] = {
    {"empty", ""},
    {"no Stability section", "[Tail]\r\nRootChord1=100\r\n"},
    {"HasTail missing", "[Stability]\r\nDistance=600\r\n"},
    {"HasTail 2", "[Stability]\r\nHasTail=2\r\n"},
    {"HasTail yes", "[Stability]\r\nHasTail=yes\r\n"},
    {"a wing file", kTwoPanelWingFile},
    {"binary bytes", binaryBytes()},
};

TEST(StabilityFile, ContentThatIsNotStabilityDataIsBroken) {
    for (const BrokenCase& c : kBroken) {
        SCOPED_TRACE(c.name);
        const StabilityFileRead read = readStabilityFileText(c.content, ".");
        EXPECT_EQ(read.state, StabilityFileState::Broken);
        EXPECT_EQ(read.error, std::nullopt);
    }
}

TEST(StabilityFile, AFolderOfThatNameIsBrokenWithItsError) {
    TestFolder folder;
    std::filesystem::create_directory(folder / "wing.stab");
    const StabilityFileRead read = loadStabilityFile(folder / "wing.stab", ".");
    EXPECT_EQ(read.state, StabilityFileState::Broken);
    ASSERT_TRUE(read.error.has_value());
    EXPECT_EQ(read.error->number, EISDIR);
}

// A hand-made file: keys in any case and order, missing ones keep the window's defaults but the
// efficiency the 0.90 such a file was calculated with before, and the tail's root chords follow
// the tip chords as they do when a wing file is read.
TEST(StabilityFile, MissingKeysKeepTheDefaultsAndChordsChain) {
    const std::string content = "; my glider\r\n"
                                "[stability]\r\nhastail = 1\r\nDISTANCE=750\r\n"
                                "[Tail]\r\nTipChord1=90\r\nRootChord1=110\r\nLength1=250\r\n"
                                "RootChord2=999\r\n";
    const StabilityFileRead read = readStabilityFileText(content, ",");
    ASSERT_EQ(read.state, StabilityFileState::Loaded);
    const StabilityFields& f = read.fields;
    EXPECT_TRUE(f.hasTail);
    EXPECT_EQ(f.distance, "750");
    EXPECT_EQ(f.efficiency, "0,90");
    EXPECT_EQ(f.margin, "10");
    EXPECT_EQ(f.tail.rootChord[0], "110");
    EXPECT_EQ(f.tail.tipChord[0], "90");
    EXPECT_EQ(f.tail.panelLength[0], "250");
    EXPECT_EQ(f.tail.rootChord[1], "999"); // read after the tip chord that chained into it
    EXPECT_EQ(f.tail.rootChord[2], "");
}

TEST(StabilityFile, RemovingAStaleFile) {
    TestFolder folder;
    writeBytes(folder / "wing.stab", "[Stability]\r\nHasTail=0\r\n");
    EXPECT_EQ(removeStabilityFile(folder / "wing.stab"), std::nullopt);
    EXPECT_TRUE(folder.names().empty());
    EXPECT_EQ(removeStabilityFile(folder / "wing.stab"), std::nullopt) << "already gone";
    std::filesystem::create_directory(folder / "odd.stab");
    const std::optional<FileError> error = removeStabilityFile(folder / "odd.stab");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->number, EISDIR);
}

} // namespace
