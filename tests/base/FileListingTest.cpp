// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/FileListing.h"

#include "base/ProgramFolder.h"
#include "support/FailureScopes.h"
#include "support/TestFolder.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const std::string kSeparator(1, kPathSeparator);

// Folder layout shared by the fileExists rows: a file, a sub-folder, nothing else.
class FileExistsTest : public testing::Test {
protected:
    void SetUp() override {
        writeBytes(folder_ / "English.lng", "[Label]\n");
        std::filesystem::create_directory(folder_ / "sub");
    }
    TestFolder folder_;
};

TEST_F(FileExistsTest, Table) {
    const struct {
        const char* name;
        std::string path;
        bool expected;
    } cases[] = {
        {"RegularFile", folder_ / "English.lng", true},
        {"TrailingSeparatorDropped", folder_ / "English.lng" + kSeparator, true},
        {"OnlyOneSeparatorDropped", folder_ / "English.lng" + kSeparator + kSeparator, false},
        {"Folder", folder_ / "sub", false},
        {"FolderWithSeparator", folder_ / "sub" + kSeparator, false},
        {"Missing", folder_ / "French.lng", false},
        {"EmptyPath", "", false},
        {"SeparatorOnly", kSeparator, false},
    };
    for (const auto& c : cases) {
        errno = 0;
        EXPECT_EQ(fileExists(c.path), c.expected) << c.name;
        EXPECT_EQ(errno, 0) << c.name;
    }
}

TEST_F(FileExistsTest, UnreadableFileDoesNotExist) {
    ::chmod((folder_ / "English.lng").c_str(), 0);
    ::chmod(folder_.path().c_str(), 0755);
    const UnprivilegedScope nobody;
    EXPECT_FALSE(fileExists(folder_ / "English.lng"));
}

TEST(ListLanguageFilesTest, EmptyOrMissingFolderGivesNothing) {
    TestFolder folder;
    EXPECT_TRUE(listLanguageFiles(folder.path() + kSeparator, "*.lng").empty());
    EXPECT_TRUE(listLanguageFiles(folder / "missing" + kSeparator, "*.lng").empty());
}

TEST(ListLanguageFilesTest, ListsMatchingFilesWithoutExtensionInByteOrder) {
    TestFolder folder;
    for (const char* name :
         {"b.lng", "Français.lng", "English.lng", "readme.txt", "x.lng.bak", "UPPER.LNG", "tz.ini"})
        writeBytes(folder / name, "");
    std::filesystem::create_directory(folder / "Folder.lng");
    const std::vector<std::string> expected = {"English", "Français", "b"};
    EXPECT_EQ(listLanguageFiles(folder.path() + kSeparator, "*.lng"), expected);
    EXPECT_EQ(listLanguageFiles(folder.path(), "*.lng"), expected);
}

} // namespace
