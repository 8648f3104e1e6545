#include "CommandLine.h"

#include "Language.h"
#include "TestFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using Json = nlohmann::ordered_json;

const char* const kTwoPanelWing = "V2M-Please don't Delete ....\r\n"
                                  "300\r\n200\r\n400\r\n50\r\n"
                                  "200\r\n100\r\n300\r\n150\r\n"
                                  "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                                  "25\r\n1500\r\n";

std::string WingFile(const char* root, const char* tip, const char* length, const char* balance) {
    std::string text = "V2M-Please don't Delete ....\r\n";
    text += std::string(root) + "\r\n" + tip + "\r\n" + length + "\r\n0\r\n";
    for (int line = 0; line < 16; ++line)
        text += "\r\n";
    return text + balance + "\r\n\r\n";
}

class CommandLine : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::filesystem::path(WINGSHEET_SOURCE_LANG) / "English.lng",
                                   folder / "English.lng");
        std::filesystem::copy_file(std::filesystem::path(WINGSHEET_SOURCE_LANG) / "Fran\xc3\xa7"
                                                                                  "ais.lng",
                                   folder / "Fran\xc3\xa7"
                                            "ais.lng");
        WriteBytes(folder / "tz.ini", "[Langue]\r\n1=English\r\n");
        SetProgramFolder(folder.Path());
        CurrentLanguageName.clear();
        CurrentLanguageFile.clear();
    }

    int Run(const std::vector<std::string>& arguments) {
        out.str("");
        err.str("");
        return RunCommand(ParseCommandLine(arguments), ".", SheetContext{}, out, err);
    }

    std::vector<Json> JsonLines() const {
        std::vector<Json> objects;
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line);)
            objects.push_back(Json::parse(line));
        return objects;
    }

    TestFolder folder;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(CommandLine, TextOutputNamesEachResultWithTheWindowsCaption) {
    WriteBytes(folder / "two.txt", kTwoPanelWing);
    EXPECT_EQ(Run({"--calc", folder / "two.txt"}), 0);
    const std::string text = out.str();
    EXPECT_EQ(text.find(folder / "two.txt"), 0u);
    const std::string span = GetINIFile("Label", "6");
    EXPECT_NE(text.find(" : 1 400.00 mm  \n"), std::string::npos) << text;
    EXPECT_NE(text.find(" :  51.72 g/dm\u00b2\n"), std::string::npos) << text;
    EXPECT_NE(text.find(span.substr(0, span.find(':'))), std::string::npos);
}

TEST_F(CommandLine, JsonCarriesEveryMemberOfACalculatedWing) {
    WriteBytes(folder / "two.txt", kTwoPanelWing);
    ASSERT_EQ(Run({"--calc", "--json", folder / "two.txt"}), 0);
    const auto objects = JsonLines();
    ASSERT_EQ(objects.size(), 1u);
    const Json& wing = objects[0];
    std::vector<std::string> members;
    for (const auto& [name, value] : wing.items())
        members.push_back(name);
    EXPECT_EQ(members, (std::vector<std::string>{"file", "outcome", "message", "fields", "planform",
                                                 "labels", "results", "preview", "sheet"}));
    EXPECT_EQ(wing["outcome"], "Ok");
    EXPECT_EQ(wing["message"], "");
    EXPECT_EQ(wing["fields"]["C_max"], Json({"300", "200", "", "", ""}));
    EXPECT_EQ(wing["planform"]["lastPanel"], 1);
    EXPECT_EQ(wing["labels"]["Lbcmoy"], " 222.99 mm  ");
    EXPECT_EQ(wing["results"]["meanChord"].size(), 2u);
    EXPECT_EQ(wing["results"]["halfSpan"], 700.0);
    EXPECT_EQ(wing["preview"]["lines"].size(), 13u); // two panels of four lines, five marks
    EXPECT_EQ(wing["sheet"]["denominator"], 5);      // 700 mm fits 1250 mm, 250 mm fits 550 mm
}

struct OutcomeCase {
    const char* name;
    std::string content; // empty: no file at all
    const char* outcome;
    const char* messageKey; // "" for the file error
};

TEST_F(CommandLine, EveryOutcomeHasItsMessageAndStatus) {
    const OutcomeCase cases[] = {
        {"ok", WingFile("250", "150", "1000", "30"), "Ok", nullptr},
        {"panel", WingFile("250", "", "1000", "30"), "PanelError", "1"},
        {"balance", WingFile("250", "150", "1000", "100"), "BalanceError", "2"},
        {"arithmetic", WingFile("250", "-250", "1000", "30"), "ArithmeticFailure", "1"},
        {"missing", "", "FileError", ""},
    };
    for (const auto& c : cases) {
        const std::string path = folder / (std::string(c.name) + ".txt");
        if (!c.content.empty())
            WriteBytes(path, c.content);
        EXPECT_EQ(Run({"--calc", "--json", path}), c.messageKey ? 1 : 0) << c.name;
        const Json wing = JsonLines().at(0);
        EXPECT_EQ(wing["outcome"], c.outcome) << c.name;
        EXPECT_EQ(wing.contains("labels"), c.messageKey == nullptr) << c.name;
        if (c.messageKey && *c.messageKey)
            EXPECT_EQ(wing["message"], GetINIFile("Message", c.messageKey)) << c.name;
        if (c.messageKey && !*c.messageKey)
            EXPECT_NE(wing["message"].get<std::string>().find(" # 2 "), std::string::npos)
                << c.name;
    }
}

TEST_F(CommandLine, OneBadFileAmongGoodOnesGivesStatusOne) {
    WriteBytes(folder / "good.txt", kTwoPanelWing);
    EXPECT_EQ(
        Run({"--calc", "--json", folder / "good.txt", folder / "none.txt", folder / "good.txt"}),
        1);
    EXPECT_EQ(JsonLines().size(), 3u);
}

TEST_F(CommandLine, LangChoosesTheLanguageForThisRunOnly) {
    WriteBytes(folder / "bad.txt", WingFile("250", "", "1000", "30"));
    Run({"--calc", "--json", "--lang",
         "Fran\xc3\xa7"
         "ais",
         folder / "bad.txt"});
    SelectLanguage("Fran\xc3\xa7"
                   "ais");
    EXPECT_EQ(JsonLines().at(0)["message"], GetINIFile("Message", "1"));
    EXPECT_EQ(ReadBytes(folder / "tz.ini"), "[Langue]\r\n1=English\r\n");
}

TEST_F(CommandLine, WrongArgumentsGiveStatusTwo) {
    const std::vector<std::vector<std::string>> wrong = {
        {"--calc"},
        {"--bogus"},
        {"--lang"},
        {"--json", "x.txt"},
        {"wing.txt"},
        {"--preview-svg", "out.svg"},
        {"--preview-svg", "out.svg", "a.txt", "b.txt"},
        {"--calc", "--title", "T", "a.txt"},
    };
    for (const auto& arguments : wrong) {
        EXPECT_EQ(Run(arguments), 2) << arguments[0];
        EXPECT_NE(err.str().find("Usage"), std::string::npos);
        EXPECT_TRUE(out.str().empty());
    }
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(out.str(), "Wingsheet 3.1.0\n");
}

TEST_F(CommandLine, PreviewSvgDrawsTheWorkedWing) {
    WriteBytes(folder / "wing.txt", WingFile("250", "150", "1000", "30"));
    ASSERT_EQ(Run({"--preview-svg", folder / "out.svg", folder / "wing.txt"}), 0) << err.str();
    const std::string svg = ReadBytes(folder / "out.svg");
    EXPECT_NE(svg.find("viewBox=\"0 0 8055 2295\""), std::string::npos);
    // The worked outline's root chord: from (525, 1995) up to (525, 245).
    EXPECT_NE(svg.find("x1=\"525\" y1=\"1995\" x2=\"525\" y2=\"245\""), std::string::npos) << svg;

    WriteBytes(folder / "bad.txt", WingFile("250", "", "1000", "30"));
    EXPECT_EQ(Run({"--preview-svg", folder / "bad.svg", folder / "bad.txt"}), 1);
    EXPECT_FALSE(std::filesystem::exists(folder / "bad.svg"));
}

} // namespace
