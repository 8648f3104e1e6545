// SPDX-License-Identifier: GPL-3.0-or-later
// `--calc --json` with a .stab beside the wing file: the "stability" member with exactly its
// listed members, null for what a flying wing has not, the error of a broken or refused file,
// and every other member as it was. `--preview-svg` marks the neutral point.
#include "app/CommandLine.h"
#include "files/StabilityFile.h"
#include "files/WingFile.h"
#include "i18n/TextKeys.h"
#include "support/StabilityWings.h"
#include "support/TestFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using Json = nlohmann::ordered_json;

class StabilityCommandLine : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::filesystem::path(WINGSHEET_SOURCE_LANG) / "English.lng",
                                   folder / "English.lng");
        writeBytes(folder / "tz.ini", "[Langue]\r\n1=English\r\n");
        EXPECT_EQ(saveWingFile(wingPath, typedWing(kRectangularWing, "30", "")), std::nullopt);
    }

    Json calcJson() {
        std::ostringstream out;
        std::ostringstream err;
        const int status = runCommand(parseCommandLine({"--calc", "--json", wingPath}), language,
                                      ".", SheetContext{}, out, err);
        EXPECT_EQ(status, 0) << err.str();
        return Json::parse(out.str());
    }

    void writeStability(const StabilityFields& fields) {
        EXPECT_EQ(saveStabilityFile(folder / "glider.stab", fields), std::nullopt);
    }

    TestFolder folder;
    const std::string wingPath = folder / "glider.txt";
    LanguageState language{LanguagePlaces::beside(folder.path())};
};

std::vector<std::string> memberNames(const Json& object) {
    std::vector<std::string> names;
    for (const auto& [name, value] : object.items())
        names.push_back(name);
    return names;
}

TEST_F(StabilityCommandLine, NoFileBesideTheWingNoMember) {
    EXPECT_FALSE(calcJson().contains("stability"));
}

// The rectangular worked case of the calculation tests, unrounded.
TEST_F(StabilityCommandLine, MembersExactlyAsListedWithUnroundedNumbers) {
    Json without = calcJson();
    writeStability(rectangularTail());
    Json with = calcJson();
    ASSERT_TRUE(with.contains("stability"));
    const Json stability = with["stability"];
    EXPECT_EQ(memberNames(stability),
              (std::vector<std::string>{
                  "hasTail", "tail", "tailArm", "tailVolume", "liftSlopeWing", "liftSlopeTail",
                  "downwashGradient", "efficiency", "neutralPoint", "neutralPointPercent", "margin",
                  "balanceForMargin", "balanceForMarginPercent", "marginAtBalance"}));
    EXPECT_EQ(memberNames(stability["tail"]),
              (std::vector<std::string>{"area", "meanChord", "meanChordX", "aspectRatio"}));
    EXPECT_EQ(stability["hasTail"], true);
    EXPECT_EQ(stability["tail"]["area"], 4.0);
    EXPECT_EQ(stability["tail"]["aspectRatio"], 4.0);
    EXPECT_EQ(stability["tailArm"], 575.0);
    EXPECT_EQ(stability["tailVolume"], 0.575);
    EXPECT_EQ(stability["efficiency"], 0.9);
    EXPECT_NEAR(stability["neutralPoint"].get<double>(), 91.8411, 5e-4);
    EXPECT_NEAR(stability["neutralPointPercent"].get<double>(), 45.9205, 5e-4);
    EXPECT_NE(stability["neutralPoint"].get<double>(), 91.84) << "not rounded";
    EXPECT_NEAR(stability["marginAtBalance"].get<double>(), 15.9205, 5e-4);

    // Everything else, the preview and the sheet included, is what the wing alone gives; the
    // full-size figure adds the stability ticks and lines.
    with.erase("stability");
    EXPECT_NE(with["fullSize"], without["fullSize"]);
    with.erase("fullSize");
    without.erase("fullSize");
    EXPECT_EQ(with.dump(), without.dump());
}

TEST_F(StabilityCommandLine, AFlyingWingHasNullsForTheTail) {
    writeStability(flyingWing("10"));
    const Json stability = calcJson()["stability"];
    EXPECT_EQ(stability["hasTail"], false);
    for (const char* member : {"tail", "tailArm", "tailVolume", "liftSlopeTail", "efficiency"})
        EXPECT_TRUE(stability[member].is_null()) << member;
    EXPECT_NEAR(stability["neutralPointPercent"].get<double>(), 25, 1e-9);
    EXPECT_NEAR(stability["liftSlopeWing"].get<double>(), 4.11723, 5e-4);
    EXPECT_NEAR(stability["downwashGradient"].get<double>(), 0.524222, 5e-4);
}

TEST_F(StabilityCommandLine, BrokenOrRefusedDataGiveTheWindowsMessage) {
    writeBytes(folder / "glider.stab", "[Tail]\r\nRootChord1=100\r\n");
    const Json broken = calcJson()["stability"];
    EXPECT_EQ(memberNames(broken), std::vector<std::string>{"error"});
    EXPECT_EQ(broken["error"],
              language.text(kStabilityReadMessage) + "\r" + (folder / "glider.stab"));

    StabilityFields canard = rectangularTail();
    canard.distance = "-300";
    writeStability(canard);
    EXPECT_EQ(calcJson()["stability"]["error"], language.text(kTailDistanceMessage));
}

// A hand-edited tail with a gap or a negative chord is the tail's fault: the message names the
// tail panel, and the wing itself stays calculated.
TEST_F(StabilityCommandLine, ARefusedTailNamesTheTailPanelNotTheWing) {
    const struct {
        const char* name;
        StabilityFields fields;
        std::string error;
    } cases[] = {
        {"gap",
         typedTail({{"100", "90", "100", ""}, {"90", "", "", ""}, {"", "60", "50", ""}}, "600",
                   "0.90", "10"),
         "Tail panel 2 is empty, but a tail panel further out is used. Fill the tail panels one "
         "after another from panel 1, or empty the outer ones."},
        {"negative root chord", typedTail({{"-100", "100", "200", ""}}, "600", "0.90", "10"),
         "\"Root chord, tail panel 1\" is below zero. Chords and lengths must be positive; only "
         "the sweep may be negative."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeStability(c.fields);
        const Json json = calcJson();
        EXPECT_EQ(json["outcome"], "Ok");
        EXPECT_EQ(json["stability"], Json({{"error", c.error}}));
    }
}

TEST_F(StabilityCommandLine, APreviewSvgMarksTheNeutralPointInGreen) {
    writeStability(rectangularTail());
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runCommand(parseCommandLine({"--preview-svg", folder / "out.svg", wingPath}),
                         language, ".", SheetContext{}, out, err),
              0)
        << err.str();
    const std::string svg = readBytes(folder / "out.svg");
    EXPECT_NE(svg.find(R"(x1="3905" y1="1038.4108" x2="4145" y2="1038.4108" stroke="#00a000")"),
              std::string::npos)
        << svg;
}

} // namespace
