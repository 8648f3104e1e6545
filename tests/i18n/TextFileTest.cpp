#include "TextFile.h"

#include "TestFolder.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(ReadFileBytesTest, ReadsEveryByte) {
    TestFolder folder;
    std::string content(40000, 'x');
    content += std::string("\0\r\n\xFF", 4);
    WriteBytes(folder / "f", content);
    std::string bytes = "stale";
    EXPECT_EQ(ReadFileBytes(folder / "f", bytes), std::nullopt);
    EXPECT_EQ(bytes, content);
}

TEST(ReadFileBytesTest, FailuresCarryErrnoAndItsText) {
    TestFolder folder;
    std::string bytes;
    EXPECT_EQ(ReadFileBytes(folder / "missing", bytes), (FileError{ENOENT, std::strerror(ENOENT)}));
    EXPECT_EQ(ReadFileBytes(folder.Path(), bytes), (FileError{EISDIR, std::strerror(EISDIR)}));
}

TEST(WriteFileAtomicallyTest, NewFileTakesModeFromUmask) {
    TestFolder folder;
    const mode_t previous = ::umask(027);
    const auto error = WriteFileAtomically(folder / "new", "abc");
    ::umask(previous);
    ASSERT_EQ(error, std::nullopt);
    EXPECT_EQ(ReadBytes(folder / "new"), "abc");
    EXPECT_EQ(ModeOf(folder / "new"), 0640u);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"new"});
}

TEST(WriteFileAtomicallyTest, ReplacementKeepsTheOldMode) {
    TestFolder folder;
    WriteBytes(folder / "old", "a much longer old content");
    ::chmod((folder / "old").c_str(), 0604);
    ASSERT_EQ(WriteFileAtomically(folder / "old", "new"), std::nullopt);
    EXPECT_EQ(ReadBytes(folder / "old"), "new");
    EXPECT_EQ(ModeOf(folder / "old"), 0604u);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"old"});
}

TEST(WriteFileAtomicallyTest, FailedRenameLeavesNoTemporary) {
    TestFolder folder;
    std::filesystem::create_directory(folder / "target");
    WriteBytes(folder / "target/inside", "kept");
    const auto error = WriteFileAtomically(folder / "target", "abc");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->description, std::strerror(error->number));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"target"});
    EXPECT_EQ(ReadBytes(folder / "target/inside"), "kept");
}

} // namespace
