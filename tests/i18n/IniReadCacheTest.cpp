// SPDX-License-Identifier: GPL-3.0-or-later
// The cache of decoded INI files must never show a value the file no longer holds: every way a
// file changes on disk is seen at the next read, whether the file had just been written or had
// been lying there for long.
#include "i18n/IniReadCache.h"

#include "support/TestFolder.h"

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace {

constexpr const char* kBefore = "[Label]\r\n1=Span\r\n";
constexpr const char* kSameSize = "[Label]\r\n1=Wing\r\n";

IniRead readCaption(IniReadCache& cache, const std::string& path) {
    return cache.read(path, "Label", "1", 199);
}

// A file system clock an hour on: every file counts as long settled, so the cached text is used
// whenever the file's stamp is unchanged.
long long anHourOn() {
    return realTimeSeconds() + 3600;
}

struct Change {
    const char* name;
    void (*apply)(const std::string& path);
    const char* value; // the value read after the change
    int error;         // or the errno of the read
};

const Change kChanges[] = {
    {"same size in place", [](const std::string& path) { writeBytes(path, kSameSize); }, "Wing", 0},
    {"longer in place",
     [](const std::string& path) { writeBytes(path, "[Label]\r\n1=Wingspan\r\n"); }, "Wingspan", 0},
    {"replaced by another file",
     [](const std::string& path) {
         writeBytes(path + ".new", kSameSize);
         std::filesystem::rename(path + ".new", path);
     },
     "Wing", 0},
    // A copy that keeps times (cp -p, an unpacked archive) sets the old modification time back.
    {"same size, modification time set back",
     [](const std::string& path) {
         struct stat before {};
         ASSERT_EQ(::stat(path.c_str(), &before), 0);
         writeBytes(path, kSameSize);
         const timespec times[2] = {before.st_atim, before.st_mtim};
         ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
     },
     "Wing", 0},
    {"removed", [](const std::string& path) { std::filesystem::remove(path); }, "", 0},
    {"a folder in its place",
     [](const std::string& path) {
         std::filesystem::remove(path);
         std::filesystem::create_directory(path);
     },
     "", EISDIR},
};

class IniReadCacheChange : public testing::TestWithParam<std::tuple<Change, bool>> {};

TEST_P(IniReadCacheChange, IsSeenAtTheNextRead) {
    const auto& [change, settled] = GetParam();
    TestFolder folder;
    const std::string path = folder / "English.lng";
    writeBytes(path, kBefore);
    IniReadCache cache(settled ? anHourOn : realTimeSeconds);
    ASSERT_EQ(readCaption(cache, path).value, "Span");
    ASSERT_EQ(readCaption(cache, path).value, "Span");

    // A settled file changes long after its last write; a few ticks of the file clock stand in.
    if (settled)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    change.apply(path);
    const IniRead read = readCaption(cache, path);
    EXPECT_EQ(read.value, change.value);
    EXPECT_EQ(read.error ? read.error->number : 0, change.error);
}

INSTANTIATE_TEST_SUITE_P(EveryChange, IniReadCacheChange,
                         testing::Combine(testing::ValuesIn(kChanges), testing::Bool()),
                         [](const auto& instance) {
                             std::string name = std::get<0>(instance.param).name;
                             name += std::get<1>(instance.param) ? " settled" : " just written";
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

// Two writes within one tick of the file system's clock leave the same size and times; a file
// written a moment ago is therefore read again each time, however fast the writes come.
TEST(IniReadCache, RewritesFasterThanTheFileClockAreSeen) {
    TestFolder folder;
    const std::string path = folder / "English.lng";
    IniReadCache cache;
    for (int round = 0; round < 50; ++round) {
        const bool even = round % 2 == 0;
        writeBytes(path, even ? kBefore : kSameSize);
        ASSERT_EQ(readCaption(cache, path).value, even ? "Span" : "Wing") << "round " << round;
    }
}

// A file system whose clock ticks in whole seconds gives two writes within one tick the same
// stamp. Within two seconds of the change the file is read again; after that the stamp is trusted.
TEST(IniReadCache, AFileChangedLessThanTwoSecondsAgoIsReadAgain) {
    constexpr long long kChanged = 1'000'000;
    for (const auto& [secondsSinceChange, value] :
         {std::pair{0, "Wing"}, {2, "Wing"}, {3, "Span"}}) {
        SCOPED_TRACE(secondsSinceChange);
        TestFolder folder;
        const std::string path = folder / "English.lng";
        writeBytes(path, kBefore);
        IniReadCache cache(
            [&] { return kChanged + secondsSinceChange; },
            [](const std::string&) { return FileStamp{1, 2, 17, kChanged, 0, kChanged, 0}; });
        ASSERT_EQ(readCaption(cache, path).value, "Span");
        writeBytes(path, kSameSize);
        EXPECT_EQ(readCaption(cache, path).value, value);
    }
}

} // namespace
