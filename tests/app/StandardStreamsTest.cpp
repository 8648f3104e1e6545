// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a command line: "-" for standard input and output, "--" before a file
// whose name starts with "-", names that are not UTF-8, and inputs that must not make it hang.
#include "files/WingFile.h"
#include "support/ChildProcess.h"
#include "support/EnvironmentScope.h"
#include "support/TestFolder.h"
#include "support/TypedWings.h"
#include "support/WingTexts.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kProgram = WINGSHEET_EXECUTABLE;

ChildRun wingsheet(const std::vector<std::string>& arguments, const std::string& input = {},
                   const std::string& folder = {}) {
    ChildStreams streams;
    streams.input = input;
    streams.folder = folder;
    return runChild(kProgram, arguments, streams);
}

class StandardStreams : public testing::Test {
protected:
    TestFolder folder;
    const std::string wing = folder / "wing.txt";
    void SetUp() override { writeBytes(wing, kTwoPanelWingFile); }
};

TEST_F(StandardStreams, DashWritesTheDrawingToStandardOutput) {
    const struct {
        const char* option;
        const char* signature;
    } rows[] = {{"--preview-svg", "<?xml"},
                {"--sheet-pdf", "%PDF-"},
                {"--export-dxf", "999\ndxflib"},
                {"--export-svg", "<?xml"},
                {"--tiles-pdf", "%PDF-"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.option);
        const ChildRun dash = wingsheet({row.option, "-", "--lang", "English", wing});
        EXPECT_EQ(dash.exitCode, 0) << dash.err;
        EXPECT_TRUE(dash.out.starts_with(row.signature));
        // The wing from standard input, the drawing to standard output.
        const ChildRun through =
            wingsheet({row.option, "-", "--lang", "English", "--", "-"}, kTwoPanelWingFile);
        EXPECT_EQ(through.exitCode, 0) << through.err;
        EXPECT_TRUE(through.out.starts_with(row.signature));
        // /dev/stdout names the same pipe: it is written, not replaced by a file.
        const ChildRun link = wingsheet({row.option, "/dev/stdout", "--lang", "English", wing});
        EXPECT_EQ(link.exitCode, 0) << link.err;
        EXPECT_TRUE(link.out.starts_with(row.signature));
        EXPECT_EQ(folder.names(), std::vector<std::string>{"wing.txt"});
    }
}

TEST_F(StandardStreams, DashReadsOneWingFromStandardInput) {
    const ChildRun text = wingsheet({"--calc", "--lang", "English", "-"}, kTwoPanelWingFile);
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_TRUE(text.out.starts_with("-\n")) << text.out;
    EXPECT_NE(text.out.find(" 222.99 mm  "), std::string::npos) << text.out;

    const ChildRun json = wingsheet({"--calc", "--json", "-"}, kTwoPanelWingFile);
    EXPECT_EQ(json.exitCode, 0) << json.err;
    EXPECT_TRUE(json.out.starts_with(R"({"file":"-","outcome":"Ok")")) << json.out;

    const ChildRun twice = wingsheet({"--calc", "-", "-"}, kTwoPanelWingFile);
    EXPECT_EQ(twice.exitCode, 2);
    EXPECT_NE(twice.err.find("standard input"), std::string::npos) << twice.err;

    const ChildRun endless =
        wingsheet({"--calc", "--json", "-"}, std::string(3 << 20, '7') /* 3 MiB */);
    EXPECT_EQ(endless.exitCode, 1);
    EXPECT_NE(endless.out.find(" # 27 "), std::string::npos) << endless.out.substr(0, 300);
}

TEST_F(StandardStreams, DoubleDashEndsTheOptions) {
    writeBytes(folder / "-odd.txt", kTwoPanelWingFile);
    const ChildRun run =
        wingsheet({"--calc", "--lang", "English", "--", "-odd.txt"}, {}, folder.path());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("-odd.txt\n")) << run.out;
    EXPECT_EQ(wingsheet({"--calc", "-odd.txt"}, {}, folder.path()).exitCode, 2);
}

// The bytes given are the bytes used: no name is decoded and encoded again on the way.
TEST_F(StandardStreams, NamesThatAreNotUtf8ReachTheFileSystemAsGiven) {
    const std::string oddWing = folder / "aile-\xE9t\xE9.txt";
    writeBytes(oddWing, kTwoPanelWingFile);
    const std::string pdf = folder / "planche-\xFF\xFE.pdf";
    const std::string svg = folder / "vue-\xE9.svg";
    EXPECT_EQ(wingsheet({"--sheet-pdf", pdf, "--lang", "English", oddWing}).exitCode, 0);
    EXPECT_EQ(wingsheet({"--preview-svg", svg, "--lang", "English", oddWing}).exitCode, 0);
    EXPECT_TRUE(readBytes(pdf).starts_with("%PDF-"));
    EXPECT_TRUE(readBytes(svg).starts_with("<?xml"));
    const std::string dxf = folder / "contour-\xE9.dxf";
    const std::string tiles = folder / "plan-\xFF.pdf";
    EXPECT_EQ(wingsheet({"--export-dxf", dxf, "--lang", "English", oddWing}).exitCode, 0);
    EXPECT_EQ(wingsheet({"--tiles-pdf", tiles, "--lang", "English", oddWing}).exitCode, 0);
    EXPECT_TRUE(readBytes(dxf).starts_with("999\ndxflib"));
    EXPECT_TRUE(readBytes(tiles).starts_with("%PDF-"));
    const ChildRun calc = wingsheet({"--calc", "--lang", "English", oddWing});
    EXPECT_EQ(calc.exitCode, 0);
    EXPECT_TRUE(calc.out.starts_with(oddWing + "\n"));
    EXPECT_EQ(folder.names().size(), 6u); // nothing under a changed name
}

// Each returns at once with an error: none is read, so none can hang or fill the memory.
TEST_F(StandardStreams, InputsThatAreNotFilesFailAtOnce) {
    ::mkfifo((folder / "fifo").c_str(), 0644);
    const int sparse = ::open((folder / "sparse").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(::ftruncate(sparse, off_t{2} << 30), 0);
    ::close(sparse);
    const struct {
        std::string path;
        const char* number;
    } rows[] = {{folder / "fifo", " # 54 "},
                {"/dev/zero", " # 54 "},
                {folder / "sparse", " # 27 "},
                {folder.path(), " # 21 "}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        const ChildRun run = wingsheet({"--calc", "--lang", "English", row.path});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.out.find(row.number), std::string::npos) << run.out;
    }
}

TEST_F(StandardStreams, LangWithAPathIsAUsageError) {
    for (const std::string& name : {std::string("../elsewhere/name"), std::string("a/b"),
                                    std::string(".."), std::string("x\x01y")}) {
        SCOPED_TRACE(name);
        const ChildRun run = wingsheet({"--calc", "--lang", name, wing});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find("--lang takes the name of a language file"), std::string::npos)
            << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

// What --calc, --help and --version print is checked as the exports are: a device that refuses
// the write or a closed standard output gives status 1 and says so, as a closed input does.
TEST_F(StandardStreams, PrintingThatFailsIsAnError) {
    ChildStreams full, closed, noInput;
    full.appendOutputTo = "/dev/full";
    closed.outputClosed = noInput.inputClosed = true;
    const std::vector<std::string> commands[] = {
        {"--calc", wing}, {"--calc", "--json", wing}, {"--help"}, {"--version"}};
    for (const auto& arguments : commands) {
        SCOPED_TRACE(arguments[0] + " " + arguments.back());
        const ChildRun onFull = runChild(kProgram, arguments, full);
        EXPECT_EQ(onFull.exitCode, 1);
        EXPECT_NE(onFull.err.find("output: " + std::string(std::strerror(ENOSPC))),
                  std::string::npos)
            << onFull.err;
        const ChildRun onClosed = runChild(kProgram, arguments, closed);
        EXPECT_EQ(onClosed.exitCode, 1);
        EXPECT_NE(onClosed.err.find("standard output is closed"), std::string::npos);
    }
    const ChildRun run = runChild(kProgram, {"--calc", "-"}, noInput);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("standard input is closed"), std::string::npos) << run.out;
}

// An output that is the wing file by any name, or a file kept beside it, is refused before
// anything is read or written; the wing stays as it was.
TEST_F(StandardStreams, AnOutputNeverReplacesTheWingOrItsCompanions) {
    ::symlink("wing.txt", (folder / "link.txt").c_str());
    ::link(wing.c_str(), (folder / "hard.txt").c_str());
    writeBytes(folder / "wing.stab", "[Stability]\r\nHasTail=0\r\n");
    const struct {
        const char* option;
        std::string output;
        std::string appendOutputTo; // standard output's file, for "-"
    } rows[] = {{"--sheet-pdf", wing, ""},
                {"--sheet-pdf", "-", wing},
                {"--export-svg", folder / "link.txt", ""},
                {"--tiles-pdf", folder / "hard.txt", ""},
                {"--export-dxf", folder / "wing.stab", ""},
                {"--preview-svg", folder / "./wing.ribs", ""}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.option) + " " + row.output);
        ChildStreams streams;
        streams.appendOutputTo = row.appendOutputTo;
        const ChildRun run =
            runChild(kProgram, {row.option, row.output, "--lang", "English", wing}, streams);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find("; nothing written"), std::string::npos) << run.err;
        EXPECT_EQ(readBytes(wing), kTwoPanelWingFile);
        EXPECT_EQ(readBytes(folder / "wing.stab"), "[Stability]\r\nHasTail=0\r\n");
        EXPECT_EQ(folder.names(),
                  (std::vector<std::string>{"hard.txt", "link.txt", "wing.stab", "wing.txt"}));
    }
}

// Without a display the window says so in one line, not in Qt's lines and an abort.
TEST_F(StandardStreams, TheWindowWithoutADisplaySaysSoInOneLine) {
    const EnvironmentScope noDisplay("DISPLAY", nullptr);
    const EnvironmentScope noWayland("WAYLAND_DISPLAY", nullptr);
    const EnvironmentScope defaultPlatform("QT_QPA_PLATFORM", nullptr);
    const ChildRun run = wingsheet({wing});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.starts_with("wingsheet: cannot open the window (")) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
}

} // namespace
