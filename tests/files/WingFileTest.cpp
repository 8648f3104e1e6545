#include "WingFile.h"

#include "ProgramFolder.h"
#include "TestFolder.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const std::string kSeparator(1, kPathSeparator);

// The form after Clear: every field empty, the balance point at 30 %.
WingFields ClearedFields() {
    WingFields fields;
    fields.Cg = "30";
    return fields;
}

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

// The lines of one block in file order, header first.
std::vector<std::string> BlockLines(const WingFields& fields, std::string header) {
    std::vector<std::string> lines = {std::move(header)};
    for (int panel = 0; panel < kPanelCount; ++panel) {
        lines.insert(lines.end(), {fields.C_max[panel], fields.C_min[panel], fields.L_trap[panel],
                                   fields.deport[panel]});
    }
    lines.insert(lines.end(), {fields.Cg, fields.masse});
    return lines;
}

std::string Join(const std::vector<std::string>& lines, const std::string& ending) {
    std::string text;
    for (const std::string& line : lines)
        text += line + ending;
    return text;
}

std::string WithoutFinalEnding(std::string text) {
    text.resize(text.size() - 2);
    return text;
}

const WingFields kTwoPanels = Fields({"150", "80,5", "", "", ""}, {"1000", "400", "", "", ""},
                                     {"50", "120", "", "", ""}, "250", "33,5", "1500");

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

const RoundTripCase kRoundTripCases[] = {
    {"TwoPanels", kTwoPanels, "\r\n1500\r\n"},
    {"AllEmpty", Fields({}, {}, {}, "", "", ""), "\r\n\r\n"},
    {"FivePanelsWithCommas",
     Fields({"200,25", "180", "150,5", "100", "60"}, {"300", "250,75", "200", "150", "100,1"},
            {"10", "-5,5", "30", "45", "60,25"}, "220", "30", "2 150,5"),
     "\r\n2 150,5\r\n"},
    {"BlanksAndOddTextKept",
     Fields({" 150 ", "abc", "", "", ""}, {"1e3", "", "", "", ""}, {"\t", "", "", "", ""}, "  250",
            "", " 9 "),
     "\r\n 9 \r\n"},
    {"Utf8WhenNotWindows1252",
     Fields({"150", "", "", "", ""}, {"1000", "", "", "", ""}, {"", "", "", "", ""}, "250", "30",
            "1 kg (≈) é"),
     "\r\n1 kg (\xE2\x89\x88) \xC3\xA9\r\n"},
    {"Utf8WhenWindows1252WouldPassForUtf8",
     Fields({"150", "", "", "", ""}, {"1000", "", "", "", ""}, {"", "", "", "", ""}, "250", "30",
            "\u00C3\u00A9"),
     "\r\n\xC3\x83\xC2\xA9\r\n"},
    {"Windows1252Text",
     Fields({"150", "", "", "", ""}, {"1000", "", "", "", ""}, {"", "", "", "", ""}, "250", "30",
            "élevée €"),
     "\r\n\xE9lev\xE9"
     "e \x80\r\n"},
};

class WingFileRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(WingFileRoundTrip, OpenRestoresEverySavedText) {
    TestFolder folder;
    const std::string path = folder / "wing.txt";
    ASSERT_EQ(SaveWingFile(path, GetParam().fields), std::nullopt);
    EXPECT_TRUE(ReadBytes(path).ends_with(GetParam().encodedMass));
    WingFields loaded = ClearedFields();
    ASSERT_EQ(LoadWingFile(path, loaded), std::nullopt);
    EXPECT_EQ(loaded, GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(Table, WingFileRoundTrip, testing::ValuesIn(kRoundTripCases),
                         [](const auto& info) { return std::string(info.param.name); });

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

const std::string kHeader(kWingFileHeader);
const std::vector<std::string> kTwoPanelLines = BlockLines(kTwoPanels, kHeader);

const LoadCase kLoadCases[] = {
    {"CrLf", Join(kTwoPanelLines, "\r\n"), std::nullopt, kTwoPanels},
    {"LfOnly", Join(kTwoPanelLines, "\n"), std::nullopt, kTwoPanels},
    {"CrOnly", Join(kTwoPanelLines, "\r"), std::nullopt, kTwoPanels},
    {"NoLineEndAfterLine23", WithoutFinalEnding(Join(kTwoPanelLines, "\r\n")), std::nullopt,
     kTwoPanels},
    {"TwoBlocksSecondWins",
     Join(kTwoPanelLines, "\r\n") + Join(BlockLines(kOther, kHeader), "\r\n"), std::nullopt,
     kOther},
    {"HeaderWithoutV2MKeepsMassEmpty", Join(BlockLines(kTwoPanels, "Wing file"), "\r\n"),
     std::nullopt, WithoutMass(kTwoPanels)},
    {"V2MIsCaseSensitive", Join(BlockLines(kTwoPanels, "v2m-Please"), "\r\n"), std::nullopt,
     WithoutMass(kTwoPanels)},
    {"OnlyThreeCharactersMatter", Join(BlockLines(kTwoPanels, "V2Mxyz"), "\r\n"), std::nullopt,
     kTwoPanels},
    {"EmptyFileLoadsNothing", "", std::nullopt, ClearedFields()},
    {"ShortFile", Join({kHeader, "250", "150", "1000"}, "\r\n"), kInputPastEndOfFile, {}},
    {"MassLineMissing",
     Join(std::vector<std::string>(kTwoPanelLines.begin(), kTwoPanelLines.end() - 1), "\r\n"),
     kInputPastEndOfFile,
     {}},
    {"TrailingBlankLineStartsABlock",
     Join(kTwoPanelLines, "\r\n") + "\r\n",
     kInputPastEndOfFile,
     {}},
    {"HandEditedRootChordsFollowChangedTips",
     Join(BlockLines(HandEdited({"200", "180", "160", "", ""}), kHeader), "\r\n"), std::nullopt,
     WithRootChords(HandEdited({"200", "180", "160", "", ""}),
                    {"250", "200", "180", "333", "444"})},
    {"HandEditedWithAGapInTheTips",
     Join(BlockLines(HandEdited({"200", "", "160", "", ""}), kHeader), "\r\n"), std::nullopt,
     WithRootChords(HandEdited({"200", "", "160", "", ""}), {"250", "200", "", "333", "444"})},
    {"HandEditedWithoutAnyTip", Join(BlockLines(HandEdited({}), kHeader), "\r\n"), std::nullopt,
     HandEdited({})},
};

class LoadWingFileTable : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadWingFileTable, Loads) {
    TestFolder folder;
    WriteBytes(folder / "wing.txt", GetParam().content);
    WingFields fields = ClearedFields();
    const std::optional<FileError> error = LoadWingFile(folder / "wing.txt", fields);
    EXPECT_EQ(error, GetParam().error);
    if (!GetParam().error) {
        EXPECT_EQ(fields, GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, LoadWingFileTable, testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadWingFileTest, DecodesWindows1252) {
    TestFolder folder;
    std::vector<std::string> lines = kTwoPanelLines;
    lines.back() = "1\xA0"
                   "500 g \xB1"
                   "5";
    WriteBytes(folder / "wing.txt", Join(lines, "\r\n"));
    WingFields fields = ClearedFields();
    ASSERT_EQ(LoadWingFile(folder / "wing.txt", fields), std::nullopt);
    EXPECT_EQ(fields.masse, "1\u00A0"
                            "500 g ±5");
}

TEST(LoadWingFileTest, MissingFileReportsThePlatformError) {
    TestFolder folder;
    WingFields fields = ClearedFields();
    EXPECT_EQ(LoadWingFile(folder / "none.txt", fields),
              (FileError{ENOENT, std::strerror(ENOENT)}));
    EXPECT_EQ(fields, ClearedFields());
}

TEST(SaveWingFileTest, FailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
    TestFolder folder;
    const std::string path = folder / "wing.txt";
    ASSERT_EQ(SaveWingFile(path, kOther), std::nullopt);
    const std::string before = ReadBytes(path);
    ::chmod(path.c_str(), 0644);
    ::chmod(folder.Path().c_str(), 0555);
    EXPECT_TRUE(RunUnprivileged([&] {
        const std::optional<FileError> error = SaveWingFile(path, kTwoPanels);
        return error && error->number == EACCES;
    }));
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"wing.txt"});
}

TEST(WingFilePathTest, BareNameFollowsTheLastSeparator) {
    const std::string s = kSeparator;
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
