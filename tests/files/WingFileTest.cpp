#include "files/WingFile.h"

#include "base/ProgramFolder.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace {

// Root chords 1 to 4 mirror the tip chords, as the window keeps them.
WingFields Fields(PanelTexts tipChords, PanelTexts lengths, PanelTexts offsets,
                  std::string rootChord, std::string balance, std::string mass) {
    WingFields fields;
    fields.C_min = std::move(tipChords);
    fields.L_trap = std::move(lengths);
    fields.deport = std::move(offsets);
    fields.C_max[0] = std::move(rootChord);
    ChainRootChords(fields);
    fields.Cg = std::move(balance);
    fields.masse = std::move(mass);
    return fields;
}

const WingFields kTwoPanels = Fields({"150", "80,5", "", "", ""}, {"1000", "400", "", "", ""},
                                     {"50", "120", "", "", ""}, "250", "33,5", "1500");

// The lines of one block in file order, header first, each ended by `ending`.
std::string Block(const WingFields& fields, const std::string& ending,
                  const std::string& header = std::string(kWingFileHeader)) {
    std::string text = header + ending;
    for (int panel = 0; panel < kPanelCount; ++panel) {
        for (const std::string* line : {&fields.C_max[panel], &fields.C_min[panel],
                                        &fields.L_trap[panel], &fields.deport[panel]})
            text += *line + ending;
    }
    return text + fields.Cg + ending + fields.masse + ending;
}

TEST(WingFileTextTest, WritesTheExact23CrLfLines) {
    const std::string expected = "V2M-Please don't Delete ....\r\n"
                                 "250\r\n150\r\n1000\r\n50\r\n"
                                 "150\r\n80,5\r\n400\r\n120\r\n"
                                 "80,5\r\n\r\n\r\n\r\n"
                                 "\r\n\r\n\r\n\r\n"
                                 "\r\n\r\n\r\n\r\n"
                                 "33,5\r\n1500\r\n";
    EXPECT_EQ(WingFileText(kTwoPanels), expected);
}

struct RoundTripCase {
    const char* name;
    WingFields fields;
    std::string encodedMass; // how the mass line must appear in the file's bytes
};

WingFields OnePanelWithMass(std::string mass) {
    return Fields({"150", "", "", "", ""}, {"1000", "", "", "", ""}, {}, "250", "30",
                  std::move(mass));
}

const RoundTripCase kRoundTripCases[] = {
    {"AllEmpty", Fields({}, {}, {}, "", "", ""), "\r\n\r\n"},
    {"FivePanelsWithCommas",
     Fields({"200,25", "180", "150,5", "100", "60"}, {"300", "250,75", "200", "150", "100,1"},
            {"10", "-5,5", "30", "45", "60,25"}, "220", "30", "2 150,5"),
     "\r\n2 150,5\r\n"},
    {"BlanksAndOddTextKept",
     Fields({" 150 ", "abc", "", "", ""}, {"1e3", "", "", "", ""}, {"\t", "", "", "", ""}, "  250",
            "", " 9 "),
     "\r\n 9 \r\n"},
    {"Utf8WhenNotWindows1252", OnePanelWithMass("1 kg (≈) é"),
     "\r\n1 kg (\xE2\x89\x88) \xC3\xA9\r\n"},
    {"Utf8WhenWindows1252WouldPassForUtf8", OnePanelWithMass("\u00C3\u00A9"),
     "\r\n\xC3\x83\xC2\xA9\r\n"},
    {"Windows1252Text", OnePanelWithMass("élevée €"),
     "\r\n\xE9lev\xE9"
     "e \x80\r\n"},
};

TEST(WingFileRoundTrip, OpenRestoresEverySavedText) {
    for (const RoundTripCase& row : kRoundTripCases) {
        SCOPED_TRACE(row.name);
        TestFolder folder;
        const std::string path = folder / "wing.txt";
        ASSERT_EQ(SaveWingFile(path, row.fields), std::nullopt);
        EXPECT_TRUE(ReadBytes(path).ends_with(row.encodedMass));
        WingFields loaded = ClearedFields();
        ASSERT_EQ(LoadWingFile(path, loaded), std::nullopt);
        EXPECT_EQ(loaded, row.fields);
    }
}

const WingFields kOther = Fields({"140", "", "", "", ""}, {"900", "", "", "", ""},
                                 {"40", "", "", "", ""}, "260", "28", "1200");

WingFields WithoutMass(WingFields fields) {
    fields.masse.clear();
    return fields;
}

// A hand-edited file: root chords 1 to 4 do not follow the tip chords.
WingFields HandEdited(PanelTexts tipChords) {
    WingFields fields = kTwoPanels;
    fields.C_max = {"250", "111", "222", "333", "444"};
    fields.C_min = std::move(tipChords);
    return fields;
}

WingFields WithRootChords(WingFields fields, PanelTexts rootChords) {
    fields.C_max = std::move(rootChords);
    return fields;
}

struct LoadCase {
    const char* name;
    std::string content;
    std::optional<FileError> error;
    WingFields expected; // checked only when there is no error
};

const std::string kCrLfBlock = Block(kTwoPanels, "\r\n");

const LoadCase kLoadCases[] = {
    {"CrLf", kCrLfBlock, std::nullopt, kTwoPanels},
    {"LfOnly", Block(kTwoPanels, "\n"), std::nullopt, kTwoPanels},
    {"CrOnly", Block(kTwoPanels, "\r"), std::nullopt, kTwoPanels},
    {"NoLineEndAfterLine23", kCrLfBlock.substr(0, kCrLfBlock.size() - 2), std::nullopt, kTwoPanels},
    {"TwoBlocksSecondWins", kCrLfBlock + Block(kOther, "\r\n"), std::nullopt, kOther},
    {"HeaderWithoutV2MKeepsMassEmpty", Block(kTwoPanels, "\r\n", "Wing file"), std::nullopt,
     WithoutMass(kTwoPanels)},
    {"V2MIsCaseSensitive", Block(kTwoPanels, "\r\n", "v2m-Please"), std::nullopt,
     WithoutMass(kTwoPanels)},
    {"OnlyThreeCharactersMatter", Block(kTwoPanels, "\r\n", "V2Mxyz"), std::nullopt, kTwoPanels},
    {"EmptyFileLoadsNothing", "", std::nullopt, ClearedFields()},
    {"ShortFile",
     "V2M-Please don't Delete ....\r\n250\r\n150\r\n1000\r\n",
     kInputPastEndOfFile,
     {}},
    {"MassLineMissing", kCrLfBlock.substr(0, kCrLfBlock.size() - 6), kInputPastEndOfFile, {}},
    {"TrailingBlankLineStartsABlock", kCrLfBlock + "\r\n", kInputPastEndOfFile, {}},
    {"HandEditedRootChordsFollowChangedTips",
     Block(HandEdited({"200", "180", "160", "", ""}), "\r\n"), std::nullopt,
     WithRootChords(HandEdited({"200", "180", "160", "", ""}),
                    {"250", "200", "180", "333", "444"})},
    {"HandEditedWithAGapInTheTips", Block(HandEdited({"200", "", "160", "", ""}), "\r\n"),
     std::nullopt,
     WithRootChords(HandEdited({"200", "", "160", "", ""}), {"250", "200", "", "333", "444"})},
};

TEST(LoadWingFileTable, Loads) {
    for (const LoadCase& row : kLoadCases) {
        SCOPED_TRACE(row.name);
        TestFolder folder;
        WriteBytes(folder / "wing.txt", row.content);
        WingFields fields = ClearedFields();
        const std::optional<FileError> error = LoadWingFile(folder / "wing.txt", fields);
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
        EXPECT_EQ(LenMonFichier(c.path), c.lastSlashPos) << c.path;
        EXPECT_EQ(BareFileName(c.path), c.bareName) << c.path;
    }
}

} // namespace
