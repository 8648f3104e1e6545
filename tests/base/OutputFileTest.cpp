// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/OutputFile.h"

#include "support/TestFolder.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

mode_t modeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(OutputFileTest, NewFileTakesModeFromUmask) {
    TestFolder folder;
    const mode_t previous = ::umask(027);
    const auto error = writeOutputFile(folder / "new", "abc");
    ::umask(previous);
    ASSERT_EQ(error, std::nullopt);
    EXPECT_EQ(readBytes(folder / "new"), "abc");
    EXPECT_EQ(modeOf(folder / "new"), 0640u);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"new"});
}

TEST(OutputFileTest, ReplacementKeepsTheOldMode) {
    TestFolder folder;
    writeBytes(folder / "old", "a much longer old content");
    ::chmod((folder / "old").c_str(), 0604);
    ASSERT_EQ(writeOutputFile(folder / "old", "new"), std::nullopt);
    EXPECT_EQ(readBytes(folder / "old"), "new");
    EXPECT_EQ(modeOf(folder / "old"), 0604u);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"old"});
}

// A crash between naming the temporary file and the rename leaves NAME.tmp-XXXXXX behind; the
// next good save of NAME removes it, and nothing that could belong to anyone else.
TEST(OutputFileTest, NextSaveRemovesAStaleTemporaryOfItsOwnName) {
    TestFolder folder;
    const std::vector<std::string> kept = {"other.txt.tmp-AbC123", "wing.txt.tmp-AbC12",
                                           "wing.txt.tmp-AbC1234", "wing.txt.tmp-AbC12!",
                                           "wing.txt.tmp-Locked",  "wing.txt.tmp-Folder"};
    for (const std::string& name : kept)
        writeBytes(folder / name, "kept");
    std::filesystem::remove(folder / "wing.txt.tmp-Folder");
    std::filesystem::create_directory(folder / "wing.txt.tmp-Folder");
    writeBytes(folder / "wing.txt.tmp-9zZ0aA", "stale");
    // A save running in another process holds its temporary file locked.
    const int running = ::open((folder / "wing.txt.tmp-Locked").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(running, LOCK_EX), 0);

    writeBytes(folder / "wing.txt", "old");
    ::chmod((folder / "wing.txt").c_str(), 0444);
    EXPECT_EQ(writeOutputFile(folder / "wing.txt", "new")->number, EACCES);
    EXPECT_TRUE(std::filesystem::exists(folder / "wing.txt.tmp-9zZ0aA")); // only a good save

    ::chmod((folder / "wing.txt").c_str(), 0644);
    ASSERT_EQ(writeOutputFile(folder / "wing.txt", "new"), std::nullopt);
    ::close(running);
    std::vector<std::string> expected = kept;
    expected.push_back("wing.txt");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.names(), expected);
    EXPECT_EQ(readBytes(folder / "wing.txt"), "new");
}

// root saving a user's file gives it back to that user, as an editor would.
TEST(OutputFileTest, ReplacementKeepsOwnerAndGroupWhereAllowed) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    TestFolder folder;
    writeBytes(folder / "theirs", "old");
    ASSERT_EQ(::chown((folder / "theirs").c_str(), 65534, 65534), 0);
    ASSERT_EQ(writeOutputFile(folder / "theirs", "new"), std::nullopt);
    struct stat info {};
    ::stat((folder / "theirs").c_str(), &info);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
}

} // namespace
