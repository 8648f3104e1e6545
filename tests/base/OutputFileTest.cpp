// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/OutputFile.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

} // namespace
