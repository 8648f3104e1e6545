// Language files and tz.ini as translators and file systems leave them: every lookup still
// yields a text (possibly empty) and says nothing unless the file itself cannot be read.
#include "Language.h"
#include "TestFolder.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using namespace std::string_literals;

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Bytes of every value in a fixed scramble, line breaks, "[", "]" and "=" among them.
std::string BinaryBytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 167 + i / 256 * 13) & 0xFF);
    return bytes;
}

const std::string kFiveMegabytes(5'000'000, 'x');

struct BadLanguageCase {
    const char* name;
    std::string bytes;
    std::string caption; // what "Label"/"0" shows
    std::string message; // what "Message"/"1" shows
};

const BadLanguageCase kBadLanguageFiles[] = {
    {"NoSectionsShowsEmptyTexts", "0=Wingsheet\r\n1=Check the panels\r\n", "", ""},
    {"BinaryGarbageShowsEmptyTexts", BinaryBytes(65536), "", ""},
    {"GarbageAroundRealSectionsStillFindsThem",
     BinaryBytes(4096) + "\r\n[Label]\r\n0=Wingsheet\r\n" + BinaryBytes(4096) +
         "\r\n[Message]\r\n1=Check the panels\r\n",
     "Wingsheet", "Check the panels"},
    {"FiveMegabytesOfCommentsBeforeTheTexts",
     Repeat("; " + std::string(98, '-') + "\r\n", 50'000) +
         "[Label]\r\n0=Wingsheet\r\n[Message]\r\n1=Check the panels\r\n",
     "Wingsheet", "Check the panels"},
    {"FiveMegabyteValueIsCutTo199Characters",
     "[Label]\r\n0=" + kFiveMegabytes + "\r\n[Message]\r\n1=Check\r\n", std::string(199, 'x'),
     "Check"},
    {"FiveMegabyteLineWithoutBreaksShowsEmptyTexts", "[Label]" + kFiveMegabytes, "", ""},
    {"NulBytesStayInTheirValues", "[Label]\r\n0=Wing"s + '\0' + "sheet\r\n[Message]\r\n1=x\r\n",
     "Wing"s + '\0' + "sheet", "x"},
};

class BadLanguageFile : public testing::TestWithParam<BadLanguageCase> {
protected:
    void SetUp() override {
        SetProgramFolder(folder_.Path());
        SetFailureReporter([this](const std::string& text) { reports_.push_back(text); });
    }
    void TearDown() override {
        SetFailureReporter(nullptr);
        CurrentLanguageName.clear();
        CurrentLanguageFile.clear();
    }

    TestFolder folder_;
    std::vector<std::string> reports_;
};

TEST_P(BadLanguageFile, YieldsItsTextsSilently) {
    WriteBytes(folder_ / "Bad.lng", GetParam().bytes);
    SelectLanguage("Bad");
    EXPECT_EQ(GetINIFile("Label", "0"), GetParam().caption);
    EXPECT_EQ(GetINIFile("Message", "1"), GetParam().message);
    EXPECT_EQ(GetINIFile("About", "1"), "");
    EXPECT_TRUE(reports_.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, BadLanguageFile, testing::ValuesIn(kBadLanguageFiles),
                         [](const auto& info) { return std::string(info.param.name); });

std::string ReportText(int number, const std::string& procedure) {
    return std::to_string(number) + std::strerror(number) + "\r\n" + procedure;
}

using BadSettingsFile = BadLanguageFile;

// Unreadable: read and write each report once and change nothing.
TEST_F(BadSettingsFile, UnreadableTzIniIsReportedAndKept) {
    WriteBytes(folder_ / "tz.ini", "[Langue]\r\n1=English\r\n");
    ::chmod((folder_ / "tz.ini").c_str(), 0);
    ::chmod(folder_.Path().c_str(), 0755);
    EXPECT_TRUE(RunUnprivileged([this] {
        return GetINI("Langue", "1", "/tz.ini").empty() &&
               !WriteINI("Langue", "1", "Deutsch", "/tz.ini") &&
               reports_ == std::vector<std::string>{ReportText(EACCES, "GetINI"),
                                                    ReportText(EACCES, "WriteINI")};
    }));
    EXPECT_EQ(ReadBytes(folder_ / "tz.ini"), "[Langue]\r\n1=English\r\n");
    EXPECT_EQ(folder_.Names(), std::vector<std::string>{"tz.ini"});
}

TEST_F(BadSettingsFile, BinaryTzIniNamesNoLanguageAndTakesANewOne) {
    WriteBytes(folder_ / "tz.ini", BinaryBytes(4096));
    EXPECT_EQ(GetINI("Langue", "1", "/tz.ini"), "");
    EXPECT_TRUE(WriteINI("Langue", "1", "English", "/tz.ini"));
    EXPECT_EQ(GetINI("Langue", "1", "/tz.ini"), "English");
    EXPECT_TRUE(ReadBytes(folder_ / "tz.ini").starts_with(BinaryBytes(4096)));
    EXPECT_TRUE(reports_.empty());
}

} // namespace
