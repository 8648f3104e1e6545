// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/WingFile.h"

#include "base/ProgramFolder.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace {

// Root chords 1 to 4 mirror the tip chords, as the window keeps them.
WingFields fields(PanelTexts tipChords, PanelTexts lengths, PanelTexts offsets,
                  std::string rootChord, std::string balance, std::string mass) {
    WingFields fields;
    fields.tipChord = std::move(tipChords);
    fields.panelLength = std::move(lengths);
    fields.sweepOffset = std::move(offsets);
    fields.rootChord[0] = std::move(rootChord);
    chainRootChords(fields);
    fields.balancePercent = std::move(balance);
    fields.mass = std::move(mass);
    return fields;
}

const WingFields kTwoPanels = fields({"150", "80,5", "", "", ""}, {"1000", "400", "", "", ""},
                                     {"50", "120", "", "", ""}, "250", "33,5", "1500");

// The lines of one block in file order, header first, each ended by `ending`.
std::string block(const WingFields& fields, const std::string& ending,
                  const std::string& header = std::string(kWingFileHeader)) {
    std::string text = header + ending;
    for (int panel = 0; panel < kPanelCount; ++panel) {
        for (const std::string* line : {&fields.rootChord[panel], &fields.tipChord[panel],
                                        &fields.panelLength[panel], &fields.sweepOffset[panel]})
            text += *line + ending;
    }
    return text + fields.balancePercent + ending + fields.mass + ending;
}

TEST(WingFileTextTest, WritesTheExact23CrLfLines) {
    const std::string expected = "V2M-Please don't Delete ....\r\n"
                                 "250\r\n150\r\n1000\r\n50\r\n"
                                 "150\r\n80,5\r\n400\r\n120\r\n"
                                 "80,5\r\n\r\n\r\n\r\n"
                                 "\r\n\r\n\r\n\r\n"
                                 "\r\n\r\n\r\n\r\n"
                                 "33,5\r\n1500\r\n";
    EXPECT_EQ(wingFileText(kTwoPanels), expected);
}

struct RoundTripCase {
    const char* name;
    WingFields fields;
    std::string encodedMass; // how the mass line must appear in the file's bytes
};

WingFields onePanelWithMass(std::string mass) {
    return fields({"150", "", "", "", ""}, {"1000", "", "", "", ""}, {}, "250", "30",
                  std::move(mass));
}

const RoundTripCase kRoundTripCases[] = {
    {"AllEmpty", fields({}, {}, {}, "", "", ""), "\r\n\r\n"},
    {"FivePanelsWithCommas",
     fields({"200,25", "180", "150,5", "100", "60"}, {"300", "250,75", "200", "150", "100,1"},
            {"10", "-5,5", "30", "45", "60,25"}, "220", "30", "2 150,5"),
     "\r\n2 150,5\r\n"},
    {"BlanksAndOddTextKept",
     fields({" 150 ", "abc", "", "", ""}, {"1e3", "", "", "", ""}, {"\t", "", "", "", ""}, "  250",
            "", " 9 "),
     "\r\n 9 \r\n"},
    {"Utf8WhenNotWindows1252", onePanelWithMass("1 kg (≈) é"),
     "\r\n1 kg (\xE2\x89\x88) \xC3\xA9\r\n"},
    {"Utf8WhenWindows1252WouldPassForUtf8", onePanelWithMass("\u00C3\u00A9"),
     "\r\n\xC3\x83\xC2\xA9\r\n"},
    {"Windows1252Text", onePanelWithMass("élevée €"),
     "\r\n\xE9lev\xE9"
     "e \x80\r\n"},
};

TEST(WingFileRoundTrip, OpenRestoresEverySavedText) {
    for (const RoundTripCase& row : kRoundTripCases) {
        SCOPED_TRACE(row.name);
        TestFolder folder;
        const std::string path = folder / "wing.txt";
        ASSERT_EQ(saveWingFile(path, row.fields), std::nullopt);
        EXPECT_TRUE(readBytes(path).ends_with(row.encodedMass));
        WingFields loaded = clearedFields();
        ASSERT_EQ(loadWingFile(path, loaded), std::nullopt);
        EXPECT_EQ(loaded, row.fields);
    }
}

const WingFields kOther = fields({"140", "", "", "", ""}, {"900", "", "", "", ""},
                                 {"40", "", "", "", ""}, "260", "28", "1200");

WingFields withoutMass(WingFields fields) {
    fields.mass.clear();
    return fields;
}

// A hand-edited file: root chords 1 to 4 do not follow the tip chords.
WingFields handEdited(PanelTexts tipChords) {
    WingFields fields = kTwoPanels;
    fields.rootChord = {"250", "111", "222", "333", "444"};
    fields.tipChord = std::move(tipChords);
    return fields;
}

WingFields withRootChords(WingFields fields, PanelTexts rootChords) {
    fields.rootChord = std::move(rootChords);
    return fields;
}

struct LoadCase {
    const char* name;
    std::string content;
    std::optional<FileError> error;
    WingFields expected; // checked only when there is no error
};

const std::string kCrLfBlock = block(kTwoPanels, "\r\n");

const LoadCase kLoadCases[] = {
    {"CrLf", kCrLfBlock, std::nullopt, kTwoPanels},
    {"LfOnly", block(kTwoPanels, "\n"), std::nullopt, kTwoPanels},
    {"CrOnly", block(kTwoPanels, "\r"), std::nullopt, kTwoPanels},
    {"NoLineEndAfterLine23", kCrLfBlock.substr(0, kCrLfBlock.size() - 2), std::nullopt, kTwoPanels},
    {"TwoBlocksSecondWins", kCrLfBlock + block(kOther, "\r\n"), std::nullopt, kOther},
    {"HeaderWithoutV2MKeepsMassEmpty", block(kTwoPanels, "\r\n", "Wing file"), std::nullopt,
     withoutMass(kTwoPanels)},
    {"V2MIsCaseSensitive", block(kTwoPanels, "\r\n", "v2m-Please"), std::nullopt,
     withoutMass(kTwoPanels)},
    {"OnlyThreeCharactersMatter", block(kTwoPanels, "\r\n", "V2Mxyz"), std::nullopt, kTwoPanels},
    {"EmptyFileLoadsNothing", "", std::nullopt, clearedFields()},
    {"ShortFile",
     "V2M-Please don't Delete ....\r\n250\r\n150\r\n1000\r\n",
     kInputPastEndOfFile,
     {}},
    {"MassLineMissing", kCrLfBlock.substr(0, kCrLfBlock.size() - 6), kInputPastEndOfFile, {}},
    {"TrailingBlankLineStartsABlock", kCrLfBlock + "\r\n", kInputPastEndOfFile, {}},
    {"HandEditedRootChordsFollowChangedTips",
     block(handEdited({"200", "180", "160", "", ""}), "\r\n"), std::nullopt,
     withRootChords(handEdited({"200", "180", "160", "", ""}),
                    {"250", "200", "180", "333", "444"})},
    {"HandEditedWithAGapInTheTips", block(handEdited({"200", "", "160", "", ""}), "\r\n"),
     std::nullopt,
     withRootChords(handEdited({"200", "", "160", "", ""}), {"250", "200", "", "333", "444"})},
};

TEST(LoadWingFileTable, Loads) {
    for (const LoadCase& row : kLoadCases) {
        SCOPED_TRACE(row.name);
        TestFolder folder;
        writeBytes(folder / "wing.txt", row.content);
        WingFields fields = clearedFields();
        const std::optional<FileError> error = loadWingFile(folder / "wing.txt", fields);
        EXPECT_EQ(error, row.error);
        if (!row.error) {
            EXPECT_EQ(fields, row.expected);
        }
    }
}

TEST(WingFilePathTest, BareNameFollowsTheLastSeparator) {
    const std::string s(1, kPathSeparator);
    const struct {
        std::string path;
        int lastSlashPos;
        std::string bareName;
    } cases[] = {
        {"wing.txt", 0, "wing.txt"},
        {s + "wing.txt", 1, "wing.txt"},
        {"models" + s + "wing.txt", 7, "wing.txt"},
        {s + "home" + s + "ailes" + s + "aile.txt", 12, "aile.txt"},
        {s + "modèles" + s + "é.txt", 9, "é.txt"},
        {"models" + s, 7, ""},
        {"", 0, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lastSeparatorPosition(c.path), c.lastSlashPos) << c.path;
        EXPECT_EQ(bareFileName(c.path), c.bareName) << c.path;
    }
}

} // namespace
