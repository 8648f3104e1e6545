// SPDX-License-Identifier: GPL-3.0-or-later
// What "wingsheet --calc", "--preview-svg" and "--export-dxf" make of real wing files: the
// results under the window's captions, the JSON members, the outcome and message of bad files,
// the exit status.
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
    EXPECT_EQ(members,
              (std::vector<std::string>{"file", "outcome", "message", "fields", "planform",
                                        "labels", "results", "preview", "sheet", "fullSize"}));
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

// Inches and ounces change the texts only: every member the JSON had keeps millimetres and
// grams, and the texts the window would show come last.
TEST_F(CommandLine, UnitsChangeTheTextsAndAddThemToTheJson) {
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    EXPECT_EQ(Run({"--calc", "--units", "in", "--mass", "oz", folder / "two.txt"}), 0);
    EXPECT_NE(out.str().find(" :  55.12 in  \n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find(" :  16.95 oz/ft\u00b2\n"), std::string::npos);
    ASSERT_EQ(Run({"--calc", "--json", folder / "two.txt"}), 0);
    Json metric = jsonLines().at(0);
    ASSERT_EQ(Run({"--calc", "--json", "--units", "in", folder / "two.txt"}), 0);
    Json shown = jsonLines().at(0);
    const Json display = shown["display"];
    shown.erase("display");
    EXPECT_EQ(shown, metric);
    EXPECT_EQ(display["units"], "in");
    EXPECT_EQ(display["mass"], "g");
    EXPECT_EQ(display["fields"]["C_max"], Json({"11.811", "7.874", "", "", ""}));
    EXPECT_EQ(display["fields"]["masse"], "1500");
    EXPECT_EQ(display["labels"]["Lbcmoy"], " 8.78 in  ");
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
         named(kPanelIncompleteMessage, "Tip chord, panel 1")},
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
    EXPECT_EQ(jsonLines().at(0)["message"], fillIn(language.text(kPanelIncompleteMessage),
                                                   {"Corde de saumon, trap\xc3\xa8ze 1"}));
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
        {"--calc", "--lang", "../elsewhere/name", "a.txt"},
        {"--calc", "--lang", "", "a.txt"},
        {"--calc", "-", "--", "-"},
        {"--", "--calc", "a.txt"},
        {"--calc", "--lang", "English.LNG", "a.txt"}, // the usage asks for the bare name
        {"--calc", "--sheet-pdf", "o.pdf", "a.txt"},  // as two output options are
        {"--calc", "--units", "cm", "a.txt"},
        {"--calc", "--mass", "kg", "a.txt"},
        {"--units", "in", "a.txt"}, // the window has its Units menu
        {"--preview-svg", "o.svg", "--mass", "oz", "a.txt"},
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

// An installed program says where it looked, so a user knows where a language file would go,
// and which languages there are; nothing is calculated in a language it cannot show.
TEST_F(CommandLine, MissingLanguageNamesTheFoldersOfTheInstallation) {
    std::filesystem::create_directories(folder / "share/wingsheet");
    writeBytes(folder / "share/wingsheet/Deutsch.lng", "[Label]\r\n");
    LanguageState installed(choosePlaces({folder / "bin", false, folder / "home", "", ""}));
    out.str("");
    err.str("");
    EXPECT_EQ(runCommand(parseCommandLine({"--calc", "--lang", "Klingon",
                                           saveWing("w.txt", "250", "150", "1000", "30")}),
                         installed, ".", SheetContext{}, out, err),
              2);
    EXPECT_NE(err.str().find("no language file Klingon.lng in " + folder / "home" +
                             "/.local/share/wingsheet or " + folder / "share/wingsheet" +
                             "; the languages are: Deutsch\n"),
              std::string::npos)
        << err.str();
    EXPECT_TRUE(out.str().empty());
}

// Every caption of a run comes from one language: --lang, else the remembered one, else English;
// never the empty captions of no language at all.
TEST_F(CommandLine, TheRunLanguageIsTheRememberedOneElseEnglish) {
    const std::string wing = saveWing("w.txt", "250", "150", "1000", "30");
    const struct {
        const char* remembered; // nullptr: no tz.ini
        std::string shown;
        const char* note;
    } rows[] = {{kFrench.c_str(), kFrench, ""},
                {nullptr, "English", ""},
                {"Klingon", "English", "no language file Klingon.lng beside the program; English"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.remembered ? row.remembered : "nothing remembered");
        std::filesystem::remove(folder / "tz.ini");
        if (row.remembered)
            writeBytes(folder / "tz.ini", "[Langue]\r\n1=" + std::string(row.remembered) + "\r\n");
        LanguageState shown(LanguagePlaces::beside(folder.path()));
        shown.select(row.shown);
        const std::string span = shown.text(kSpanCaption);
        const std::string spanWord = span.substr(0, span.find(':'));
        EXPECT_EQ(Run({"--calc", wing}), 0);
        EXPECT_NE(out.str().find("\n" + spanWord), std::string::npos) << out.str();
        EXPECT_NE(err.str().find(row.note), std::string::npos) << err.str();
        // The full-size text block too.
        EXPECT_EQ(Run({"--export-dxf", folder / "w.dxf", wing}), 0);
        EXPECT_NE(readBytes(folder / "w.dxf").find(spanWord), std::string::npos);
    }
}

// Messages break lines with "\r" as a message box does, and the failure reports with "\r\n".
TEST(TerminalLines, EveryLineBreakIsOneNewLine) {
    const std::pair<const char*, const char*> rows[] = {
        {"a\rb", "a\nb"}, {"a\r\nb", "a\nb"}, {"a\r\r\nb", "a\n\nb"}, {"a\n\rb\r", "a\n\nb\n"}};
    for (const auto& [text, lines] : rows)
        EXPECT_EQ(asTerminalLines(text), lines) << text;
}

// "wingsheet FILE", as the desktop starts it, is the window with that file to open.
TEST_F(CommandLine, OneFileAloneOpensInTheWindow) {
    for (const char* name : {"wing.txt", "-odd.txt", "my wing; \"2024\".txt"}) {
        const CommandRequest request = parseCommandLine({"--", name});
        EXPECT_EQ(request.action, CommandAction::Window) << name;
        EXPECT_EQ(request.files, std::vector<std::string>{name});
    }
    EXPECT_EQ(parseCommandLine({"wing.txt"}).files, std::vector<std::string>{"wing.txt"});
    EXPECT_TRUE(parseCommandLine({}).files.empty());
    // "-" is standard input, which the window does not read.
    EXPECT_EQ(parseCommandLine({"-"}).action, CommandAction::UsageError);
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

struct FullSizeArguments {
    const char* name;
    std::vector<std::string> arguments;
    CommandAction action;
    bool bothHalves;
    const char* paper;
    const char* refusal; // part of the problem, or nullptr when accepted
};

const FullSizeArguments kFullSizeArguments[] = {
    {"dxf", {"--export-dxf", "o.dxf", "w.txt"}, CommandAction::ExportDxf, false, "A4", nullptr},
    {"svg_both_halves",
     {"--both-halves", "--export-svg", "o.svg", "w.txt"},
     CommandAction::ExportSvg,
     true,
     "A4",
     nullptr},
    {"tiles_on_letter_any_case",
     {"--tiles-pdf", "o.pdf", "--paper", "letter", "--title", "T", "w.txt"},
     CommandAction::TilesPdf,
     false,
     "Letter",
     nullptr},
    {"calc_json_both_halves",
     {"--calc", "--json", "--both-halves", "w.txt"},
     CommandAction::Calc,
     true,
     "A4",
     nullptr},
    {"paper_a3", {"--tiles-pdf", "o.pdf", "--paper", "A3", "w.txt"}, {}, false, "", "A4 or Letter"},
    {"paper_without_tiles",
     {"--export-dxf", "o.dxf", "--paper", "A4", "w.txt"},
     {},
     false,
     "",
     "--paper goes with --tiles-pdf"},
    {"both_halves_with_plain_calc",
     {"--calc", "--both-halves", "w.txt"},
     {},
     false,
     "",
     "--both-halves goes with"},
    {"two_output_files",
     {"--export-dxf", "o.dxf", "--export-svg", "o.svg", "w.txt"},
     {},
     false,
     "",
     "one output file at a time"},
    {"calc_with_an_output_file",
     {"--export-dxf", "o.dxf", "--calc", "w.txt"},
     {},
     false,
     "",
     "--calc writes no file"},
    {"two_wing_files", {"--tiles-pdf", "o.pdf", "a.txt", "b.txt"}, {}, false, "", "exactly one"},
    {"json_with_dxf", {"--export-dxf", "o.dxf", "--json", "w.txt"}, {}, false, "", "--json"},
};

TEST(CommandLineParsing, FullSizeActionsAndTheirOptions) {
    for (const FullSizeArguments& row : kFullSizeArguments) {
        SCOPED_TRACE(row.name);
        const CommandRequest request = parseCommandLine(row.arguments);
        if (row.refusal) {
            EXPECT_EQ(request.action, CommandAction::UsageError);
            EXPECT_NE(request.problem.find(row.refusal), std::string::npos) << request.problem;
            continue;
        }
        EXPECT_EQ(request.action, row.action) << request.problem;
        EXPECT_EQ(request.bothHalves, row.bothHalves);
        EXPECT_EQ(request.paper, row.paper);
    }
}

std::size_t occurrences(const std::string& text, const std::string& word) {
    std::size_t count = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++count;
    return count;
}

TEST_F(CommandLine, ExportDxfWritesOneClosedPolylinePerPanelInMillimetres) {
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    ASSERT_EQ(Run({"--export-dxf", folder / "half.dxf", folder / "two.txt"}), 0) << err.str();
    ASSERT_EQ(Run({"--export-dxf", folder / "both.dxf", "--both-halves", folder / "two.txt"}), 0);
    const std::string half = readBytes(folder / "half.dxf");
    EXPECT_TRUE(half.starts_with("999\ndxflib")) << half.substr(0, 40);
    EXPECT_NE(half.find("$ACADVER\n  1\nAC1015\n"), std::string::npos);
    EXPECT_NE(half.find("$INSUNITS\n 70\n4\n"), std::string::npos);
    EXPECT_TRUE(half.ends_with("  0\nEOF\n"));
    // One a panel, and one around them all.
    EXPECT_EQ(occurrences(half, "\nLWPOLYLINE\n"), 3u);
    EXPECT_EQ(occurrences(readBytes(folder / "both.dxf"), "\nLWPOLYLINE\n"), 5u);
    // Panel 1's tip: 700 mm out, its trailing edge 250 mm behind the root leading edge.
    EXPECT_NE(half.find(" 10\n700.0\n 20\n-250.0\n"), std::string::npos);
    EXPECT_EQ(half.find("-0.0\n"), std::string::npos);
}

TEST_F(CommandLine, ExportDxfFailuresLeaveNoFile) {
    const std::string bad = saveWing("bad.txt", "250", "", "1000", "30");
    EXPECT_EQ(Run({"--export-dxf", folder / "bad.dxf", bad}), 1);
    EXPECT_NE(err.str().find("bad.txt"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "bad.dxf"));

    const std::string huge = saveWing("huge.txt", "2000000", "150", "1000", "30");
    EXPECT_EQ(Run({"--export-dxf", folder / "huge.dxf", huge}), 1);
    EXPECT_NE(err.str().find(language.text(kTooLargeMessage)), std::string::npos) << err.str();

    const std::string good = saveWing("good.txt", "250", "150", "1000", "30");
    EXPECT_EQ(Run({"--export-dxf", folder / "missing/out.dxf", good}), 1);
    EXPECT_NE(err.str().find("No such file or directory"), std::string::npos) << err.str();
    // As every output of the command line says it: the path, then Open's error number.
    EXPECT_NE(err.str().find("wingsheet: " + folder / "missing/out.dxf" + ": "), std::string::npos);
    EXPECT_NE(err.str().find(" # 2 "), std::string::npos) << err.str();
    EXPECT_EQ(folder.names(),
              (std::vector<std::string>{"English.lng",
                                        "Fran\xc3\xa7"
                                        "ais.lng",
                                        "bad.txt", "good.txt", "huge.txt", "tz.ini"}));
}

TEST_F(CommandLine, TheQtFullSizeActionsNeedTheWindowSystem) {
    const std::string wing = saveWing("wing.txt", "250", "150", "1000", "30");
    EXPECT_EQ(Run({"--export-svg", folder / "o.svg", wing}), 2);
    EXPECT_EQ(Run({"--tiles-pdf", folder / "o.pdf", wing}), 2);
}

// The worked wing, 1000 mm out from a 250 mm root: its outline box is exact, and on A4 it tiles
// as the layout tests work out by hand (landscape, 3 rows of 4).
TEST_F(CommandLine, JsonFullSizeGivesTheExtentAndTheA4Grid) {
    const std::string wing = saveWing("wing.txt", "250", "150", "1000", "50");
    ASSERT_EQ(Run({"--calc", "--json", wing}), 0);
    const Json fullSize = jsonLines().at(0)["fullSize"];
    EXPECT_EQ(fullSize["bothHalves"], false);
    EXPECT_EQ(fullSize["outlineBox"], Json::parse(R"({"minX": 0.0, "minY": 0.0, "maxX": 1000.0,
        "maxY": 250.0, "width": 1000.0, "height": 250.0})"));
    EXPECT_GT(fullSize["boundingBox"]["maxY"].get<double>(), 290); // the text block below
    const Json& tiles = fullSize["a4Tiles"];
    EXPECT_EQ(tiles["orientation"], "landscape");
    EXPECT_EQ(tiles["rows"], 3);
    EXPECT_EQ(tiles["columns"], 4);
    EXPECT_EQ(tiles["pagesKept"], tiles["pages"].size());
    EXPECT_EQ(tiles["pages"][0], "A1");

    ASSERT_EQ(Run({"--calc", "--json", "--both-halves", wing}), 0);
    const Json both = jsonLines().at(0)["fullSize"];
    EXPECT_EQ(both["bothHalves"], true);
    EXPECT_EQ(both["outlineBox"]["minX"], -1000.0);
}

} // namespace
