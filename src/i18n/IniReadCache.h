// SPDX-License-Identifier: GPL-3.0-or-later
// Values of INI files read through a cache of their decoded text. Every caption of a window is
// one lookup, and reading and decoding the language file each time made a translation of the
// main window read it seventy times. The cache keeps the promise of a fresh read: a file is read
// again whenever its identity, size or times on disk have changed since it was read, and a file
// changed in the last two seconds is always read again, since two writes within one tick of the
// file system's clock leave the same times behind.
#pragma once

#include "i18n/IniFile.h"

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// Seconds of the real-time clock, the one file times are taken from.
long long realTimeSeconds();

// What the file system says of a file; equal stamps mean an unchanged file.
struct FileStamp {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modifiedSeconds = 0;
    long long modifiedNanoseconds = 0;
    long long changedSeconds = 0;
    long long changedNanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

// Nothing for a path that is missing or not a regular file: those take the plain read, which
// knows how to say what is wrong.
std::optional<FileStamp> fileStamp(const std::string& path);

class IniReadCache {
public:
    using SecondsNow = std::function<long long()>;
    using StampOf = std::function<std::optional<FileStamp>(const std::string& path)>;
    // Tests set the clock and the stamps, as a file system with a coarse clock would give them.
    explicit IniReadCache(SecondsNow now = realTimeSeconds, StampOf stampOf = fileStamp)
        : now_(std::move(now))
        , stampOf_(std::move(stampOf)) {}

    // As readIniValue.
    IniRead read(const std::string& path, std::string_view section, std::string_view key,
                 std::size_t maxCharacters);
    // After a write through another route, the next read goes to the disk.
    void forget(const std::string& path) { files_.erase(path); }

private:
    struct DecodedFile {
        FileStamp stamp;
        bool settled = false; // unchanged for long enough that a new write shows in its times
        std::string text;
    };
    SecondsNow now_;
    StampOf stampOf_;
    std::map<std::string, DecodedFile, std::less<>> files_;
};
