// What "wingsheet --calc" says about bad wing files: each file gets its outcome and the window's
// message, every JSON line stays valid JSON, and the exit status tells that something failed.
#include "CommandLine.h"
#include "FailureScopes.h"
#include "Language.h"
#include "TestFolder.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace {

using Json = nlohmann::ordered_json;

const char* const kTwoPanelBlock = "V2M-Please don't Delete ....\r\n"
                                   "300\r\n200\r\n400\r\n50\r\n"
                                   "200\r\n100\r\n300\r\n150\r\n"
                                   "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                                   "25\r\n1500\r\n";

// Every panel line and the mass hold the text; the balance line holds its own.
std::string WingOfEveryField(const std::string& text, const std::string& balance) {
    std::string block = "V2M-Please don't Delete ....\r\n";
    for (int line = 0; line < 20; ++line)
        block += text + "\r\n";
    return block + balance + "\r\n" + text + "\r\n";
}

std::string BinaryBytes() {
    std::string bytes(65536, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 167 + i / 256 * 13) & 0xFF);
    return bytes;
}

const std::string kTenThousandDigits(10'000, '9');
const std::string kTenTo308 = "1" + std::string(308, '0');
const std::string kTenToMinus308 = "0." + std::string(307, '0') + "1";

struct BadCliCase {
    const char* name;
    std::function<void(const std::string& path)> make;
    const char* outcome;
    std::string message; // a "Message" key, or " # N " inside a file error's message
};

void Write(const std::string& path, const std::string& bytes) {
    WriteBytes(path, bytes);
}

const BadCliCase kBadCliCases[] = {
    {"TenThousandDigits", [](auto& p) { Write(p, WingOfEveryField(kTenThousandDigits, "30")); },
     "ArithmeticFailure", "1"},
    {"TenThousandDigitBalance",
     [](auto& p) { Write(p, WingOfEveryField(kTenThousandDigits, kTenThousandDigits)); },
     "BalanceError", "2"},
    {"TenTo308", [](auto& p) { Write(p, WingOfEveryField(kTenTo308, "30")); }, "ArithmeticFailure",
     "1"},
    {"TenTo308Balance", [](auto& p) { Write(p, WingOfEveryField(kTenTo308, kTenTo308)); },
     "BalanceError", "2"},
    {"TenToMinus308", [](auto& p) { Write(p, WingOfEveryField(kTenToMinus308, kTenToMinus308)); },
     "ArithmeticFailure", "1"},
    {"ExponentsReadAsTheirDigits", [](auto& p) { Write(p, WingOfEveryField("1e308", "1e-308")); },
     "Ok", ""},
    {"Empty", [](auto& p) { Write(p, ""); }, "PanelError", "1"},
    {"Binary", [](auto& p) { Write(p, BinaryBytes()); }, "FileError", " # 62 "},
    {"NulBytes",
     [](auto& p) {
         std::string block = kTwoPanelBlock;
         block.replace(block.find("300"), 3, std::string("300\0\xff", 5));
         Write(p, block);
     },
     "Ok", ""},
    {"TenMegabytes",
     [](auto& p) {
         std::string bytes;
         while (bytes.size() < 10'000'000)
             bytes += kTwoPanelBlock;
         Write(p, bytes);
     },
     "Ok", ""},
    {"HundredThousandCharacterLines",
     [](auto& p) { Write(p, WingOfEveryField("250" + std::string(99'997, 'x'), "30")); }, "Ok", ""},
    {"Folder", [](auto& p) { std::filesystem::create_directory(p); }, "FileError", " # 21 "},
};

class BadCliInput : public testing::TestWithParam<BadCliCase> {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::filesystem::path(WINGSHEET_SOURCE_LANG) / "English.lng",
                                   folder / "English.lng");
        SetProgramFolder(folder.Path());
        CurrentLanguageName.clear();
        CurrentLanguageFile.clear();
    }

    int Run(const std::vector<std::string>& arguments) {
        out.str("");
        err.str("");
        return RunCommand(ParseCommandLine(arguments), ".", SheetContext{}, out, err);
    }

    TestFolder folder;
    std::ostringstream out;
    std::ostringstream err;
};

void ExpectMessage(const Json& wing, const std::string& message) {
    const std::string shown = wing["message"].get<std::string>();
    if (message.starts_with(" # "))
        EXPECT_NE(shown.find(message), std::string::npos) << shown;
    else
        EXPECT_EQ(shown, message.empty() ? "" : GetINIFile("Message", message));
}

TEST_P(BadCliInput, JsonGivesTheOutcomeAndTheMessage) {
    const std::string path = folder / "wing.txt";
    GetParam().make(path);
    const bool ok = std::string(GetParam().outcome) == "Ok";
    EXPECT_EQ(Run({"--calc", "--json", "--lang", "English", path}), ok ? 0 : 1);
    std::istringstream lines(out.str());
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    const Json wing = Json::parse(line); // throws on anything that is not JSON
    EXPECT_EQ(wing["file"], path);
    EXPECT_EQ(wing["outcome"], GetParam().outcome);
    ExpectMessage(wing, GetParam().message);
    EXPECT_FALSE(std::getline(lines, line));
}

TEST_P(BadCliInput, TextNamesTheFileAndSaysWhatIsWrong) {
    const std::string path = folder / "wing.txt";
    GetParam().make(path);
    Run({"--calc", "--lang", "English", path});
    const std::string text = out.str();
    EXPECT_TRUE(text.starts_with(path + "\n")) << text.substr(0, 200);
    const std::string& message = GetParam().message;
    const std::string expected =
        message.starts_with(" # ") || message.empty() ? message : GetINIFile("Message", message);
    EXPECT_NE(text.find(expected), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Table, BadCliInput, testing::ValuesIn(kBadCliCases),
                         [](const auto& info) { return std::string(info.param.name); });

using BadCliPath = BadCliInput;

TEST_F(BadCliPath, UnreadableFileIsAFileError) {
    WriteBytes(folder / "wing.txt", kTwoPanelBlock);
    ::chmod((folder / "wing.txt").c_str(), 0);
    ::chmod(folder.Path().c_str(), 0755);
    int status = 0;
    {
        const UnprivilegedScope nobody;
        status = Run({"--calc", "--json", "--lang", "English", folder / "wing.txt"});
    }
    EXPECT_EQ(status, 1);
    const Json wing = Json::parse(out.str());
    EXPECT_EQ(wing["outcome"], "FileError");
    ExpectMessage(wing, " # 13 ");
}

// The path goes to the reader as it is: no shell ever sees it.
TEST_F(BadCliPath, AwkwardPathsAreCalculated) {
    for (const std::string name : {"my wing.txt", "say \"hi\" 'there'.txt", "a;b; c.txt",
                                   "aile fl\xc3\xa8"
                                   "che \xe7\xbf\xbc.txt",
                                   "; rm -rf x `y` $(z) | w &.txt"}) {
        const std::string path = folder / name;
        WriteBytes(path, kTwoPanelBlock);
        EXPECT_EQ(Run({"--calc", "--json", "--lang", "English", path}), 0) << name;
        const Json wing = Json::parse(out.str());
        EXPECT_EQ(wing["file"], path);
        EXPECT_EQ(wing["labels"]["Lbcmoy"], " 222.99 mm  ") << name;
    }
}

} // namespace
