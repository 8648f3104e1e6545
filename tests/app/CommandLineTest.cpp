// SPDX-License-Identifier: GPL-3.0-or-later
// What "wingsheet --calc" and "--preview-svg" make of real wing files: the results under the
// window's captions, the JSON members, the outcome and message of bad files, the exit status.
#include "app/CommandLine.h"

#include "files/WingFile.h"
#include "i18n/LanguageState.h"
#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "support/TestFolder.h"
#include "support/TypedWings.h"
#include "support/WingTexts.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using Json = nlohmann::ordered_json;

const std::string kFrench = "Fran\xc3\xa7"
                            "ais";

class CommandLine : public testing::Test {
protected:
    void SetUp() override {
        for (const std::string& name : {std::string("English"), kFrench})
            std::filesystem::copy_file(std::filesystem::path(WINGSHEET_SOURCE_LANG) /
                                           (name + ".lng"),
                                       folder / (name + ".lng"));
        writeBytes(folder / "tz.ini", "[Langue]\r\n1=English\r\n");
    }

    int Run(const std::vector<std::string>& arguments) {
        out.str("");
        err.str("");
        return runCommand(parseCommandLine(arguments), language, ".", SheetContext{}, out, err);
    }

    std::vector<Json> jsonLines() const {
        std::vector<Json> objects;
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line);)
            objects.push_back(Json::parse(line)); // throws on anything that is not JSON
        return objects;
    }

    // A one-panel wing without sweep or mass.
    std::string saveWing(const std::string& name, const char* rootChord, const char* tipChord,
                         const char* length, const char* balance) {
        const std::string path = folder / name;
        const WingFields fields = typedWing({{rootChord, tipChord, length, "0"}}, balance, "");
        EXPECT_EQ(saveWingFile(path, fields), std::nullopt);
        return path;
    }

    TestFolder folder;
    LanguageState language{LanguagePlaces::beside(folder.path())};
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(CommandLine, TextOutputNamesEachResultWithTheWindowsCaption) {
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    EXPECT_EQ(Run({"--calc", folder / "two.txt"}), 0);
    const std::string text = out.str();
    EXPECT_EQ(text.find(folder / "two.txt"), 0u);
    const std::string span = language.text(kSpanCaption);
    EXPECT_NE(text.find(" : 1 400.00 mm  \n"), std::string::npos) << text;
    EXPECT_NE(text.find(" :  51.72 g/dm\u00b2\n"), std::string::npos) << text;
    EXPECT_NE(text.find(span.substr(0, span.find(':'))), std::string::npos);
}

TEST_F(CommandLine, JsonCarriesEveryMemberOfACalculatedWing) {
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    ASSERT_EQ(Run({"--calc", "--json", folder / "two.txt"}), 0);
    const auto objects = jsonLines();
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

// One run over every outcome: a line per file in order, and status 1 since some failed. The
// outcomes Ok to ArithmeticFailure keep their names; GapInChain, NegativeValue and ValueTooLarge
// name the causes that used to end as arithmetic failures.
TEST_F(CommandLine, EveryOutcomeHasItsMessage) {
    language.select("English"); // the expected words; the run reads tz.ini itself
    const std::string kHuge = "1" + std::string(400, '0');
    const std::string kTiny = "0." + std::string(199, '0') + "1";
    writeBytes(folder / "gap.txt",
               wingFileText(typedWing(
                   {{"250", "150", "1000", "0"}, {"150", "", "", ""}, {"", "100", "300", "0"}},
                   "30", "")));
    const auto named = [this](TextKey key, const std::string& value) {
        return fillIn(language.text(key), {value});
    };
    const struct {
        std::string path;
        const char* outcome;
        std::string message; // "": calculated; " # N ": the file error
    } files[] = {
        {saveWing("ok.txt", "250", "150", "1000", "30"), "Ok", ""},
        {saveWing("panel.txt", "250", "", "1000", "30"), "PanelError",
         language.text(kPanelErrorMessage)},
        {saveWing("balance.txt", "250", "150", "1000", "100"), "BalanceError",
         language.text(kBalanceErrorMessage)},
        {folder / "gap.txt", "GapInChain", named(kGapInChainMessage, "2")},
        {saveWing("negative.txt", "250", "-250", "1000", "30"), "NegativeValue",
         named(kNegativeValueMessage, "Tip chord, panel 1")},
        {saveWing("large.txt", "250", "150", kHuge.c_str(), "30"), "ValueTooLarge",
         named(kValueTooLargeMessage, "Panel length, panel 1")},
        {saveWing("arithmetic.txt", kTiny.c_str(), kTiny.c_str(), kTiny.c_str(), "30"),
         "ArithmeticFailure", language.text(kPanelErrorMessage)},
        {folder / "missing.txt", "FileError", " # 2 "},
    };
    std::vector<std::string> arguments = {"--calc", "--json"};
    for (const auto& file : files)
        arguments.push_back(file.path);
    EXPECT_EQ(Run(arguments), 1);
    const std::vector<Json> lines = jsonLines();
    ASSERT_EQ(lines.size(), std::size(files));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& file = files[i];
        SCOPED_TRACE(file.path);
        EXPECT_EQ(lines[i]["file"], file.path);
        EXPECT_EQ(lines[i]["outcome"], file.outcome);
        EXPECT_EQ(lines[i].contains("labels"), file.message.empty());
        const std::string message = lines[i]["message"];
        if (file.message.starts_with(" # "))
            EXPECT_NE(message.find(file.message), std::string::npos) << message;
        else
            EXPECT_EQ(message, file.message);
    }
}

TEST_F(CommandLine, LangChoosesTheLanguageForThisRunOnly) {
    Run({"--calc", "--json", "--lang", kFrench, saveWing("bad.txt", "250", "", "1000", "30")});
    language.select(kFrench);
    EXPECT_EQ(jsonLines().at(0)["message"], language.text(kPanelErrorMessage));
    EXPECT_EQ(readBytes(folder / "tz.ini"), "[Langue]\r\n1=English\r\n");
}

TEST_F(CommandLine, WrongArgumentsGiveStatusTwo) {
    const std::vector<std::vector<std::string>> wrong = {
        {"--calc"},
        {"--bogus"},
        {"--lang"},
        {"--json", "x.txt"},
        {"a.txt", "b.txt"}, // the window holds one wing
        {"--lang", "English", "wing.txt"},
        {"--bogus", "wing.txt"},
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

// An installed program says where it looked, so a user knows where a language file would go.
TEST_F(CommandLine, MissingLanguageNamesTheFoldersOfTheInstallation) {
    LanguageState installed(choosePlaces({folder / "bin", false, folder / "home", "", ""}));
    out.str("");
    err.str("");
    EXPECT_EQ(runCommand(parseCommandLine({"--calc", "--lang", "Klingon",
                                           saveWing("w.txt", "250", "150", "1000", "30")}),
                         installed, ".", SheetContext{}, out, err),
              0);
    EXPECT_NE(err.str().find("no language file Klingon.lng in " + folder / "home" +
                             "/.local/share/wingsheet or " + folder / "share/wingsheet"),
              std::string::npos)
        << err.str();
}

// "wingsheet FILE", as the desktop starts it, is the window with that file to open.
TEST_F(CommandLine, OneFileAloneOpensInTheWindow) {
    for (const char* name : {"wing.txt", "-", "my wing; \"2024\".txt"}) {
        const CommandRequest request = parseCommandLine({name});
        EXPECT_EQ(request.action, CommandAction::Window) << name;
        EXPECT_EQ(request.files, std::vector<std::string>{name});
    }
    EXPECT_TRUE(parseCommandLine({}).files.empty());
}

TEST_F(CommandLine, PreviewSvgDrawsTheWorkedWing) {
    const std::string wing = saveWing("wing.txt", "250", "150", "1000", "30");
    ASSERT_EQ(Run({"--preview-svg", folder / "out.svg", wing}), 0) << err.str();
    // The worked outline's root chord: from (525, 1995) up to (525, 245).
    EXPECT_NE(readBytes(folder / "out.svg").find(R"(x1="525" y1="1995" x2="525" y2="245")"),
              std::string::npos);

    const std::string bad = saveWing("bad.txt", "250", "", "1000", "30");
    EXPECT_EQ(Run({"--preview-svg", folder / "bad.svg", bad}), 1);
    EXPECT_FALSE(std::filesystem::exists(folder / "bad.svg"));
}

// Bad files under an awkward name: the JSON stays JSON (infinite, subnormal, binary and NUL-holding
// values too), the text names the file, and both say what the window would. The window's own
// table covers every other bad file; the reader is the same.
struct BadCliCase {
    const char* name;
    std::string bytes;
    const char* outcome;
    std::string message; // a one-character "Message" key, the message, or " # N " of a file error
};

const std::string kTenThousandDigits(10'000, '9');
const std::string kTenToMinus308 = "0." + std::string(307, '0') + "1";

const BadCliCase kBadCliCases[] = {
    {"TenThousandDigits", wingFileOfEveryField(kTenThousandDigits, "30"), "ValueTooLarge",
     "\"Root chord, panel 1\" is too large to calculate with. Please check the value."},
    {"TenToMinus308", wingFileOfEveryField(kTenToMinus308, kTenToMinus308), "ArithmeticFailure",
     "1"},
    {"Binary", binaryBytes(), "FileError", " # 62 "},
    {"NulBytes",
     std::string(kTwoPanelWingFile).insert(kTwoPanelWingFile.find("300") + 3, {'\0', '\xff'}), "Ok",
     ""},
};

class BadCliInput : public CommandLine, public testing::WithParamInterface<BadCliCase> {};

TEST_P(BadCliInput, SaysWhatIsWrongInJsonAndText) {
    const std::string path = folder / "my wing; \"x\" 'y' fl\xc3\xa8"
                                      "che $(z).txt";
    writeBytes(path, GetParam().bytes);
    const bool ok = std::string(GetParam().outcome) == "Ok";
    EXPECT_EQ(Run({"--calc", "--json", "--lang", "English", path}), ok ? 0 : 1);
    const std::string& message = GetParam().message;
    const std::string shown = message.starts_with(" # ") || message.size() != 1
                                  ? message
                                  : language.text({"Message", message});
    const std::vector<Json> lines = jsonLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["file"], path);
    EXPECT_EQ(lines[0]["outcome"], GetParam().outcome);
    if (message.starts_with(" # "))
        EXPECT_NE(lines[0]["message"].get<std::string>().find(shown), std::string::npos);
    else
        EXPECT_EQ(lines[0]["message"], shown);

    Run({"--calc", "--lang", "English", path});
    EXPECT_TRUE(out.str().starts_with(path + "\n")) << out.str().substr(0, 200);
    EXPECT_NE(out.str().find(shown), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Table, BadCliInput, testing::ValuesIn(kBadCliCases),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
