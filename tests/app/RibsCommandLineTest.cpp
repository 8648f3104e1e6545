// SPDX-License-Identifier: GPL-3.0-or-later
// The ribs on the command line: `--calc --json` gains "ribs" with exactly its listed members
// when a .ribs lies beside the wing, an error for a broken one; `--ribs-dxf` and `--ribs-svg`
// write every rib, name each that cannot be made, and refuse a wing without ribs.
#include "app/CommandLine.h"
#include "files/RibsFile.h"
#include "files/WingFile.h"
#include "support/StabilityWings.h"
#include "support/TestFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using Json = nlohmann::ordered_json;

struct CommandRun {
    int status = 0;
    std::string out;
    std::string err;
};

class RibsCommandLine : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::filesystem::path(WINGSHEET_SOURCE_LANG) / "English.lng",
                                   folder / "English.lng");
        writeBytes(folder / "tz.ini", "[Langue]\r\n1=English\r\n");
        EXPECT_EQ(saveWingFile(wingPath, typedWing(kRectangularWing, "30", "")), std::nullopt);
    }

    CommandRun run(const std::vector<std::string>& arguments) {
        std::ostringstream out;
        std::ostringstream err;
        const int status =
            runCommand(parseCommandLine(arguments), language, ".", SheetContext{}, out, err);
        return {status, out.str(), err.str()};
    }

    TestFolder folder;
    const std::string wingPath = folder / "glider.txt";
    LanguageState language{LanguagePlaces::beside(folder.path())};
};

// The rectangular worked wing, 200 mm of chord over 500 mm, a rib every 100 mm.
constexpr char kRibs[] = "[Ribs]\r\nSpacing=100\r\nSpar1=30,5,20,top\r\nTwist1=-2\r\n"
                         "[Airfoils]\r\nRoot=NACA 2412\r\n";

TEST_F(RibsCommandLine, JsonListsEveryRibWithItsMembers) {
    EXPECT_FALSE(Json::parse(run({"--calc", "--json", wingPath}).out).contains("ribs"));
    writeBytes(folder / "glider.ribs", kRibs);
    const Json ribs = Json::parse(run({"--calc", "--json", wingPath}).out)["ribs"];
    ASSERT_EQ(ribs.size(), 6u);
    std::vector<std::string> names;
    for (const auto& [name, value] : ribs[1].items())
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"panel", "index", "label", "station", "chord",
                                               "leadingEdgeX", "twist", "inner", "outer", "blend",
                                               "placement", "area", "maxThickness", "problems"}));
    const Json& second = ribs[1];
    EXPECT_EQ(second["panel"], 1);
    EXPECT_EQ(second["index"], 2);
    EXPECT_EQ(second["station"], 100.0);
    EXPECT_EQ(second["chord"], 200.0);
    EXPECT_NEAR(second["twist"].get<double>(), -0.4, 1e-12);
    EXPECT_EQ(second["inner"], "NACA 2412");
    EXPECT_NEAR(second["maxThickness"].get<double>(), 24, 0.1);
    // A 20 mm notch at 30 % of a 24 mm rib reaches through its upper part only: whole.
    EXPECT_TRUE(second["problems"].empty());
}

TEST_F(RibsCommandLine, ABrokenFileIsAnErrorMember) {
    writeBytes(folder / "glider.ribs", "[Ribs]\r\nSpacing=ten\r\n");
    const Json json = Json::parse(run({"--calc", "--json", wingPath}).out);
    EXPECT_EQ(json["outcome"], "Ok");
    EXPECT_NE(json["ribs"]["error"].get<std::string>().find("[Ribs] Spacing=ten"),
              std::string::npos);
}

TEST_F(RibsCommandLine, DrawingsHoldEveryRibAndNameTheProblems) {
    writeBytes(folder / "glider.ribs", std::string(kRibs) + "Tip1=NACA 0006\r\n");
    const CommandRun dxf = run({"--ribs-dxf", folder / "ribs.dxf", wingPath});
    EXPECT_EQ(dxf.status, 0) << dxf.err;
    // NACA 0006 at the tip is 12 mm thick: the notch cuts through the last ribs.
    EXPECT_NE(dxf.err.find("P1 R6  200.0: spar 1 notched through the rib"), std::string::npos)
        << dxf.err;
    const CommandRun svg =
        run({"--ribs-svg", folder / "ribs.svg", "--title", "Glider & co", wingPath});
    EXPECT_EQ(svg.status, 0) << svg.err;
    const std::string picture = readBytes(folder / "ribs.svg");
    EXPECT_NE(picture.find("<title>Glider &amp; co</title>"), std::string::npos);
    EXPECT_NE(picture.find(">P1 R6  200.0</text>"), std::string::npos);
}

TEST_F(RibsCommandLine, RefusesAWingWithoutRibsAndWrongArguments) {
    const CommandRun none = run({"--ribs-svg", folder / "ribs.svg", wingPath});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("glider.ribs beside the wing file"), std::string::npos) << none.err;
    EXPECT_FALSE(std::filesystem::exists(folder / "ribs.svg"));
    const std::vector<std::vector<std::string>> refused{
        {"--ribs-dxf", "a.dxf", "--title", "T"},
        {"--ribs-svg", "a.svg", wingPath},
        {"--ribs-dxf", "a.dxf", "--export-dxf", "b.dxf"},
        {"--ribs-dxf", "a.dxf", "--nest", "600"},
        {"--ribs-dxf", "a.dxf", "--nest", "0x300"},
        {"--ribs-dxf", "a.dxf", "--kerf", "-0.2"},
        {"--cores-dxf", "a.dxf", "--kerf", "12"},
        {"--ribs-pdf", "a.pdf", "--nest", "600x300"},
        {"--ribs-pdf", "a.pdf", "--kerf", "0.2"},
        {"--ribs-dxf", "a.dxf", "--paper", "A4"},
        {"--cores-dxf", "a.dxf", "--both-halves"},
        {"--cores-dxf", "a.dxf", "--title", "T"}};
    for (std::vector<std::string> arguments : refused) {
        arguments.push_back(wingPath);
        EXPECT_EQ(parseCommandLine(arguments).action, CommandAction::UsageError)
            << arguments[0] << " " << arguments[2];
        EXPECT_EQ(run(arguments).status, 2);
    }
}

// Nested, each rib of both halves is there twice, labelled; a sheet too small is named with the
// rib that does not fit, and nothing is written; the ribs' file is no output.
TEST_F(RibsCommandLine, NestingNamesWhatDoesNotFitAndKeepsTheInputs) {
    writeBytes(folder / "glider.ribs", kRibs);
    const CommandRun both =
        run({"--ribs-dxf", folder / "both.dxf", "--nest", "600x300", "--both-halves", wingPath});
    EXPECT_EQ(both.status, 0) << both.err;
    const std::string document = readBytes(folder / "both.dxf");
    for (const char* label : {"P1 R6 L  200.0", "P1 R6 R  200.0", "\nSHEET\n"})
        EXPECT_NE(document.find(label), std::string::npos) << label;
    const CommandRun small =
        run({"--ribs-svg", folder / "small.svg", "--nest", "150X100", wingPath});
    EXPECT_EQ(small.status, 1);
    EXPECT_NE(small.err.find("P1 R1  200.0: larger than a sheet"), std::string::npos) << small.err;
    EXPECT_FALSE(std::filesystem::exists(folder / "small.svg"));
    const std::string ribs = readBytes(folder / "glider.ribs");
    EXPECT_EQ(run({"--cores-dxf", folder / "glider.ribs", wingPath}).status, 2);
    EXPECT_EQ(readBytes(folder / "glider.ribs"), ribs);
}

} // namespace
