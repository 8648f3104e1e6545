// SPDX-License-Identifier: GPL-3.0-or-later
// Open keeps the wing being edited when the file cannot be read whole, and replaces it when it
// can: the window and the command line rely on both.
#include "session/WingSession.h"

#include "support/TestFolder.h"
#include "support/TypedWings.h"
#include "support/WingTexts.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

class WingSessionOpen : public testing::Test {
protected:
    // A calculated wing that came from a file, as a user has it before the next open.
    void SetUp() override {
        writeBytes(folder / "good.txt", kTwoPanelWingFile);
        ASSERT_TRUE(session.open(folder / "good.txt").calculated());
        session.setMassText("1800");
        before = session.fields();
    }

    TestFolder folder;
    WingSession session{".", [](TextKey key) {
                            return std::string(key.key);
                        }};
    WingFields before;
};

struct UnreadableCase {
    const char* name;
    std::function<void(const std::string& path)> make; // nothing made: a missing file
    int errorNumber;
};

const UnreadableCase kUnreadable[] = {
    {"short", [](const std::string& path) { writeBytes(path, kTwoPanelWingFile.substr(0, 60)); },
     62},
    {"missing", [](const std::string&) {}, 2},
    {"folder", [](const std::string& path) { std::filesystem::create_directory(path); }, 21},
    {"blank line after the block",
     [](const std::string& path) { writeBytes(path, kTwoPanelWingFile + "\r\n"); }, 62},
};

TEST_F(WingSessionOpen, FileThatCannotBeReadWholeChangesNothing) {
    for (const UnreadableCase& row : kUnreadable) {
        SCOPED_TRACE(row.name);
        const std::string path = folder / (std::string(row.name) + ".txt");
        row.make(path);
        const OpenOutcome outcome = session.open(path);
        ASSERT_TRUE(outcome.fileError);
        EXPECT_EQ(outcome.fileError->number, row.errorNumber);
        EXPECT_FALSE(outcome.calculated());
        EXPECT_EQ(session.fields(), before);
        EXPECT_TRUE(session.hasValidResults());
        EXPECT_EQ(session.fileName(), "good.txt");
        EXPECT_EQ(session.resultTexts().meanChord, " 222.99 mm  ");
    }
}

// A file that reads but is refused still replaces the fields, and the results are no longer valid.
TEST_F(WingSessionOpen, FileThatReadsReplacesTheWingEvenWhenRefused) {
    writeBytes(folder / "refused.txt", wingFileOfEveryField("", "30"));
    const OpenOutcome outcome = session.open(folder / "refused.txt");
    EXPECT_FALSE(outcome.fileError);
    EXPECT_EQ(outcome.report.outcome, CalcOutcome::PanelError);
    EXPECT_EQ(session.fields(), typedWing({}, "30", ""));
    EXPECT_FALSE(session.hasValidResults());
    EXPECT_EQ(session.fileName(), "refused.txt");
}

// What a quit would lose: edits of the wing or its tail since the last open, save as or Clear.
TEST_F(WingSessionOpen, OnlyEditsSinceTheLastOpenSaveOrClearAreUnsaved) {
    std::filesystem::create_directory(folder / "blocked.stab"); // no tail data can go there
    const std::pair<std::function<void()>, bool> steps[] = {
        {[] {}, true}, // the mass typed after the open
        {[&] { session.saveAs(folder / "missing/wing.txt"); }, true},
        {[&] { session.setMassText("1500"); }, false},
        {[&] { session.setPanelText(PanelField::SweepOffset, 1, "0"); }, true},
        {[&] { session.saveAs(folder / "saved.txt"); }, false},
        {[&] { session.stability().setHasTail(true); }, true},
        {[&] { session.saveAs(folder / "blocked.txt"); }, true},
        {[&] { session.saveAs(folder / "saved.txt"); }, false},
        {[&] { session.clear(); }, false},
        {[&] { session.setPanelText(PanelField::TipChord, 1, "80"); }, true},
        {[&] { session.open(folder / "saved.txt"); }, false},
    };
    for (std::size_t step = 0; step < std::size(steps); ++step) {
        SCOPED_TRACE(step);
        steps[step].first();
        EXPECT_EQ(session.hasUnsavedChanges(), steps[step].second);
    }
}

} // namespace
